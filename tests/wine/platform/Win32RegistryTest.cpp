#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/Win32Machine.h"
#include "platform/win32/Win32Registry.h"
#include "settings/MachineId.h"
#include "settings/RegistryError.h"
#include "settings/RegistryKeys.h"
#include "settings/RegistryPath.h"
#include "settings/RegistryQuery.h"
#include "settings/RegistryValues.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace {

using platform::RegistryRoot;

// Keys of the test's own below HKCU\Software and HKLM\Software, written with
// the plain Win32 calls and removed with everything below them.
class Win32Registry : public testing::Test {
protected:
    void SetUp() override {
        for (const HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            win::UniqueRegistryKey key;
            ASSERT_EQ(::RegCreateKeyExW(hive, kRoot.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                        key.Put(), nullptr),
                      ERROR_SUCCESS);
        }
    }

    void TearDown() override {
        for (const HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            ::RegDeleteTreeW(hive, kRoot.c_str());
        }
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"Software\\Wow6432Node\\" + kName).c_str());
    }

    static void Set(HKEY hive, const std::wstring& below, const wchar_t* name, DWORD type,
                    const void* data, DWORD size) {
        ASSERT_EQ(::RegSetKeyValueW(hive, (kRoot + below).c_str(), name, type, data, size),
                  ERROR_SUCCESS);
    }
    static void SetText(HKEY hive, const std::wstring& below, const wchar_t* name,
                        const std::wstring& text, DWORD type = REG_SZ) {
        Set(hive, below, name, type, text.c_str(),
            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    // The test's key as the layer names it, e.g. "hkey_current_user\software\quillettest12".
    static std::string LayerPath(const char* hive, const std::string& below = "") {
        return std::string(hive) + "\\software\\" + win32::LowerCase(WideToUtf8(kName)) + below;
    }
    static std::string Subkey(const std::string& below = "") {
        return "software\\" + win32::LowerCase(WideToUtf8(kName)) + below;
    }

    const platform::RegistryKey& Hive(RegistryRoot root) { return registry.Root(root); }

    static inline const std::wstring kName =
        L"QuilletTest" + std::to_wstring(::GetCurrentProcessId());
    static inline const std::wstring kRoot = L"Software\\" + kName;

    platform::win32::Registry registry;
    win32::RegistryCache cache{registry, platform::win32::Wow64().IsWow64Process()};
};

TEST_F(Win32Registry, TextsAndNumbersReadBackThroughTheLayer) {
    const DWORD count = 42;
    const ULONGLONG stamp = 18446744073709551615ull;
    const BYTE blob[] = {1, 2, 3};
    SetText(HKEY_CURRENT_USER, L"\\App", L"Version", L"Pellar 3.1 \u00DCber \u20AC");
    SetText(HKEY_CURRENT_USER, L"\\App", L"", L"C:\\App");
    Set(HKEY_CURRENT_USER, L"\\App", L"Count", REG_DWORD, &count, sizeof count);
    Set(HKEY_CURRENT_USER, L"\\App", L"Stamp", REG_QWORD, &stamp, sizeof stamp);
    SetText(HKEY_CURRENT_USER, L"\\App", L"Path", L"%SystemRoot%\\x", REG_EXPAND_SZ);
    Set(HKEY_CURRENT_USER, L"\\App", L"Blob", REG_BINARY, blob, sizeof blob);
    SetText(HKEY_LOCAL_MACHINE, L"\\App", L"Version", L"machine");

    const auto read = [&](const char* hive, const char* name) {
        return win32::ReadValueAsText(cache, hive, Subkey("\\app"), name);
    };
    EXPECT_EQ(read("hkey_current_user", "version"),
              "Pellar 3.1 \xC3\x9C"
              "ber \xE2\x82\xAC");
    EXPECT_EQ(read("hkey_current_user", ""), "C:\\App");
    EXPECT_EQ(read("hkey_current_user", "count"), "42");
    EXPECT_EQ(read("hkey_current_user", "stamp"), "18446744073709551615");
    EXPECT_EQ(read("hkey_current_user", "path"), std::nullopt);
    EXPECT_EQ(read("hkey_current_user", "blob"), std::nullopt);
    EXPECT_EQ(read("hkey_current_user", "missing"), std::nullopt);
    EXPECT_EQ(read("hkey_local_machine", "version"), "machine");

    const auto key = win32::OpenKey(Hive(RegistryRoot::CurrentUser), Subkey("\\app"), KEY_READ);
    EXPECT_TRUE(win32::ValueDataMatches(*key, "Count", "42"));
    EXPECT_TRUE(win32::ValueDataMatches(*key, "Stamp", "18446744073709551615"));
    EXPECT_TRUE(win32::ValueDataMatches(*key, "", "c:\\app"));
    EXPECT_FALSE(win32::ValueDataMatches(*key, "Blob", ""));
    EXPECT_EQ(win32::GetValueType(*key, "Path"), static_cast<std::uint32_t>(REG_EXPAND_SZ));
    // Read as a string, an expandable text comes expanded.
    wchar_t expanded[MAX_PATH];
    ::ExpandEnvironmentStringsW(L"%SystemRoot%\\x", expanded, MAX_PATH);
    EXPECT_EQ(win32::ReadString(*key, "", "Path"), WideToUtf8(expanded));
    EXPECT_EQ(win32::ReadString(Hive(RegistryRoot::CurrentUser), Subkey("\\app"), "Version"),
              "Pellar 3.1 \xC3\x9C"
              "ber \xE2\x82\xAC");
}

TEST_F(Win32Registry, KeysAndSubkeysLowerCased) {
    for (const wchar_t* name : {L"\\App\\Alpha", L"\\App\\BETA", L"\\App\\Gamma Delta"}) {
        SetText(HKEY_CURRENT_USER, name, L"", L"x");
    }
    const auto app = win32::OpenKey(Hive(RegistryRoot::CurrentUser), Subkey("\\app"), KEY_READ);
    EXPECT_EQ(win32::EnumerateSubkeys(*app),
              (std::vector<std::string>{"alpha", "beta", "gamma delta"}));

    EXPECT_TRUE(win32::RegistryKeyExists(cache, LayerPath("hkey_current_user", "\\app\\beta")));
    EXPECT_TRUE(win32::RegistryKeyExists(cache, LayerPath("hkey_current_user")));
    EXPECT_FALSE(win32::RegistryKeyExists(cache, LayerPath("hkey_current_user", "\\app\\missing")));
    EXPECT_FALSE(win32::RegistryKeyExists(cache, "hkey_current_user\\software\\quillettestnone"));
    EXPECT_FALSE(win32::RegistryKeyExists(cache, LayerPath("hkey_local_machine", "\\app")));
    EXPECT_TRUE(win32::RegistryKeyExists(cache, "hkey_current_user\\control panel"));
}

TEST_F(Win32Registry, FailuresCarryTheWindowsCode) {
    const DWORD count = 7;
    const ULONGLONG stamp = 8;
    Set(HKEY_CURRENT_USER, L"", L"Count", REG_DWORD, &count, sizeof count);
    Set(HKEY_CURRENT_USER, L"", L"Stamp", REG_QWORD, &stamp, sizeof stamp);
    const auto key = win32::OpenKey(Hive(RegistryRoot::CurrentUser), Subkey(), KEY_READ);

    const struct {
        std::function<void()> call;
        const char* message;
        DWORD code;
    } cases[] = {
        {[&] { win32::OpenKey(*key, "missing", KEY_READ); }, win32::kCannotOpenKey,
         ERROR_FILE_NOT_FOUND},
        {[&] { win32::ReadString(*key, "", "missing"); }, win32::kCannotReadString,
         ERROR_FILE_NOT_FOUND},
        {[&] { win32::ReadString(*key, "missing", "x"); }, win32::kCannotReadString,
         ERROR_FILE_NOT_FOUND},
        {[&] { win32::ReadString(*key, "", "Count"); }, win32::kCannotReadString,
         ERROR_UNSUPPORTED_TYPE},
        {[&] { win32::ReadDword(*key, "Stamp"); }, win32::kCannotReadDword, ERROR_UNSUPPORTED_TYPE},
        {[&] { win32::ReadQword(*key, "Count"); }, win32::kCannotReadQword, ERROR_UNSUPPORTED_TYPE},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no RegistryError, expected " << c.message;
        } catch (const win32::RegistryError& error) {
            EXPECT_STREQ(error.what(), c.message);
            EXPECT_EQ(error.Code(), c.code) << c.message;
        }
    }
    EXPECT_FALSE(win32::ValueExists(*key, "missing"));
    EXPECT_EQ(win32::GetValueType(*key, "missing"), 0u);
}

TEST_F(Win32Registry, ViewFlagsReachWindows) {
    // Made in the 32-bit view, which a 64-bit process reaches only by asking.
    win::UniqueRegistryKey key32;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kRoot + L"\\Only32").c_str(), 0, nullptr, 0,
                                KEY_WRITE | KEY_WOW64_32KEY, nullptr, key32.Put(), nullptr),
              ERROR_SUCCESS);
    const std::string below = WideToUtf8(kRoot) + "\\Only32";
    const auto& machine = Hive(RegistryRoot::LocalMachine);
    EXPECT_EQ(machine.Open(below, KEY_READ | KEY_WOW64_32KEY).error, 0u);
    EXPECT_EQ(machine.Open(below, KEY_READ | KEY_WOW64_64KEY).error,
              static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(machine
                  .Open("Software\\Wow6432Node\\" + WideToUtf8(kName) + "\\Only32",
                        KEY_READ | KEY_WOW64_64KEY)
                  .error,
              0u);
}

TEST_F(Win32Registry, CreatedKeyHoldsTheDwordWritten) {
    const auto created =
        Hive(RegistryRoot::LocalMachine).Create(WideToUtf8(kRoot) + "\\NoShow", KEY_SET_VALUE);
    ASSERT_EQ(created.error, 0u);
    EXPECT_EQ(created.value->SetDword("9f2d0e6b", 20991231), 0u);
    EXPECT_EQ(win32::ReadValueAsText(cache, "hkey_local_machine", Subkey("\\noshow"), "9f2d0e6b"),
              "20991231");
}

TEST_F(Win32Registry, EveryPredefinedKeyIsReachable) {
    for (const RegistryRoot root :
         {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine,
          RegistryRoot::Users, RegistryRoot::CurrentConfig}) {
        EXPECT_EQ(registry.Root(root).QueryInfo().error, 0u) << static_cast<std::uint32_t>(root);
        EXPECT_EQ(registry.Root(root).Open("", KEY_READ).error, 0u);
    }
}

TEST(Win32MachineId, IsTheMachineGuidOfThePrefix) {
    wchar_t guid[64] = {};
    DWORD size = sizeof guid;
    ASSERT_EQ(::RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Cryptography",
                             L"MachineGuid", RRF_RT_REG_SZ, nullptr, guid, &size),
              ERROR_SUCCESS);
    platform::win32::Registry registry;
    const std::string id = ReadMachineId(registry);
    EXPECT_EQ(id, WideToUtf8(guid));
    EXPECT_EQ(id.size(), 36u);
}

}  // namespace
