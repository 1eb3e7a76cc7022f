#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"

// Tests of the other builds: the download manager, and the installer with
// the plain page set. Each build runs only the tests of its own kind.
namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

constexpr int kLanguageList = 1000, kNext = 1010, kSplashText = 1011;
constexpr int kHeaderLine = 1006, kHeaderTitle = 1008, kHeaderIcon = 1007, kWelcomeTitle = 1017;
constexpr int kPrivacyLink = 1039, kTermsLink = 1040, kExtraLink = 1041;

TEST(DownloadManager, CaptionIsSetupUntilTheConfigurationHasLoaded) {
    Wizard wizard;
    ASSERT_NE(wizard.host, nullptr);
    EXPECT_EQ(uidriver::WindowText(wizard.host), "Setup");
    // The header keeps its image place and line; the title waits for the
    // configuration to name the product.
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, kHeaderTitle));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, kHeaderIcon));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, kHeaderLine));
    SaveScreenshot(wizard.host, "dlm-language-page");
}

// The language list: English on a French system, Spanish rewriting every
// page at once; then the welcome page with its links.
TEST(PlainPages, LanguageListAndWelcomePage) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(kLanguageList));
    const HWND list = uidriver::Control(wizard.host, kLanguageList);
    EXPECT_EQ(::SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(::SendMessageW(list, CB_GETCURSEL, 0, 0), 0) << "English on a French system";
    EXPECT_EQ(uidriver::ControlText(wizard.host, kNext), "Next");

    ::SendMessageW(list, CB_SETCURSEL, 1, 0);
    ::PostMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(kLanguageList, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(uidriver::WaitFor(
        [&] { return uidriver::ControlText(wizard.host, kNext) == "SIGUIENTE"; }, kTimeoutMs));
    EXPECT_NE(uidriver::ControlText(wizard.host, kSplashText).find("SIGUIENTE"), std::string::npos);
    SaveScreenshot(wizard.host, "plain-language-page-es");

    uidriver::Click(wizard.host, kNext);
    // No service answers: the configuration is given up at once and the
    // loading page moves on to the welcome page.
    ASSERT_TRUE(uidriver::WaitFor(
        [&] { return uidriver::IsControlVisible(wizard.host, kWelcomeTitle); }, 60000));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, kPrivacyLink));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, kTermsLink));
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, kExtraLink)) << "no third address";
    SaveScreenshot(wizard.host, "plain-welcome-page");
}

}  // namespace
