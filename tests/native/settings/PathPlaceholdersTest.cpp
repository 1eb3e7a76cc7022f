#include "settings/PathPlaceholders.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"

namespace {

using platform::KnownFolderId;

// Distinct program files folders, so that each expansion shows its source.
void UseDistinctProgramFiles(fake::System& system) {
    system.environment.variables["ProgramW6432"] = "D:\\Apps64";
    system.knownFolders.byId[{KnownFolderId::ProgramFilesX86, false}] = "D:\\Apps32";
}

TEST(PathPlaceholders, TableOrderOnBothMachines) {
    fake::System windows64;
    EXPECT_EQ(BuildPlaceholderTable(windows64.services),
              (PlaceholderTable{{"commonpf", "{commonpf64}"},
                                {"localappdata", "C:\\Users\\user\\AppData\\Local"},
                                {"commonappdata", "C:\\Users\\user\\AppData\\Roaming"},
                                {"programdata", "C:\\ProgramData"},
                                {"commonpf32", "C:\\Program Files (x86)"},
                                {"commonpf64", "C:\\Program Files"}}));
    fake::System windows32(fake::Windows::x86);
    EXPECT_EQ(BuildPlaceholderTable(windows32.services),
              (PlaceholderTable{{"commonpf", "{commonpf32}"},
                                {"localappdata", "C:\\Users\\user\\AppData\\Local"},
                                {"commonappdata", "C:\\Users\\user\\AppData\\Roaming"},
                                {"programdata", "C:\\ProgramData"},
                                {"commonpf32", "C:\\Program Files"}}));
}

TEST(PathPlaceholders, ExpansionOnBothMachines) {
    const struct {
        const char* text;
        const char* windows64;
        const char* windows32;
    } cases[] = {
        {"{commonpf}\\Google\\Chrome\\Application\\chrome.exe",
         "D:\\Apps64\\Google\\Chrome\\Application\\chrome.exe",
         "D:\\Apps32\\Google\\Chrome\\Application\\chrome.exe"},
        {"{commonpf32}\\x", "D:\\Apps32\\x", "D:\\Apps32\\x"},
        {"{commonpf64}\\x", "D:\\Apps64\\x", "{commonpf64}\\x"},
        {"{commonappdata}\\Pellar\\Pellar.exe",
         "C:\\Users\\user\\AppData\\Roaming\\Pellar\\Pellar.exe",
         "C:\\Users\\user\\AppData\\Roaming\\Pellar\\Pellar.exe"},
        {"{programdata}|{localappdata}|{programdata}",
         "C:\\ProgramData|C:\\Users\\user\\AppData\\Local|C:\\ProgramData",
         "C:\\ProgramData|C:\\Users\\user\\AppData\\Local|C:\\ProgramData"},
        {"{CommonPF}\\x;{commonpf", "{CommonPF}\\x;{commonpf", "{CommonPF}\\x;{commonpf"},
        {"{temp}\\{}", "{temp}\\{}", "{temp}\\{}"},
        {"", "", ""},
    };
    fake::System windows64;
    fake::System windows32(fake::Windows::x86);
    UseDistinctProgramFiles(windows64);
    UseDistinctProgramFiles(windows32);
    const auto table64 = BuildPlaceholderTable(windows64.services);
    const auto table32 = BuildPlaceholderTable(windows32.services);
    for (const auto& c : cases) {
        EXPECT_EQ(ExpandPathPlaceholders(c.text, table64), c.windows64) << c.text;
        EXPECT_EQ(ExpandPathPlaceholders(c.text, table32), c.windows32) << c.text;
    }
}

TEST(PathPlaceholders, ProgramW6432MustBeSetAndFitAPathBuffer) {
    const std::string ascii259(259, 'a');
    const std::string ascii258WithAccent = std::string(258, 'a') + "\xC3\xA9";  // 259 units
    const struct {
        std::optional<std::string> value;
        bool entry;
    } cases[] = {
        {std::nullopt, false},
        {"", false},
        {"C:\\P", true},
        {ascii259, true},
        {ascii259 + "a", false},
        {ascii258WithAccent, true},
        {ascii258WithAccent + "\xF0\x9F\x98\x80", false},  // a surrogate pair: 261 units
    };
    for (const auto& c : cases) {
        fake::System system;
        if (c.value) {
            system.environment.variables["ProgramW6432"] = *c.value;
        } else {
            system.environment.variables.clear();
        }
        const auto table = BuildPlaceholderTable(system.services);
        EXPECT_EQ(table.back().first == "commonpf64", c.entry) << c.value.value_or("(unset)");
        if (!c.entry) {
            EXPECT_EQ(ExpandPathPlaceholders("{commonpf}\\x", table), "{commonpf64}\\x");
        }
    }
}

TEST(PathPlaceholders, UnreadableFolderKeepsItsEntryWithNoText) {
    fake::System system;
    system.knownFolders.byId.erase({KnownFolderId::LocalAppData, false});
    const auto table = BuildPlaceholderTable(system.services);
    EXPECT_EQ(table.size(), 6u);
    EXPECT_EQ(ExpandPathPlaceholders("{localappdata}\\Chromium", table), "\\Chromium");
}

TEST(PathPlaceholders, OnePassInTableOrder) {
    // A replacement is searched again by the later entries only.
    const PlaceholderTable table = {{"a", "{b}"}, {"b", "B"}, {"c", "{a}"}, {"d", "{d}{d}"}};
    EXPECT_EQ(ExpandPathPlaceholders("{a}{c}", table), "B{a}");
    EXPECT_EQ(ExpandPathPlaceholders("{d}", table), "{d}{d}");
    EXPECT_EQ(ExpandPathPlaceholders("{{b}}", table), "{B}");
}

}  // namespace
