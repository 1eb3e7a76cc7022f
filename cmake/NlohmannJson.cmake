# nlohmann/json (header-only) builds and reads the remote service's JSON.
# Linux builds use Debian's package; the Windows builds see Debian's headers
# through a folder that holds nothing else, so no other host header can
# enter a cross build.
if(WIN32)
    find_path(QUILLET_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    set(QUILLET_JSON_INCLUDE_DIR ${CMAKE_BINARY_DIR}/third_party/nlohmann_json)
    file(MAKE_DIRECTORY ${QUILLET_JSON_INCLUDE_DIR})
    file(CREATE_LINK ${QUILLET_NLOHMANN_JSON_INCLUDE}/nlohmann ${QUILLET_JSON_INCLUDE_DIR}/nlohmann
        SYMBOLIC)
    add_library(nlohmann_json INTERFACE)
    target_include_directories(nlohmann_json SYSTEM INTERFACE ${QUILLET_JSON_INCLUDE_DIR})
    add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)
else()
    find_package(nlohmann_json 3.11 REQUIRED)
endif()
target_link_libraries(quillet_core PUBLIC nlohmann_json::nlohmann_json)
