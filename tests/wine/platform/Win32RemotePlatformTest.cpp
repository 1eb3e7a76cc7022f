#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Md5.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/WinHttpClient.h"
#include "remote/Md5Hex.h"
#include "win/Text.h"

namespace {

TEST(Win32Md5, Rfc1321Examples) {
    const struct {
        const char* message;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    platform::win32::Md5 md5;
    for (const auto& c : cases) EXPECT_EQ(Md5Hex(md5, c.message), c.digest) << c.message;
}

constexpr const wchar_t* kCurrentVersion = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

std::wstring CurrentVersionText(const wchar_t* name) {
    wchar_t text[32] = {};
    DWORD size = sizeof text;
    ::RegGetValueW(HKEY_LOCAL_MACHINE, kCurrentVersion, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

// The registry's record of the installed release: Windows 10 and later keep
// their numbers apart, earlier releases write "major.minor".
std::wstring InstalledRelease() {
    DWORD major = 0;
    DWORD minor = 0;
    DWORD size = sizeof major;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kCurrentVersion, L"CurrentMajorVersionNumber",
                       RRF_RT_REG_DWORD, nullptr, &major, &size) == ERROR_SUCCESS) {
        ::RegGetValueW(HKEY_LOCAL_MACHINE, kCurrentVersion, L"CurrentMinorVersionNumber",
                       RRF_RT_REG_DWORD, nullptr, &minor, &size);
        return std::to_wstring(major) + L"." + std::to_wstring(minor);
    }
    return CurrentVersionText(L"CurrentVersion");
}

TEST(Win32OsVersion, TrueVersionIsTheInstalledRelease) {
    platform::win32::OsVersion os;
    const auto version = os.TrueVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(std::to_wstring(version->major) + L"." + std::to_wstring(version->minor),
              InstalledRelease());
    EXPECT_EQ(std::to_wstring(version->build), CurrentVersionText(L"CurrentBuildNumber"));
    EXPECT_TRUE(os.IsAtLeast(version->major, version->minor, 0));
    EXPECT_FALSE(os.IsAtLeast(version->major + 1, 0, 0));
}

TEST(Win32ModuleInfo, FilePathIsTheRunningProgram) {
    platform::win32::ModuleInfo module;
    const std::string path = module.FilePath();
    EXPECT_EQ(path.substr(path.find_last_of('\\') + 1), "quillet_wine_tests.exe");
    EXPECT_NE(::GetFileAttributesW(Utf8ToWide(path).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(WinHttpClient, CrackUrlSplitsWhatPostJsonUses) {
    platform::win32::HttpClient http;
    const auto parts = http.CrackUrl("http://127.0.0.1:8080/o/x?campaign=1#top");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->scheme, "http");
    EXPECT_EQ(parts->host, "127.0.0.1");
    EXPECT_EQ(parts->port, 8080);
    EXPECT_EQ(parts->path, "/o/x");
    EXPECT_EQ(parts->extra, "?campaign=1#top");
    const auto plain = http.CrackUrl("https://service.test/zbd");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->port, 443);
    EXPECT_EQ(plain->extra, "");
    EXPECT_FALSE(http.CrackUrl("service.test/zbd"));
}

}  // namespace
