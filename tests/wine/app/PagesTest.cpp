#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

constexpr int kLanguageList = 1000;
constexpr int kNext = 1010;
constexpr int kSplashText = 1012;
constexpr int kSplashTitle = 1013;
constexpr int kPageBand = 1002;
constexpr int kErrorImage = 1016;
constexpr int kErrorTitle = 1036;
constexpr int kErrorText = 1037;
constexpr int kClose = 1035;
constexpr int kLoadingProgress = 1043;
constexpr int kWarningTitle = 1052;
constexpr int kShowErrorCommand = 1038;

bool UserLocaleIsSpanish() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    return ::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) > 0 &&
           std::wstring(name).rfind(L"es", 0) == 0;
}

// Run once with the default locale and once with LANG=es_ES.UTF-8.
TEST(LanguagePage, ShowsTheTextsOfTheUserLocale) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(kSplashTitle));

    const bool spanish = UserLocaleIsSpanish();
    EXPECT_EQ(uidriver::ControlText(wizard.host, kNext), spanish ? "SIGUIENTE" : "Next");
    // The publisher's texts exist in English only and appear in every language.
    EXPECT_EQ(uidriver::ControlText(wizard.host, kSplashTitle),
              "Welcome to Pellar Classic\xC2\xAE Setup Wizard");
    EXPECT_NE(uidriver::ControlText(wizard.host, kSplashText).find("Pellar Classic"),
              std::string::npos);
    // The language follows the locale: no list to choose from.
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, kLanguageList));

    const POINT band = test_support::PointInControl(wizard.host, kPageBand, 0, 30);
    const COLORREF bandColor =
        SaveScreenshot(wizard.host, spanish ? "language-page-es" : "language-page-en", band);
    EXPECT_EQ(bandColor, RGB(0x7F, 0xBC, 0x42));
}

TEST(PageSequence, NextShowsTheLoadingPage) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(kNext));
    uidriver::Click(wizard.host, kNext);
    // Without a service the loading page gives up at once and moves on, so
    // the test sees it or the page after it.
    ASSERT_TRUE(uidriver::WaitFor(
        [&] {
            return uidriver::IsControlVisible(wizard.host, kLoadingProgress) ||
                   uidriver::IsControlVisible(wizard.host, kWarningTitle);
        },
        kTimeoutMs));
    EXPECT_TRUE(uidriver::WaitFor(
        [&] { return !uidriver::IsControlVisible(wizard.host, kSplashTitle); }, kTimeoutMs));
    SaveScreenshot(wizard.host, "after-language-page");
}

TEST(PageSequence, EnterAndEscapeDoNothing) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(kNext));
    const HWND focus = uidriver::Control(wizard.host, kNext);
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        ::PostMessageW(focus, WM_KEYDOWN, key, 0);
        ::PostMessageW(focus, WM_KEYUP, key, 0);
    }
    ::Sleep(1000);
    EXPECT_TRUE(wizard.process.IsRunning());
    EXPECT_FALSE(uidriver::FindMessageBox(wizard.process.Id()).has_value());
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, kSplashTitle));
}

TEST(Closing, FirstPageAsksAndCancelKeepsTheWizard) {
    const auto foldersBefore = test_support::WorkFolders();
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(kNext));
    const auto foldersRunning = test_support::WorkFolders();
    ASSERT_EQ(foldersRunning.size(), foldersBefore.size() + 1) << "the run's work folder";

    for (int answer : {IDCANCEL, IDOK}) {
        uidriver::PostClose(wizard.host);
        const auto question = uidriver::WaitForMessageBox(wizard.process.Id(), kTimeoutMs);
        ASSERT_TRUE(question.has_value()) << "a second close asks again";
        EXPECT_EQ(question->text, "Are you sure you want to exit the installer?");
        EXPECT_EQ(question->caption, "");
        if (answer == IDCANCEL) SaveScreenshot(question->window, "close-question");
        uidriver::AnswerMessageBox(question->window, answer);
        if (answer == IDCANCEL) {
            ::Sleep(500);
            EXPECT_TRUE(::IsWindowVisible(wizard.host));
        }
    }
    ASSERT_TRUE(wizard.process.WaitForExit(kTimeoutMs));
    EXPECT_EQ(test_support::WorkFolders(), foldersBefore) << "the work folder is removed";
}

TEST(ErrorPage, ShowsTheMarkAndTextsAndClosesWithoutAsking) {
    const auto foldersBefore = test_support::WorkFolders();
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(kNext));
    ::PostMessageW(wizard.host, WM_COMMAND, kShowErrorCommand, 0);
    ASSERT_TRUE(wizard.WaitForControl(kErrorTitle));

    EXPECT_EQ(uidriver::ControlText(wizard.host, kErrorTitle), "Error");
    EXPECT_EQ(uidriver::ControlText(wizard.host, kErrorText), "Error message");
    EXPECT_EQ(uidriver::ControlText(wizard.host, kClose), "Close");
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, kSplashTitle));
    // The red disc of the error mark, above the white cross in its middle.
    const POINT disc = test_support::PointInControl(wizard.host, kErrorImage, 0, -35);
    const COLORREF mark = SaveScreenshot(wizard.host, "error-page", disc);
    EXPECT_GT(GetRValue(mark), 0xB0);
    EXPECT_LT(GetGValue(mark), 0x80);

    EXPECT_TRUE(wizard.CloseWithoutQuestion());
    EXPECT_EQ(test_support::WorkFolders(), foldersBefore);
}

}  // namespace
