quillet_portable(platform/ModuleInfo.cpp)
quillet_windows(platform/win32/Win32FileSystem.cpp platform/win32/Win32Services.cpp)
quillet_fakes(platform/fake/FakeSystem.cpp)
quillet_wine_tests(tests/wine/platform/Win32PlatformTest.cpp)
