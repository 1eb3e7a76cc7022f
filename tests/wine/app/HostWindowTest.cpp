#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "res/resource.h"

namespace {

using test_support::kTimeoutMs;
using test_support::SaveScreenshot;
using test_support::Wizard;

constexpr UINT kAboutCommand = 0x0010;

TEST(HostWindow, InstallerCaptionHeaderAndAccentBand) {
    Wizard wizard;
    ASSERT_NE(wizard.host, nullptr);

    EXPECT_EQ(uidriver::WindowText(wizard.host), "Pellar Classic ");
    for (int hidden : {IDC_HEADER_LINE, IDC_HEADER_ICON, IDC_HEADER_TITLE}) {
        EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, hidden)) << hidden;
    }
    EXPECT_EQ(uidriver::ControlText(wizard.host, IDC_HEADER_TITLE), "Pellar Classic");

    // Below the page area the host's own band shows, left of the page.
    const POINT hostBand = test_support::PointInControl(wizard.host, IDC_BOTTOM_BAND, -48, 40);
    EXPECT_EQ(SaveScreenshot(wizard.host, "host-window", hostBand), RGB(0x7F, 0xBC, 0x42));
}

TEST(HostWindow, AboutBoxShowsTheProgramVersion) {
    Wizard wizard;
    ASSERT_NE(wizard.host, nullptr);

    uidriver::PostSysCommand(wizard.host, kAboutCommand);
    HWND about = nullptr;
    ASSERT_TRUE(uidriver::WaitFor([&] {
        about = uidriver::FindTopLevelWindow(wizard.process.Id(), "#32770", "About Quillet");
        return about != nullptr;
    }));
    EXPECT_EQ(uidriver::ControlText(about, IDC_ABOUT_VERSION), "Quillet, Version 3.1.0.11073");
    SaveScreenshot(about, "about-box");

    uidriver::Click(about, IDOK);
    EXPECT_TRUE(uidriver::WaitFor([&] { return !::IsWindowVisible(about); }));
}

TEST(SingleInstance, SecondStartIsRefusedWithAMessageAndNoWindow) {
    Wizard first;
    ASSERT_NE(first.host, nullptr);

    auto second = uidriver::Process::Launch(test_support::BesideTestProgram(L"quillet.exe"));
    const auto box = uidriver::WaitForMessageBox(second.Id(), kTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "Error");
    EXPECT_EQ(box->text, "Another setup is already running, please close it and try again");
    SaveScreenshot(box->window, "second-instance-refused");
    // The message box is the second process's only visible window.
    EXPECT_EQ(uidriver::TopLevelWindows(second.Id()), std::vector<HWND>{box->window});

    uidriver::AnswerMessageBox(box->window, IDOK);
    EXPECT_TRUE(second.WaitForExit(kTimeoutMs));
    EXPECT_TRUE(::IsWindowVisible(first.host)) << "the first wizard is untouched";
}

TEST(SingleInstance, StartsAgainOnceTheFirstHasClosed) {
    Wizard first;
    ASSERT_NE(first.host, nullptr);
    uidriver::PostClose(first.host);
    const auto question = uidriver::WaitForMessageBox(first.process.Id(), kTimeoutMs);
    ASSERT_TRUE(question.has_value());
    uidriver::AnswerMessageBox(question->window, IDOK);
    ASSERT_TRUE(uidriver::WaitFor([&] { return !::IsWindowVisible(first.host); }));

    Wizard second;
    EXPECT_NE(second.host, nullptr);
    EXPECT_FALSE(uidriver::FindMessageBox(second.process.Id()).has_value());
    EXPECT_TRUE(first.process.WaitForExit(kTimeoutMs));
}

}  // namespace
