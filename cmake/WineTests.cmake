# Windows-side tests, run under Wine through tests/wine/wine-run.sh. They
# drive the real program (quillet.exe beside them) and the Win32 services.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(uidriver STATIC tests/wine/uidriver/uidriver.cpp tests/wine/uidriver/screenshot.cpp)
target_include_directories(uidriver PUBLIC ${CMAKE_SOURCE_DIR}/tests/wine)
target_link_libraries(uidriver PUBLIC user32 gdi32)

# A console program that drives quillet.exe beside it through the UI driver;
# further arguments are what it links besides.
function(quillet_driver_program name)
    add_executable(${name} tests/wine/TestSupport.cpp)
    target_link_libraries(${name} PRIVATE quillet_win uidriver ${ARGN})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/wine)
    target_link_options(${name} PRIVATE -mconsole)
    add_dependencies(${name} quillet)
    quillet_warnings(${name})
endfunction()

quillet_driver_program(quillet_wine_tests GTest::gtest_main)

enable_testing()
# Each build runs the tests of its own kind of wizard: the download manager,
# the installer with the plain page set, or (by default) the installer with
# the publisher's pages. The download tests that need servers run apart
# (download/sources.cmake).
if(NOT QUILLET_PUBLISHER_PAGES)
    set(wine_filter "PlainPages.*")
    set(wine_locale LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8)
    set(service_filter)
elseif(QUILLET_WIZARD_TYPE STREQUAL "DLM")
    set(wine_filter "DownloadManager.*")
    set(wine_locale)
    set(service_filter "DownloadManagerRun.*")
else()
    set(wine_filter "-DownloadOverNetwork.*:DownloadManager.*:PlainPages.*")
    set(wine_locale)
    set(service_filter "-DownloadManagerRun.*")
endif()
add_test(NAME wine COMMAND env ${wine_locale} ${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh
    $<TARGET_FILE:quillet_wine_tests> --gtest_brief=0 --gtest_filter=${wine_filter})
set_tests_properties(wine PROPERTIES TIMEOUT 600)
# Tests against the reference service (service/), in a private network
# namespace with the service on its loopback interface, which serves the
# installers the download tests build as its files.
quillet_driver_program(quillet_service_tests GTest::gtest_main)
if(service_filter)
    add_test(NAME wine-service
        COMMAND env QUILLET_SERVICE_FILES=${CMAKE_BINARY_DIR}/download-fixtures
        ${CMAKE_SOURCE_DIR}/tests/wine/wine-service-run.sh $<TARGET_FILE:quillet_trust_root>
        $<TARGET_FILE:quillet_service_tests> --gtest_brief=0 --gtest_filter=${service_filter})
    set_tests_properties(wine-service PROPERTIES TIMEOUT 600)
endif()
# Start-up benchmarks, run by hand (tests/benchmarks/startup/): the wizard's
# first window against a minimal dialog program's.
add_executable(minimal_dialog WIN32 tests/benchmarks/startup/MinimalDialog.cpp)
target_link_options(minimal_dialog PRIVATE -municode)
quillet_driver_program(startup_benchmark)
target_sources(startup_benchmark PRIVATE tests/benchmarks/startup/StartupBenchmark.cpp)
add_dependencies(startup_benchmark minimal_dialog)
# And from the first Next to the offers, beside the reference service.
add_executable(loading_benchmark tests/benchmarks/startup/LoadingBenchmark.cpp)
target_link_libraries(loading_benchmark PRIVATE quillet_win)
target_link_options(loading_benchmark PRIVATE -mconsole)

# The headless demo's walk through the wizard (scripts/demo.sh).
quillet_driver_program(quillet_demo_walk)
target_sources(quillet_demo_walk PRIVATE tests/wine/demo/DemoWalk.cpp)

if(NOT QUILLET_PUBLISHER_PAGES OR QUILLET_WIZARD_TYPE STREQUAL "DLM")
    return()
endif()

# Wine takes the user locale from the Unix locale of the process.
add_test(NAME wine-spanish-locale COMMAND env LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8
    ${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh $<TARGET_FILE:quillet_wine_tests>
    --gtest_filter=LanguagePage.*)
set_tests_properties(wine-spanish-locale PROPERTIES TIMEOUT 300)

# The UI driver checks itself against windows it creates and a child process.
add_executable(uidriver_selftest tests/wine/uidriver/uidriver_selftest.cpp)
target_link_libraries(uidriver_selftest PRIVATE uidriver)
target_link_options(uidriver_selftest PRIVATE -municode -mconsole)
add_test(NAME uidriver-selftest COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh
    $<TARGET_FILE:uidriver_selftest>)
set_tests_properties(uidriver-selftest PROPERTIES TIMEOUT 300)

