configure_file(settings/BuildConfig.h.in generated/settings/BuildConfig.h @ONLY)
quillet_portable(settings/ConfigurationManager.cpp settings/WizardType.cpp settings/WorkFolder.cpp)
quillet_native_tests(tests/native/settings/ConfigurationManagerTest.cpp
                     tests/native/settings/WizardTypeTest.cpp)
