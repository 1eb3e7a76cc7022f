# minizip unpacks ZIP archives on Windows where the shell cannot. Its sources
# come with Debian's zlib source package, which scripts/setup.sh unpacks into
# the build tree; zlib is Debian's mingw-w64 build, linked statically.
set(QUILLET_MINIZIP_SOURCE "${CMAKE_SOURCE_DIR}/build/third_party/minizip" CACHE PATH
    "Folder of the unpacked minizip sources that the Windows builds compile")

if(NOT EXISTS "${QUILLET_MINIZIP_SOURCE}/unzip.c")
    message(FATAL_ERROR "No unzip.c in ${QUILLET_MINIZIP_SOURCE}: run scripts/setup.sh")
endif()
find_library(QUILLET_ZLIB_LIBRARY NAMES libz.a REQUIRED)
find_path(QUILLET_ZLIB_INCLUDE zlib.h REQUIRED)

add_library(minizip STATIC "${QUILLET_MINIZIP_SOURCE}/unzip.c" "${QUILLET_MINIZIP_SOURCE}/ioapi.c"
    "${QUILLET_MINIZIP_SOURCE}/iowin32.c")
target_include_directories(minizip SYSTEM PUBLIC "${QUILLET_MINIZIP_SOURCE}" "${QUILLET_ZLIB_INCLUDE}")
# Reading only, and no encrypted archives.
target_compile_definitions(minizip PRIVATE NOUNCRYPT)
target_link_libraries(minizip PUBLIC "${QUILLET_ZLIB_LIBRARY}")
