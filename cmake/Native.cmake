# Linux build: the portable code's GoogleTest suite.
find_package(GTest REQUIRED)
enable_testing()

add_library(quillet_fakes STATIC)
target_link_libraries(quillet_fakes PUBLIC quillet_core)
quillet_warnings(quillet_fakes)

add_executable(quillet_tests tests/native/CurrentSystem.cpp)
target_link_libraries(quillet_tests PRIVATE quillet_fakes GTest::gtest_main)
quillet_warnings(quillet_tests)
add_test(NAME native COMMAND quillet_tests)

# Benchmarks print their figures when run; they are not tests.
find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_executable(quillet_benchmarks tests/native/CurrentSystem.cpp)
    target_link_libraries(quillet_benchmarks PRIVATE quillet_fakes benchmark::benchmark)
    quillet_warnings(quillet_benchmarks)
endif()
