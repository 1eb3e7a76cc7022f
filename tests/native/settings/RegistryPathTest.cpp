#include "settings/RegistryPath.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using platform::kKeyRead;
using platform::kKeyWow64_64Key;
using platform::RegistryRoot;
using Paths = std::vector<std::string>;

TEST(ExpandRegistryPath, CandidatesOnBothMachines) {
    const struct {
        const char* path;
        Paths windows64;
        Paths windows32;  // when it differs
    } cases[] = {
        {"", {}, {}},
        {"hklm\\software\\x", {"hkey_local_machine\\software\\x"}, {}},
        {"hkcu\\software\\x", {"hkey_current_user\\software\\x"}, {}},
        {"hkcr\\.txt", {"hkey_classes_root\\.txt"}, {}},
        {"hku\\.default\\x", {"hkey_users\\.default\\x"}, {}},
        {"hkcc\\system", {"hkey_current_config\\system"}, {}},
        {"hkey_users\\s-1-5-18\\x", {"hkey_users\\s-1-5-18\\x"}, {}},
        {"hkey_classes_root\\x", {"hkey_classes_root\\x"}, {}},
        {"hkey_current_config\\x", {"hkey_current_config\\x"}, {}},
        // Anything else is below the software branch, even "software\...".
        {"vendor\\product",
         {"hkey_local_machine\\software\\vendor\\product",
          "hkey_current_user\\software\\vendor\\product",
          "hkey_local_machine\\software\\wow6432node\\vendor\\product",
          "hkey_current_user\\software\\wow6432node\\vendor\\product"},
         {"hkey_local_machine\\software\\vendor\\product",
          "hkey_current_user\\software\\vendor\\product"}},
        {"software\\x",
         {"hkey_local_machine\\software\\software\\x", "hkey_current_user\\software\\software\\x",
          "hkey_local_machine\\software\\wow6432node\\software\\x",
          "hkey_current_user\\software\\wow6432node\\software\\x"},
         {"hkey_local_machine\\software\\software\\x", "hkey_current_user\\software\\software\\x"}},
        // A hive name needs its backslash, and the tables are lower case.
        {"hklm",
         {"hkey_local_machine\\software\\hklm", "hkey_current_user\\software\\hklm",
          "hkey_local_machine\\software\\wow6432node\\hklm",
          "hkey_current_user\\software\\wow6432node\\hklm"},
         {"hkey_local_machine\\software\\hklm", "hkey_current_user\\software\\hklm"}},
        {"hkey_users",
         {"hkey_local_machine\\software\\hkey_users", "hkey_current_user\\software\\hkey_users",
          "hkey_local_machine\\software\\wow6432node\\hkey_users",
          "hkey_current_user\\software\\wow6432node\\hkey_users"},
         {"hkey_local_machine\\software\\hkey_users", "hkey_current_user\\software\\hkey_users"}},
        {"HKLM\\x",
         {"hkey_local_machine\\software\\HKLM\\x", "hkey_current_user\\software\\HKLM\\x",
          "hkey_local_machine\\software\\wow6432node\\HKLM\\x",
          "hkey_current_user\\software\\wow6432node\\HKLM\\x"},
         {"hkey_local_machine\\software\\HKLM\\x", "hkey_current_user\\software\\HKLM\\x"}},
    };
    for (const auto& c : cases) {
        const Paths& windows32 = c.windows32.empty() ? c.windows64 : c.windows32;
        EXPECT_EQ(win32::ExpandRegistryPath(c.path, true), c.windows64) << c.path;
        EXPECT_EQ(win32::ExpandRegistryPath(c.path, false), windows32) << c.path;
    }
}

TEST(ResolveRegistryView, RewritesSoftwarePathsForTheMachine) {
    const struct {
        const char* path;
        bool windows64;
        bool skipped;
        const char* resolved;
        std::uint32_t flags;
    } cases[] = {
        {"hkey_local_machine\\software\\v", true, false, "hkey_local_machine\\software\\v",
         kKeyRead | kKeyWow64_64Key},
        {"hkey_local_machine\\software\\v", false, false, "hkey_local_machine\\software\\v",
         kKeyRead},
        {"hkey_local_machine\\software\\wow6432node\\v", true, false,
         "hkey_local_machine\\software\\v", kKeyRead},
        {"hkey_current_user\\software\\wow6432node\\v\\w", true, false,
         "hkey_current_user\\software\\v\\w", kKeyRead},
        {"hkey_local_machine\\software\\wow6432node\\v", false, true, "", 0},
        {"hkey_current_user\\software\\wow6432node\\v", false, true, "", 0},
        // Only the third part decides.
        {"hkey_local_machine\\software\\v\\wow6432node\\w", true, false,
         "hkey_local_machine\\software\\v\\wow6432node\\w", kKeyRead | kKeyWow64_64Key},
        {"hkey_local_machine\\software\\\\v", true, false, "hkey_local_machine\\software\\\\v",
         kKeyRead | kKeyWow64_64Key},
        // Not below a software prefix: untouched.
        {"hkey_local_machine\\system\\x", true, false, "hkey_local_machine\\system\\x", kKeyRead},
        {"hkey_users\\s-1-5-18\\software\\x", true, false, "hkey_users\\s-1-5-18\\software\\x",
         kKeyRead},
        {"hkey_local_machine\\SOFTWARE\\x", true, false, "hkey_local_machine\\SOFTWARE\\x",
         kKeyRead},
    };
    for (const auto& c : cases) {
        std::string path = c.path;
        std::uint32_t flags = kKeyRead;
        EXPECT_EQ(win32::ResolveRegistryView(path, flags, c.windows64), c.skipped) << c.path;
        if (c.skipped) continue;
        EXPECT_EQ(path, c.resolved);
        EXPECT_EQ(flags, c.flags) << c.path;
    }
}

TEST(ResolveRegistryView, PathEndingAfterTheSoftwarePrefixIsOutOfRange) {
    for (const char* text : {"hkey_local_machine\\software\\", "hkey_current_user\\software\\"}) {
        for (const bool windows64 : {true, false}) {
            std::string path = text;
            std::uint32_t flags = kKeyRead;
            EXPECT_THROW(win32::ResolveRegistryView(path, flags, windows64), std::out_of_range)
                << text;
        }
    }
}

TEST(RegistryPath, HiveTableKnowsOnlyTheFullLowerCaseNames) {
    EXPECT_EQ(win32::LookUpHive("hkey_local_machine"), RegistryRoot::LocalMachine);
    EXPECT_EQ(win32::LookUpHive("hkey_current_user"), RegistryRoot::CurrentUser);
    EXPECT_EQ(win32::LookUpHive("hkey_classes_root"), RegistryRoot::ClassesRoot);
    EXPECT_EQ(win32::LookUpHive("hkey_users"), RegistryRoot::Users);
    EXPECT_EQ(win32::LookUpHive("hkey_current_config"), RegistryRoot::CurrentConfig);
    for (const char* unknown : {"hklm", "HKEY_LOCAL_MACHINE", "", "hkey_dyn_data"}) {
        EXPECT_THROW(win32::LookUpHive(unknown), std::out_of_range) << unknown;
    }
}

TEST(RegistryPath, PartsKeepInnerEmptyOnesButNotATrailingOne) {
    const struct {
        const char* path;
        Paths parts;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\\b", {"a", "b"}},
        {"a\\b\\", {"a", "b"}},
        {"a\\\\b", {"a", "", "b"}},
        {"\\a", {"", "a"}},
        {"hkey_local_machine\\software\\", {"hkey_local_machine", "software"}},
    };
    for (const auto& c : cases) {
        Paths parts;
        for (std::size_t i = 0; const auto part = win32::RegistryPathPart(c.path, i); ++i) {
            parts.emplace_back(*part);
        }
        EXPECT_EQ(parts, c.parts) << c.path;
        EXPECT_EQ(win32::RegistryPathPart(c.path, c.parts.size() + 1), std::nullopt) << c.path;
    }
}

TEST(RegistryPath, LowerCaseTouchesAsciiLettersOnly) {
    EXPECT_EQ(win32::LowerCase("HKLM\\Software\\Mozilla 2.0_X"), "hklm\\software\\mozilla 2.0_x");
    EXPECT_EQ(win32::LowerCase("\xC3\x84pfel"), "\xC3\x84pfel");  // Äpfel
}

}  // namespace
