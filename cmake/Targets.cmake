# The project's targets, and one function per target through which each
# folder's sources.cmake adds its files. A function whose target does not
# exist in this build (Windows parts in the native build, tests when they are
# off) ignores its files.

# Everything that decides: portable C++, no Windows headers.
add_library(quillet_core STATIC)
target_include_directories(quillet_core PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
quillet_warnings(quillet_core)
include(cmake/TinyXml2.cmake)
include(cmake/NlohmannJson.cmake)

if(WIN32)
    include(cmake/Windows.cmake)
elseif(QUILLET_BUILD_TESTS)
    include(cmake/Native.cmake)
endif()

function(quillet_add target)
    if(TARGET ${target})
        target_sources(${target} PRIVATE ${ARGN})
    endif()
endfunction()

# Portable code of the program.
function(quillet_portable)
    quillet_add(quillet_core ${ARGN})
endfunction()

# Win32 code shared by the program and the Windows-side tests.
function(quillet_windows)
    quillet_add(quillet_win ${ARGN})
endfunction()

# Code of the program alone: windows, dialogs, the entry point.
function(quillet_program)
    quillet_add(quillet ${ARGN})
endfunction()

# In-memory fakes of the platform services, for the native tests.
function(quillet_fakes)
    quillet_add(quillet_fakes ${ARGN})
endfunction()

function(quillet_native_tests)
    quillet_add(quillet_tests ${ARGN})
endfunction()

function(quillet_wine_tests)
    quillet_add(quillet_wine_tests ${ARGN})
endfunction()

# Wine tests that talk to the reference service (service/README.md).
function(quillet_service_tests)
    quillet_add(quillet_service_tests ${ARGN})
endfunction()

# Google Benchmark programs: native, run by hand, not by ctest.
function(quillet_benchmarks)
    quillet_add(quillet_benchmarks ${ARGN})
endfunction()
