configure_file(settings/BuildConfig.h.in generated/settings/BuildConfig.h @ONLY)
quillet_portable(settings/ConfigurationManager.cpp settings/WizardType.cpp settings/WorkFolder.cpp
                 settings/MachineId.cpp settings/PathPlaceholders.cpp settings/TimeTexts.cpp
                 settings/RegistryCache.cpp settings/RegistryKeys.cpp settings/RegistryPath.cpp
                 settings/RegistryQuery.cpp settings/RegistryValues.cpp)
quillet_native_tests(tests/native/settings/ConfigurationManagerTest.cpp
                     tests/native/settings/WizardTypeTest.cpp
                     tests/native/settings/MachineEnvironmentTest.cpp
                     tests/native/settings/PathPlaceholdersTest.cpp
                     tests/native/settings/RegistryPathTest.cpp
                     tests/native/settings/RegistryQueryTest.cpp
                     tests/native/settings/RegistryValuesTest.cpp
                     tests/native/settings/TimeTextsTest.cpp)
quillet_benchmarks(tests/benchmarks/settings/RegistryCacheBenchmark.cpp)
