#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <string>

#include "platform/System.h"
#include "platform/win32/Win32Machine.h"
#include "platform/win32/Win32Services.h"
#include "settings/PathPlaceholders.h"
#include "win/Text.h"

namespace {

using platform::KnownFolderId;

std::string EnvironmentText(const wchar_t* name) {
    wchar_t value[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? WideToUtf8({value, length}) : "";
}

TEST(Win32KnownFolders, FoldersOfTheCurrentUserAndTheMachine) {
    platform::win32::KnownFolders folders;
    EXPECT_EQ(folders.GetKnownFolder(KnownFolderId::LocalAppData, false),
              EnvironmentText(L"LOCALAPPDATA"));
    EXPECT_EQ(folders.GetKnownFolder(KnownFolderId::RoamingAppData, false),
              EnvironmentText(L"APPDATA"));
    EXPECT_EQ(folders.GetKnownFolder(KnownFolderId::ProgramData, false),
              EnvironmentText(L"ProgramData"));
    EXPECT_EQ(folders.GetKnownFolder(KnownFolderId::ProgramFilesX86, false),
              EnvironmentText(L"ProgramFiles(x86)"));
    // Wine names the current user's desktop for the default user too.
    EXPECT_NE(folders.GetKnownFolder(KnownFolderId::Desktop, false), "");
    EXPECT_NE(folders.GetKnownFolder(KnownFolderId::Desktop, true), "");
}

TEST(Win32Environment, VariablesWholeAndMissing) {
    platform::win32::Environment environment;
    const std::wstring longValue(300, L'v');
    ASSERT_TRUE(::SetEnvironmentVariableW(L"QUILLET_TEST_TEXT", L"v\u00E4lue"));
    ASSERT_TRUE(::SetEnvironmentVariableW(L"QUILLET_TEST_LONG", longValue.c_str()));
    ::SetEnvironmentVariableW(L"QUILLET_TEST_UNSET", nullptr);

    EXPECT_EQ(environment.Variable("QUILLET_TEST_TEXT"), "v\xC3\xA4lue");
    EXPECT_EQ(environment.Variable("QUILLET_TEST_LONG"), WideToUtf8(longValue));
    EXPECT_EQ(environment.Variable("QUILLET_TEST_UNSET"), std::nullopt);
}

TEST(Win32Clock, NowAndLocalTime) {
    platform::win32::Clock clock;
    const std::int64_t seconds = clock.Now() / 10'000'000;
    EXPECT_LE(std::abs(seconds - static_cast<std::int64_t>(std::time(nullptr))), 2);

    // Noon UTC is the same date in every time zone.
    using namespace std::chrono;
    const sys_seconds noon = sys_days{year{2025} / 7 / 1} + hours{12};
    const auto local = clock.LocalTime(noon.time_since_epoch().count());
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(local->tm_year, 125);
    EXPECT_EQ(local->tm_mon, 6);
    EXPECT_EQ(local->tm_mday, 1);
}

TEST(Win32Placeholders, ExpandToTheFoldersOfThisMachine) {
    auto& system = platform::CurrentSystem();
    // The test program is a 64-bit process: not under WOW64.
    EXPECT_FALSE(system.wow64.IsWow64Process());
    const auto table = BuildPlaceholderTable(system);
    EXPECT_EQ(ExpandPathPlaceholders("{commonappdata}\\Pellar\\Pellar.exe", table),
              EnvironmentText(L"APPDATA") + "\\Pellar\\Pellar.exe");
    EXPECT_EQ(ExpandPathPlaceholders("{commonpf}\\X", table),
              EnvironmentText(L"ProgramFiles(x86)") + "\\X");
}

}  // namespace
