#include "download/InstallerArguments.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"
#include "settings/ConfigurationManager.h"

namespace {

TEST(InstallerArguments, OptionStringPositions) {
    const struct {
        std::array<bool, 3> install;
        std::array<bool, 5> configuration;
        const char* expected;
    } cases[] = {
        {{true, true, true}, {true, true, true, true, true}, "1110010101111110"},
        {{false, false, false}, {false, false, false, false, false}, "0000000101000000"},
        // .torrent files alone change positions 1 and 12.
        {{true, true, true}, {true, true, false, true, true}, "0110010101101110"},
        // Each remaining choice at its own position.
        {{true, false, false}, {false, false, false, false, false}, "0000000101000010"},
        {{false, true, false}, {false, false, false, false, false}, "0000000101001000"},
        {{false, false, true}, {false, false, false, false, false}, "0000000101000100"},
        {{false, false, false}, {true, false, false, false, false}, "0010000101000000"},
        {{false, false, false}, {false, true, false, false, false}, "0000010101000000"},
        {{false, false, false}, {false, false, false, true, false}, "0100000101000000"},
        {{false, false, false}, {false, false, false, false, true}, "0000000101100000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InstallerOptionString(c.install, c.configuration), c.expected);
    }
}

TEST(InstallerArguments, ProductCommandLineFollowsTheExtraPages) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    settings.installOptions = {true, true, true};
    settings.configurationOptions = {true, true, true, true, true};
    EXPECT_EQ(ProductInstallerArguments(settings), "/S /FORCEINSTALL 1110010101111110");
    settings.classicExtras = false;
    EXPECT_EQ(ProductInstallerArguments(settings), "/S");
}

TEST(InstallerArguments, PackageUrls) {
    const std::string files = "https://127.0.0.1/f/";
    const struct {
        const char* url;
        const char* expected;
    } cases[] = {
        {"https://cdn.example.com/offer.exe", "https://cdn.example.com/offer.exe"},
        {"http://cdn.example.com:8080/offer.exe",
         "https://127.0.0.1/f/http://cdn.example.com:8080/offer.exe"},
        {"cdn.example.com/offer.exe?x=1", "cdn.example.com/offer.exe?x=1"},
        {"setup.exe", "setup.exe"},  // a dotted first segment passes as it is
        {"files/offer.exe", "https://127.0.0.1/f/files/offer.exe"},
        {"offer", "https://127.0.0.1/f/offer"},
        {"https://localhost/offer.exe", "https://127.0.0.1/f/https://localhost/offer.exe"},
        {"https://127.0.0.1/f/offer.exe", "https://127.0.0.1/f/offer.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolvePackageUrl(c.url, files), c.expected) << c.url;
}

}  // namespace
