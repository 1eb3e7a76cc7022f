#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

constexpr int kNext = 1010, kBack = 1051, kAgree = 1050;
constexpr int kSplashTitle = 1013;
constexpr int kWarningTitle = 1052, kLicenseTitle = 1019, kDisclaimer = 1047;
constexpr int kOptionsTitle = 1055, kDesktopIcon = 1058;
constexpr int kConfigurationsTitle = 1059, kFirewall = 1069, kFirewallLabel = 1062;
constexpr int kTorrentFiles = 1066;
constexpr int kProgressTitle = 1025, kErrorTitle = 1036, kErrorText = 1037, kClose = 1035;

// Waits until the page holding control controlId is the one on show.
void ExpectPage(const Wizard& wizard, int controlId, const char* name,
                DWORD timeoutMs = kTimeoutMs) {
    ASSERT_TRUE(uidriver::WaitFor(
        [&] { return uidriver::IsControlVisible(wizard.host, controlId); }, timeoutMs))
        << name << "\n"
        << uidriver::DescribeTree(wizard.host);
}

// Without offers, the installer goes warning, licence, options,
// configurations and download. No service answers here: the loading page
// gives up on the configuration after its attempts and the installer goes on
// without offers.
TEST(InstallerPages, WalkFromTheWarningToTheDownload) {
    Wizard wizard;
    ExpectPage(wizard, kNext, "language page");
    uidriver::Click(wizard.host, kNext);

    ExpectPage(wizard, kWarningTitle, "warning page", 60000);
    EXPECT_EQ(uidriver::ControlText(wizard.host, kWarningTitle), "Warning");
    SaveScreenshot(wizard.host, "warning-page");

    // Back from the first page after loading returns to the language page,
    // and Next there comes straight back without loading again.
    uidriver::Click(wizard.host, kBack);
    ExpectPage(wizard, kSplashTitle, "language page after Back");
    uidriver::Click(wizard.host, kNext);
    ExpectPage(wizard, kWarningTitle, "warning page again");
    uidriver::Click(wizard.host, kNext);

    ExpectPage(wizard, kLicenseTitle, "licence page");
    const std::string disclaimer = uidriver::ControlText(wizard.host, kDisclaimer);
    EXPECT_NE(disclaimer.find("https://127.0.0.1/legal/terms-of-use/"), std::string::npos);
    EXPECT_NE(disclaimer.find("https://127.0.0.1/legal/privacy-policy/"), std::string::npos);
    EXPECT_EQ(disclaimer.find("[LICENSE_"), std::string::npos) << disclaimer;
    SaveScreenshot(wizard.host, "license-page");
    uidriver::Click(wizard.host, kAgree);

    ExpectPage(wizard, kOptionsTitle, "options page");
    EXPECT_TRUE(uidriver::IsChecked(wizard.host, kDesktopIcon));
    uidriver::Click(wizard.host, kDesktopIcon);
    EXPECT_TRUE(uidriver::WaitFor([&] { return !uidriver::IsChecked(wizard.host, kDesktopIcon); }));
    SaveScreenshot(wizard.host, "options-page");
    uidriver::Click(wizard.host, kNext);

    ExpectPage(wizard, kConfigurationsTitle, "configurations page");
    EXPECT_TRUE(uidriver::IsChecked(wizard.host, kFirewall));
    ::PostMessageW(uidriver::Control(wizard.host, kFirewallLabel), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::PostMessageW(uidriver::Control(wizard.host, kFirewallLabel), WM_LBUTTONUP, 0, 0);
    uidriver::Click(wizard.host, kTorrentFiles);
    EXPECT_TRUE(uidriver::WaitFor([&] { return !uidriver::IsChecked(wizard.host, kTorrentFiles); }));
    EXPECT_TRUE(uidriver::IsChecked(wizard.host, kFirewall)) << "the label does not toggle the box";
    SaveScreenshot(wizard.host, "configurations-page");
    uidriver::Click(wizard.host, kNext);

    // No service answers here: the product's download fails on both
    // engines and the run ends on the error page, which closes without asking.
    ExpectPage(wizard, kProgressTitle, "download page");
    SaveScreenshot(wizard.host, "download-page");
    ASSERT_TRUE(uidriver::WaitFor([&] { return uidriver::IsControlVisible(wizard.host, kErrorTitle); },
                                  60000));
    EXPECT_EQ(uidriver::ControlText(wizard.host, kErrorTitle),
              "Error occurred while installing Pellar Classic.");
    EXPECT_EQ(uidriver::ControlText(wizard.host, kErrorText),
              "Click on \"Close\" and try again later.");
    SaveScreenshot(wizard.host, "download-failed");
    uidriver::Click(wizard.host, kClose);
    ASSERT_TRUE(wizard.process.WaitForExit(kTimeoutMs));
    EXPECT_EQ(wizard.process.ExitCode(), 0u);
}

}  // namespace
