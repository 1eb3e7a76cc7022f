#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "res/resource.h"

namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

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
    ExpectPage(wizard, IDC_NEXT, "language page");
    uidriver::Click(wizard.host, IDC_NEXT);

    ExpectPage(wizard, IDC_WARNING_TITLE, "warning page", 60000);
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_WARNING_TITLE), "Warning");
    SaveScreenshot(wizard.host, "warning-page");

    // Back from the first page after loading returns to the language page,
    // and Next there comes straight back without loading again.
    uidriver::Click(wizard.host, IDC_BACK);
    ExpectPage(wizard, IDC_SPLASH_TITLE_NORVIK, "language page after Back");
    uidriver::Click(wizard.host, IDC_NEXT);
    ExpectPage(wizard, IDC_WARNING_TITLE, "warning page again");
    uidriver::Click(wizard.host, IDC_NEXT);

    ExpectPage(wizard, IDC_LICENSE_TITLE, "licence page");
    const std::string disclaimer = uidriver::ControlText(wizard.host, IDC_LICENSE_DISCLAIMER);
    EXPECT_NE(disclaimer.find("https://127.0.0.1/legal/terms-of-use/"), std::string::npos);
    EXPECT_NE(disclaimer.find("https://127.0.0.1/legal/privacy-policy/"), std::string::npos);
    EXPECT_EQ(disclaimer.find("[LICENSE_"), std::string::npos) << disclaimer;
    SaveScreenshot(wizard.host, "license-page");
    uidriver::Click(wizard.host, IDC_AGREE);

    ExpectPage(wizard, IDC_OPTIONS_TITLE, "options page");
    EXPECT_TRUE(uidriver::IsChecked(wizard.host, IDC_OPTION_DESKTOP));
    uidriver::Click(wizard.host, IDC_OPTION_DESKTOP);
    EXPECT_TRUE(
        uidriver::WaitFor([&] { return !uidriver::IsChecked(wizard.host, IDC_OPTION_DESKTOP); }));
    SaveScreenshot(wizard.host, "options-page");
    uidriver::Click(wizard.host, IDC_NEXT);

    ExpectPage(wizard, IDC_CONFIGURATIONS_TITLE, "configurations page");
    EXPECT_TRUE(uidriver::IsChecked(wizard.host, IDC_CONFIGURATION_FIREWALL));
    ::PostMessageW(uidriver::Control(wizard.host, IDC_CONFIGURATION_FIREWALL_LABEL), WM_LBUTTONDOWN,
                   MK_LBUTTON, 0);
    ::PostMessageW(uidriver::Control(wizard.host, IDC_CONFIGURATION_FIREWALL_LABEL), WM_LBUTTONUP,
                   0, 0);
    uidriver::Click(wizard.host, IDC_CONFIGURATION_TORRENT_FILES);
    EXPECT_TRUE(uidriver::WaitFor(
        [&] { return !uidriver::IsChecked(wizard.host, IDC_CONFIGURATION_TORRENT_FILES); }));
    EXPECT_TRUE(uidriver::IsChecked(wizard.host, IDC_CONFIGURATION_FIREWALL))
        << "the label does not toggle the box";
    SaveScreenshot(wizard.host, "configurations-page");
    uidriver::Click(wizard.host, IDC_NEXT);

    // No service answers here: the product's download fails on both
    // engines and the run ends on the error page, which closes without asking.
    ExpectPage(wizard, IDC_PROGRESS_TITLE, "download page");
    SaveScreenshot(wizard.host, "download-page");
    ASSERT_TRUE(uidriver::WaitFor(
        [&] { return uidriver::IsControlVisible(wizard.host, IDC_ERROR_TITLE); }, 60000));
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_ERROR_TITLE),
              "Error occurred while installing Pellar Classic.");
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_ERROR_TEXT),
              "Click on \"Close\" and try again later.");
    SaveScreenshot(wizard.host, "download-failed");
    uidriver::Click(wizard.host, IDC_CLOSE);
    ASSERT_TRUE(wizard.process.WaitForExit(kTimeoutMs));
    EXPECT_EQ(wizard.process.ExitCode(), 0u);
}

}  // namespace
