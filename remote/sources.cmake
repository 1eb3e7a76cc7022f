quillet_program(remote/LoadingPage.cpp)
quillet_portable(remote/OfferLoader.cpp)
quillet_portable(remote/AffiliateIds.cpp remote/ApiManager.cpp remote/ConfigurationRequest.cpp
                 remote/ConfigurationResponse.cpp remote/EventRequest.cpp remote/HexText.cpp
                 remote/HttpsPost.cpp remote/InstallerTag.cpp remote/Md5Hex.cpp
                 remote/OsVersionString.cpp remote/Sha256.cpp)
quillet_windows(remote/win32/Win32RemoteServices.cpp)
quillet_native_tests(tests/native/remote/AffiliateIdsTest.cpp tests/native/remote/ApiManagerTest.cpp
                     tests/native/remote/ConfigurationRequestTest.cpp
                     tests/native/remote/ConfigurationResponseTest.cpp
                     tests/native/remote/DigestTest.cpp tests/native/remote/HttpsPostTest.cpp
                     tests/native/remote/OfferLoaderTest.cpp)
quillet_service_tests(tests/wine/remote/ReferenceService.cpp tests/wine/remote/ServiceTest.cpp)
quillet_benchmarks(tests/benchmarks/remote/RemotePayloadBenchmark.cpp)

if(TARGET quillet_tests)
    # SHA-256 is checked against OpenSSL's.
    find_package(OpenSSL REQUIRED COMPONENTS Crypto)
    target_link_libraries(quillet_tests PRIVATE OpenSSL::Crypto)

    # The reference service checks itself inside its network namespace.
    file(WRITE ${CMAKE_BINARY_DIR}/service-files/hello.txt "hello")
    add_test(NAME reference-service COMMAND ${CMAKE_SOURCE_DIR}/service/run-in-namespace.sh
        --files ${CMAKE_BINARY_DIR}/service-files --
        /usr/bin/python3 ${CMAKE_SOURCE_DIR}/service/test_reference_service.py)
    set_tests_properties(reference-service PROPERTIES TIMEOUT 120)
endif()
