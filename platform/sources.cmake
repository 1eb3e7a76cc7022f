quillet_portable(platform/ModuleInfo.cpp)
quillet_windows(platform/win32/Win32FileSystem.cpp platform/win32/Win32Locales.cpp
                platform/win32/Win32Resources.cpp platform/win32/Win32Services.cpp
                platform/win32/Win32Machine.cpp platform/win32/Win32Registry.cpp
                platform/win32/WinHttpClient.cpp platform/win32/Win32OsVersion.cpp
                platform/win32/Win32Md5.cpp platform/win32/Win32MachineProbe.cpp)
quillet_fakes(platform/fake/FakeResources.cpp platform/fake/FakeSystem.cpp
              platform/fake/FakeMachine.cpp platform/fake/FakeRegistry.cpp
              platform/fake/ScriptedHttpClient.cpp)
quillet_wine_tests(tests/wine/platform/Win32PlatformTest.cpp
                   tests/wine/platform/Win32LocalizationTest.cpp
                   tests/wine/platform/Win32MachineTest.cpp
                   tests/wine/platform/Win32RegistryTest.cpp
                   tests/wine/platform/Win32RemotePlatformTest.cpp)
if(TARGET quillet_win)
    target_link_libraries(quillet_win PUBLIC winhttp)
endif()

# The fake resources and the Wine tests read the program's resource files
# from the source tree.
foreach(target quillet_fakes quillet_wine_tests)
    if(TARGET ${target})
        target_compile_definitions(${target} PRIVATE QUILLET_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    endif()
endforeach()
