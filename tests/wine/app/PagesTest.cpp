#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "res/resource.h"

namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

bool UserLocaleIsSpanish() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    return ::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) > 0 &&
           std::wstring(name).rfind(L"es", 0) == 0;
}

// Run once with the default locale and once with LANG=es_ES.UTF-8.
TEST(LanguagePage, ShowsTheTextsOfTheUserLocale) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(IDC_SPLASH_TITLE_NORVIK));

    const bool spanish = UserLocaleIsSpanish();
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_NEXT), spanish ? "SIGUIENTE" : "Next");
    // The publisher's texts exist in English only and appear in every language.
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_SPLASH_TITLE_NORVIK),
              "Welcome to Pellar Classic\xC2\xAE Setup Wizard");
    EXPECT_NE(uidriver::ControlText(wizard.host, IDC_SPLASH_TEXT_NORVIK).find("Pellar Classic"),
              std::string::npos);
    // The language follows the locale: no list to choose from.
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, IDC_LANGUAGE_LIST));

    const POINT band = test_support::PointInControl(wizard.host, IDC_PAGE_BAND, 0, 30);
    const COLORREF bandColor =
        SaveScreenshot(wizard.host, spanish ? "language-page-es" : "language-page-en", band);
    EXPECT_EQ(bandColor, RGB(0x7F, 0xBC, 0x42));
}

TEST(PageSequence, NextShowsTheLoadingPage) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(IDC_NEXT));
    uidriver::Click(wizard.host, IDC_NEXT);
    // Without a service the loading page gives up at once and moves on, so
    // the test sees it or the page after it.
    ASSERT_TRUE(uidriver::WaitFor(
        [&] {
            return uidriver::IsControlVisible(wizard.host, IDC_LOADING_PROGRESS) ||
                   uidriver::IsControlVisible(wizard.host, IDC_WARNING_TITLE);
        },
        kTimeoutMs));
    EXPECT_TRUE(uidriver::WaitFor(
        [&] { return !uidriver::IsControlVisible(wizard.host, IDC_SPLASH_TITLE_NORVIK); },
        kTimeoutMs));
    SaveScreenshot(wizard.host, "after-language-page");
}

TEST(PageSequence, EnterAndEscapeDoNothing) {
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(IDC_NEXT));
    const HWND focus = uidriver::Control(wizard.host, IDC_NEXT);
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        ::PostMessageW(focus, WM_KEYDOWN, key, 0);
        ::PostMessageW(focus, WM_KEYUP, key, 0);
    }
    ::Sleep(1000);
    EXPECT_TRUE(wizard.process.IsRunning());
    EXPECT_FALSE(uidriver::FindMessageBox(wizard.process.Id()).has_value());
    EXPECT_TRUE(uidriver::IsControlVisible(wizard.host, IDC_SPLASH_TITLE_NORVIK));
}

TEST(Closing, FirstPageAsksAndCancelKeepsTheWizard) {
    const auto foldersBefore = test_support::WorkFolders();
    Wizard wizard;
    ASSERT_TRUE(wizard.WaitForControl(IDC_NEXT));
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
    ASSERT_TRUE(wizard.WaitForControl(IDC_NEXT));
    ::PostMessageW(wizard.host, WM_COMMAND, IDC_SHOW_ERROR, 0);
    ASSERT_TRUE(wizard.WaitForControl(IDC_ERROR_TITLE));

    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_ERROR_TITLE), "Error");
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_ERROR_TEXT), "Error message");
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_CLOSE), "Close");
    EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, IDC_SPLASH_TITLE_NORVIK));
    // The red disc of the error mark, above the white cross in its middle.
    const POINT disc = test_support::PointInControl(wizard.host, IDC_PAGE_IMAGE, 0, -35);
    const COLORREF mark = SaveScreenshot(wizard.host, "error-page", disc);
    EXPECT_GT(GetRValue(mark), 0xB0);
    EXPECT_LT(GetGValue(mark), 0x80);

    EXPECT_TRUE(wizard.CloseWithoutQuestion());
    EXPECT_EQ(test_support::WorkFolders(), foldersBefore);
}

}  // namespace
