#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "res/resource.h"

// Tests of the other builds: the download manager, and the installer with
// the plain page set. Each build runs only the tests of its own kind.
namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

TEST(DownloadManager, CaptionIsSetupUntilTheConfigurationHasLoaded) {
    Wizard wizard;
    ASSERT_NE(wizard.host, nullptr);
    EXPECT_EQ(uidriver::WindowText(wizard.host), "Setup");
    // The header keeps its image place and line; the title waits for the
    // configuration to name the product.
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, IDC_HEADER_TITLE));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, IDC_HEADER_ICON));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, IDC_HEADER_LINE));
    SaveScreenshot(wizard.host, "dlm-language-page");
}

// The language list: English on a French system, Spanish rewriting every
// page at once; then the welcome page with its links.
TEST(PlainPages, LanguageListAndWelcomePage) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(IDC_LANGUAGE_LIST));
    const HWND list = uidriver::Control(wizard.host, IDC_LANGUAGE_LIST);
    EXPECT_EQ(::SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(::SendMessageW(list, CB_GETCURSEL, 0, 0), 0) << "English on a French system";
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_NEXT), "Next");

    ::SendMessageW(list, CB_SETCURSEL, 1, 0);
    ::PostMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(uidriver::WaitFor(
        [&] { return uidriver::ControlText(wizard.host, IDC_NEXT) == "SIGUIENTE"; }, kTimeoutMs));
    EXPECT_NE(uidriver::ControlText(wizard.host, IDC_SPLASH_TEXT).find("SIGUIENTE"),
              std::string::npos);
    SaveScreenshot(wizard.host, "plain-language-page-es");

    uidriver::Click(wizard.host, IDC_NEXT);
    // No service answers: the configuration is given up at once and the
    // loading page moves on to the welcome page.
    ASSERT_TRUE(uidriver::WaitFor(
        [&] { return uidriver::IsControlVisible(wizard.host, IDC_WELCOME_TITLE); }, 60000));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, IDC_PRIVACY_LINK));
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, IDC_TERMS_LINK));
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, IDC_EXTRA_LINK)) << "no third address";
    SaveScreenshot(wizard.host, "plain-welcome-page");
}

}  // namespace
