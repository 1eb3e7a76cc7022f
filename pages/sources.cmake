quillet_portable(pages/FinishActions.cpp)
quillet_program(pages/ConfigurationsPageNorvikClassic.cpp pages/ErrorPage.cpp
                pages/FinishPage.cpp pages/LicensePageIsv.cpp pages/OptionsPageNorvikClassic.cpp
                pages/WarningPageNorvikClassic.cpp pages/WelcomePageIsv.cpp)
quillet_native_tests(tests/native/pages/FinishActionsTest.cpp)
quillet_wine_tests(tests/wine/pages/InstallerPagesTest.cpp)
