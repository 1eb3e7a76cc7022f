# Windows build: the program with its resources, and under QUILLET_BUILD_TESTS
# the Windows-side test programs that run under Wine.
enable_language(RC)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(QUILLET_MANIFEST_ARCH amd64)
else()
    set(QUILLET_MANIFEST_ARCH x86)
endif()
configure_file(res/version.h.in generated/res/version.h @ONLY)
configure_file(res/quillet.manifest.in generated/res/quillet.manifest @ONLY)

add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601)
# One self-contained file: no runtime DLLs of the compiler beside it.
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:MinSizeRel,Release>:-s>)

# The window layer and the Win32 side of the platform services.
add_library(quillet_win STATIC)
target_link_libraries(quillet_win PUBLIC quillet_core
    comctl32 gdiplus shlwapi shell32 ole32 uuid version)
quillet_warnings(quillet_win)

add_executable(quillet WIN32 res/quillet.rc)
target_link_libraries(quillet PRIVATE quillet_win)
target_link_options(quillet PRIVATE -municode)
set_source_files_properties(res/quillet.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/res/quillet.ico;${CMAKE_SOURCE_DIR}/res/images/logo.png;${CMAKE_SOURCE_DIR}/res/images/check.png;${CMAKE_SOURCE_DIR}/res/images/cross.png;${CMAKE_SOURCE_DIR}/res/locale/isv-en.xml;${CMAKE_SOURCE_DIR}/res/locale/isv-es.xml;${CMAKE_SOURCE_DIR}/res/locale/dlm-en.xml;${CMAKE_SOURCE_DIR}/res/locale/dlm-es.xml;${CMAKE_SOURCE_DIR}/res/locale/norvik.xml;${CMAKE_BINARY_DIR}/generated/res/quillet.manifest")
target_include_directories(quillet PRIVATE ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/generated/res)
quillet_warnings(quillet)

# The reference service's helper that makes a Wine prefix trust the test CA;
# 64-bit Wine runs only x86_64 programs.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_executable(quillet_trust_root service/TrustTestRoot.cpp)
    target_include_directories(quillet_trust_root PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(quillet_trust_root PRIVATE crypt32)
    target_link_options(quillet_trust_root PRIVATE -municode -mconsole)
    quillet_warnings(quillet_trust_root)
endif()

if(QUILLET_BUILD_TESTS)
    include(cmake/WineTests.cmake)
endif()
