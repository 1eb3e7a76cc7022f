#include <gtest/gtest.h>

#include "platform/fake/FakeOsVersion.h"
#include "platform/fake/FakeSystem.h"
#include "remote/ConfigurationRequest.h"
#include "remote/InstallerTag.h"
#include "remote/OsVersionString.h"

namespace {

TEST(ConfigurationRequest, CompactSortedBodyByLocale) {
    const struct {
        const char* localeName;
        const char* language;
    } cases[] = {{"es", "es"}, {"en-GB", "en"}, {"ES_es", "es"}, {"", ""}, {"e", "e"}};
    for (const auto& c : cases) {
        fake::System system;
        ConfigurationManager settings("ISV", system.services);
        settings.localeName = c.localeName;
        EXPECT_EQ(BuildConfigurationRequest(settings, "ab1-cd2", "10.0.19045").dump(),
                  std::string("{\"a\":\"Norvik\",\"i\":\"PellarClassic\",\"l\":\"") + c.language +
                      "\",\"o\":\"10.0.19045\",\"plv\":\"3.1.0.11073\",\"prv\":\"0.1\","
                      "\"s\":\"PellarClassic_Quillet\",\"u\":\"ab1-cd2\"}")
            << c.localeName;
    }
}

TEST(ConfigurationRequest, NonAsciiTextStaysUtf8) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    settings.publisher =
        "Norvik Espa\xC3\xB1"
        "a";
    const std::string body = BuildConfigurationRequest(settings, "", "").dump();
    EXPECT_NE(body.find("\"a\":\"Norvik Espa\xC3\xB1"
                        "a\""),
              std::string::npos)
        << body;
}

TEST(InstallerTag, SevenCharactersWithADashAfterTheLastUnderscore) {
    const struct {
        const char* path;
        const char* tag;
    } cases[] = {
        {"C:\\Users\\u\\Downloads\\PellarClassic_ab1-cd2.exe", "ab1-cd2"},
        {"C:\\Users\\u\\Downloads\\PellarClassic_abcdefg.exe", ""},
        {"C:\\Users\\u\\Downloads\\PellarClassic_ab-c.exe", ""},
        {"C:\\Users\\u\\Downloads\\Pellar_Classic_xyz-123", "xyz-123"},
        {"C:\\Users\\u\\Downloads\\PellarClassic_ab1-cd2.setup.exe", ""},
        {"C:\\Users\\u\\Downloads\\PellarClassic_\xC3\xA1"
         "b1-cd2.exe",
         "\xC3\xA1"
         "b1-cd2"},
        // An underscore or dot of a folder is not part of the file's name.
        {"C:\\tmp_ab1-cd2\\setup.exe", ""},
        {"C:\\x_y\\ab1-cd2.exe", ""},
        {"C:\\Downloads\\ab1-cd2.exe", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(InstallerTagFromPath(c.path), c.tag) << c.path;
}

TEST(InstallerTag, OfTheRunningProgram) {
    fake::ModuleInfo module;
    module.filePath = "C:\\Users\\u\\Downloads\\PellarClassic_ab1-cd2.exe";
    EXPECT_EQ(GetInstallerTag(module), "ab1-cd2");
}

TEST(OsVersionString, TrueVersionDottedOrEmpty) {
    fake::OsVersion os;
    os.version = platform::WindowsVersion{10, 0, 22631};
    EXPECT_EQ(GetOsVersionString(os), "10.0.22631");
    os.version = platform::WindowsVersion{6, 1, 7601};
    EXPECT_EQ(GetOsVersionString(os), "6.1.7601");
    os.version.reset();
    EXPECT_EQ(GetOsVersionString(os), "");
}

}  // namespace
