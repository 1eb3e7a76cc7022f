quillet_portable(app/DeleteFolderTree.cpp app/HostStartup.cpp app/LoadHandOver.cpp
                 app/PageSequence.cpp)
quillet_program(app/AboutDlg.cpp app/IPage.cpp app/Main.cpp app/QuilletApp.cpp
                app/QuilletDlg.cpp app/StaticFromImage.cpp)
quillet_native_tests(tests/native/app/DeleteFolderTreeTest.cpp tests/native/app/HostStartupTest.cpp
                     tests/native/app/LoadHandOverTest.cpp tests/native/app/PageSequenceTest.cpp)
quillet_wine_tests(tests/wine/app/FlavoursTest.cpp tests/wine/app/HostWindowTest.cpp
                   tests/wine/app/PagesTest.cpp)
# Whole runs of the wizard against the reference service.
quillet_service_tests(tests/wine/e2e/WizardRunTest.cpp)
