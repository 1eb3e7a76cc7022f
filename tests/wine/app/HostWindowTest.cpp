#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "uidriver/uidriver.h"

namespace {

using test_support::BesideTestProgram;
using test_support::SaveScreenshot;

constexpr DWORD kTimeoutMs = 15000;
constexpr int kBottomBand = 1001;
constexpr int kHeaderLine = 1006;
constexpr int kHeaderIcon = 1007;
constexpr int kHeaderTitle = 1008;
constexpr int kAboutVersion = 1045;
constexpr UINT kAboutCommand = 0x0010;

// A running wizard and its host window.
struct Wizard {
    uidriver::Process process = uidriver::Process::Launch(BesideTestProgram(L"quillet.exe"));
    HWND host = uidriver::WaitForTopLevelWindow(process.Id(), "#32770", kTimeoutMs);

    // Closes the wizard through its frame and waits until the process is gone.
    void Close() {
        uidriver::PostClose(host);
        ASSERT_TRUE(process.WaitForExit(kTimeoutMs));
    }
};

TEST(HostWindow, InstallerCaptionHeaderAndAccentBand) {
    Wizard wizard;
    ASSERT_NE(wizard.host, nullptr);

    EXPECT_EQ(uidriver::WindowText(wizard.host), "Pellar Classic ");
    for (int hidden : {kHeaderLine, kHeaderIcon, kHeaderTitle}) {
        EXPECT_FALSE(uidriver::IsControlVisible(wizard.host, hidden)) << hidden;
    }
    EXPECT_EQ(uidriver::ControlText(wizard.host, kHeaderTitle), "Pellar Classic");

    RECT band;
    ASSERT_TRUE(::GetWindowRect(uidriver::Control(wizard.host, kBottomBand), &band));
    POINT insideBand{band.left + 20, band.bottom - 10};
    ::ScreenToClient(wizard.host, &insideBand);
    const COLORREF bandColor = SaveScreenshot(wizard.host, "host-window", insideBand);
    EXPECT_EQ(bandColor, RGB(0x7F, 0xBC, 0x42));

    wizard.Close();
}

TEST(HostWindow, SystemMenuEndsWithTheAboutEntry) {
    Wizard wizard;
    ASSERT_NE(wizard.host, nullptr);

    const auto items = uidriver::SystemMenuItems(wizard.host);
    ASSERT_GE(items.size(), 2u);
    EXPECT_TRUE(items[items.size() - 2].separator);
    EXPECT_EQ(items.back().id, kAboutCommand);
    EXPECT_EQ(items.back().text, "&About Quillet...");

    wizard.Close();
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
    EXPECT_EQ(uidriver::ControlText(about, kAboutVersion), "Quillet, Version 3.1.0.11073");
    SaveScreenshot(about, "about-box");

    uidriver::Click(about, IDOK);
    EXPECT_TRUE(uidriver::WaitFor([&] { return !::IsWindowVisible(about); }));
    wizard.Close();
}

TEST(SingleInstance, SecondStartIsRefusedWithAMessageAndNoWindow) {
    Wizard first;
    ASSERT_NE(first.host, nullptr);

    auto second = uidriver::Process::Launch(BesideTestProgram(L"quillet.exe"));
    const auto box = uidriver::WaitForMessageBox(second.Id(), kTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "Error");
    EXPECT_EQ(box->text, "Another setup is already running, please close it and try again");
    SaveScreenshot(box->window, "second-instance-refused");
    // The message box is the second process's only visible window.
    EXPECT_EQ(uidriver::TopLevelWindows(second.Id()), std::vector<HWND>{box->window});

    uidriver::AnswerMessageBox(box->window, IDOK);
    EXPECT_TRUE(second.WaitForExit(kTimeoutMs));
    // The first wizard is untouched.
    EXPECT_TRUE(::IsWindowVisible(first.host));
    first.Close();
}

TEST(SingleInstance, StartsAgainOnceTheFirstHasClosed) {
    Wizard first;
    ASSERT_NE(first.host, nullptr);
    uidriver::PostClose(first.host);
    ASSERT_TRUE(uidriver::WaitFor([&] { return !::IsWindowVisible(first.host); }));

    Wizard second;
    EXPECT_NE(second.host, nullptr);
    EXPECT_FALSE(uidriver::FindMessageBox(second.process.Id()).has_value());
    if (second.host) second.Close();
    EXPECT_TRUE(first.process.WaitForExit(kTimeoutMs));
}

}  // namespace
