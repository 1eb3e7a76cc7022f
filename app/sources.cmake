quillet_portable(app/HostStartup.cpp)
quillet_program(app/AboutDlg.cpp app/Main.cpp app/QuilletApp.cpp app/QuilletDlg.cpp)
quillet_native_tests(tests/native/app/HostStartupTest.cpp)
quillet_wine_tests(tests/wine/app/HostWindowTest.cpp)
