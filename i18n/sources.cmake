quillet_portable(i18n/LanguageDisplayName.cpp i18n/LanguageManager.cpp i18n/LocaleDocuments.cpp
                 i18n/LocaleResource.cpp i18n/ReferenceExpansion.cpp i18n/TextTokens.cpp)
quillet_native_tests(tests/native/i18n/LanguageManagerTest.cpp
                     tests/native/i18n/LocaleDocumentsTest.cpp
                     tests/native/i18n/ReferenceExpansionTest.cpp
                     tests/native/i18n/TextTokensTest.cpp)
quillet_program(i18n/LanguagePage.cpp)
