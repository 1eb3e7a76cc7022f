#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

constexpr UINT kLoadComplete = WM_USER + 3;
constexpr int kNext = 1010, kBack = 1051, kAgree = 1050, kFinish = 1028;
constexpr int kSplashTitle = 1013, kLoadingProgress = 1043;
constexpr int kWarningTitle = 1052, kLicenseTitle = 1019, kDisclaimer = 1047;
constexpr int kOptionsTitle = 1055, kDesktopIcon = 1058;
constexpr int kConfigurationsTitle = 1059, kFirewall = 1069, kFirewallLabel = 1062;
constexpr int kTorrentFiles = 1066;
constexpr int kFinishTitle = 1030, kLaunch = 1044, kPageImage = 1016;

// Waits until the page holding control controlId is the one on show.
void ExpectPage(const Wizard& wizard, int controlId, const char* name) {
    ASSERT_TRUE(wizard.WaitForControl(controlId)) << name << "\n"
                                                 << uidriver::DescribeTree(wizard.host);
}

// Without offers, the installer goes warning, licence, options,
// configurations and finish; the configuration arrives here as the host's
// load-complete message, with no offers handed over.
TEST(InstallerPages, WalkFromTheWarningToTheFinishPage) {
    const auto foldersBefore = test_support::WorkFolders();
    Wizard wizard;
    ExpectPage(wizard, kNext, "language page");
    uidriver::Click(wizard.host, kNext);
    ExpectPage(wizard, kLoadingProgress, "loading page");
    ::PostMessageW(wizard.host, kLoadComplete, 0, 0);

    ExpectPage(wizard, kWarningTitle, "warning page");
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

    ExpectPage(wizard, kFinishTitle, "finish page");
    EXPECT_TRUE(uidriver::IsChecked(wizard.host, kLaunch));
    EXPECT_EQ(::GetWindowLongPtrW(wizard.host, GWL_STYLE) & WS_MINIMIZEBOX, 0)
        << "the finish page takes the minimise box away";
    const POINT disc = test_support::PointInControl(wizard.host, kPageImage, 0, -35);
    const COLORREF mark = SaveScreenshot(wizard.host, "finish-page", disc);
    EXPECT_GT(GetGValue(mark), 0x90);
    EXPECT_LT(GetRValue(mark), 0xA0);

    // Without the launch box Finish starts nothing and ends the wizard.
    uidriver::Click(wizard.host, kLaunch);
    uidriver::Click(wizard.host, kFinish);
    ASSERT_TRUE(wizard.process.WaitForExit(kTimeoutMs));
    EXPECT_EQ(test_support::WorkFolders(), foldersBefore);
}

}  // namespace
