quillet_portable(offers/EventPayload.cpp offers/Package.cpp offers/PackageImage.cpp)
quillet_native_tests(tests/native/offers/EventPayloadTest.cpp tests/native/offers/PackageEventsTest.cpp
                     tests/native/offers/PackageImageTest.cpp)
quillet_portable(offers/OfferFlow.cpp)
quillet_native_tests(tests/native/offers/OfferFlowTest.cpp)
quillet_portable(offers/Base62.cpp offers/OfferValues.cpp offers/OfferTermsReader.cpp
                 offers/PlaceholderValues.cpp offers/PackageOffer.cpp offers/CombinationRules.cpp
                 offers/VersionChecks.cpp offers/RegistryChecks.cpp offers/PresenceChecks.cpp
                 offers/HardwareChecks.cpp offers/AppPathsIndex.cpp offers/OfferFilter.cpp)
quillet_native_tests(tests/native/offers/Base62Test.cpp tests/native/offers/PackageOfferTest.cpp
                     tests/native/offers/PlaceholderValuesTest.cpp
                     tests/native/offers/OfferFilterTest.cpp)
quillet_portable(offers/NoShowDate.cpp)
quillet_native_tests(tests/native/offers/NoShowDateTest.cpp)
quillet_program(offers/ProductPage.cpp)
quillet_wine_tests(tests/wine/offers/Win32OfferFilterTest.cpp)
