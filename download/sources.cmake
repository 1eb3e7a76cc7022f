quillet_portable(download/ArchiveKind.cpp download/DownloadFailure.cpp download/DownloadManager.cpp
                 download/FileNames.cpp download/HttpExchange.cpp download/LaunchResult.cpp
                 download/ProgressMeter.cpp download/RequestProfile.cpp download/TargetFile.cpp
                 download/TargetPath.cpp download/WinHttpDownload.cpp download/WinInetDownload.cpp
                 download/ZipEntryPath.cpp)
quillet_fakes(download/fake/MemoryFiles.cpp download/fake/ScriptedHttp.cpp)
quillet_native_tests(tests/native/download/DownloadFileTest.cpp
                     tests/native/download/MemoryDownloadTest.cpp
                     tests/native/download/ProgressMeterTest.cpp
                     tests/native/download/TargetPathTest.cpp
                     tests/native/download/LaunchPolicyTest.cpp)
quillet_windows(download/win32/InstallerLauncher.cpp download/win32/InstallerPreparation.cpp
                download/win32/MiniZipExtraction.cpp download/win32/SystemMessage.cpp
                download/win32/Win32DownloadServices.cpp download/win32/Win32OutputFiles.cpp
                download/win32/WindowProgress.cpp download/win32/WinHttpStack.cpp
                download/win32/WinInetStack.cpp download/win32/ZipExtraction.cpp)
if(TARGET quillet_win)
    include(cmake/MiniZip.cmake)
    target_link_libraries(quillet_win PUBLIC minizip winhttp wininet)
endif()
quillet_wine_tests(tests/wine/download/InstallerLauncherTest.cpp
                   tests/wine/download/DownloadOverNetworkTest.cpp
                   tests/wine/download/WineTestFolder.cpp)

# The launcher tests run real installers, made at build time by Debian's
# nsis, and archives made from them.
if(TARGET quillet_wine_tests)
    find_program(QUILLET_MAKENSIS makensis REQUIRED)
    find_program(QUILLET_PYTHON python3 REQUIRED)
    set(fixtures_source ${CMAKE_SOURCE_DIR}/tests/wine/download/fixtures)
    set(fixtures ${CMAKE_BINARY_DIR}/download-fixtures)
    add_executable(pellar_fixture ${fixtures_source}/Pellar.c)
    set_target_properties(pellar_fixture PROPERTIES OUTPUT_NAME Pellar WIN32_EXECUTABLE ON
        RUNTIME_OUTPUT_DIRECTORY ${fixtures}/program)
    set(installers)
    foreach(installer product offer exit3010)
        add_custom_command(OUTPUT ${fixtures}/${installer}.exe
            COMMAND ${QUILLET_MAKENSIS} -V2 -DOUTPUT=${fixtures}/${installer}.exe
                    -DPROGRAM=$<TARGET_FILE:pellar_fixture> ${fixtures_source}/${installer}.nsi
            DEPENDS ${fixtures_source}/${installer}.nsi pellar_fixture VERBATIM)
        list(APPEND installers ${fixtures}/${installer}.exe)
    endforeach()
    set(archives offer.zip docs-only.zip escape.zip archive.7z)
    list(TRANSFORM archives PREPEND ${fixtures}/)
    add_custom_command(OUTPUT ${archives}
        COMMAND ${QUILLET_PYTHON} ${fixtures_source}/make_archives.py ${fixtures}
        DEPENDS ${fixtures_source}/make_archives.py ${fixtures}/offer.exe VERBATIM)
    # Offer pages of the whole-run tests show the logo.
    add_custom_command(OUTPUT ${fixtures}/logo.png
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/res/images/logo.png ${fixtures}/
        DEPENDS ${CMAKE_SOURCE_DIR}/res/images/logo.png VERBATIM)
    add_custom_target(download_fixtures DEPENDS ${installers} ${archives} ${fixtures}/logo.png)
    add_dependencies(quillet_wine_tests download_fixtures)
    if(TARGET quillet_service_tests)
        add_dependencies(quillet_service_tests download_fixtures)
    endif()
endif()

# The engines over real sockets: in a network namespace of their own, with
# the servers of with-servers.sh on its loopback interface.
if(TARGET quillet_wine_tests)
    add_test(NAME wine-downloads COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/download/with-servers.sh
        --trust $<TARGET_FILE:quillet_trust_root> ${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh
        $<TARGET_FILE:quillet_wine_tests> --gtest_filter=DownloadOverNetwork.*)
    set_tests_properties(wine-downloads PROPERTIES TIMEOUT 600)

    # Run by hand: tests/benchmarks/download/download_benchmark.py.
    add_executable(download_benchmark tests/benchmarks/download/DownloadBenchmark.cpp)
    target_link_libraries(download_benchmark PRIVATE quillet_win psapi)
    target_link_options(download_benchmark PRIVATE -municode -mconsole)
    quillet_warnings(download_benchmark)
endif()

# The installer flavour's download page: what it runs, in what order.
quillet_portable(download/InstallerArguments.cpp download/InstallSequence.cpp)
quillet_program(download/DownloadPage.cpp download/DownloadPageIsv.cpp download/DownloadPageDlm.cpp)
quillet_native_tests(tests/native/download/InstallerArgumentsTest.cpp
                     tests/native/download/InstallSequenceTest.cpp)
