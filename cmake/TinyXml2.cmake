# tinyxml2 parses the locale documents. Linux builds link Debian's library;
# the Windows builds compile the sources of Debian's source package, which
# scripts/setup.sh unpacks into the build tree.
set(QUILLET_TINYXML2_SOURCE "${CMAKE_SOURCE_DIR}/build/third_party/tinyxml2" CACHE PATH
    "Folder of the unpacked tinyxml2 sources that the Windows builds compile")

if(WIN32)
    if(NOT EXISTS "${QUILLET_TINYXML2_SOURCE}/tinyxml2.cpp")
        message(FATAL_ERROR "No tinyxml2.cpp in ${QUILLET_TINYXML2_SOURCE}: run scripts/setup.sh")
    endif()
    add_library(tinyxml2 STATIC "${QUILLET_TINYXML2_SOURCE}/tinyxml2.cpp")
    target_include_directories(tinyxml2 SYSTEM PUBLIC "${QUILLET_TINYXML2_SOURCE}")
else()
    find_path(QUILLET_TINYXML2_INCLUDE tinyxml2.h REQUIRED)
    find_library(QUILLET_TINYXML2_LIBRARY tinyxml2 REQUIRED)
    add_library(tinyxml2 UNKNOWN IMPORTED)
    set_target_properties(tinyxml2 PROPERTIES IMPORTED_LOCATION "${QUILLET_TINYXML2_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${QUILLET_TINYXML2_INCLUDE}")
endif()
target_link_libraries(quillet_core PUBLIC tinyxml2)
