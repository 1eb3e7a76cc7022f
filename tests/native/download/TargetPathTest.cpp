#include "download/TargetPath.h"

#include <gtest/gtest.h>

#include "download/FileNames.h"
#include "download/fake/MemoryFiles.h"
#include "platform/fake/FakeSystem.h"

namespace {

const std::string kWork = "C:\\Temp\\ISV1A2B.tmp";

TEST(FileNameFromUrl, IsEverythingAfterTheLastSlash) {
    const struct {
        std::string url;
        std::string name;
    } cases[] = {
        {"https://dl.example/files/setup.exe", "setup.exe"},
        {"https://dl.example/get?id=7&lang=en", "get?id=7&lang=en"},
        {"https://dl.example/get?path=a/b/offer.exe", "offer.exe"},
        {"https://dl.example/endpoint/track/stable", "stable"},
        {"https://dl.example/files/", ""},
        {"setup.exe", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(download::FileNameFromUrl(c.url), c.name) << c.url;
}

TEST(IsPlainFileName, RefusesWhatWouldLeaveTheFolderOrNameADevice) {
    for (const char* name : {"", ".", "..", ".. ", " ..", "...", "..\\evil.exe", "a\\b.exe",
                             "a/b.exe", "C:evil.exe", "setup.exe:stream", "CON", "con.txt", "Nul",
                             "aux.exe", "PRN", "COM1", "lpt9.log", "NUL .txt"}) {
        EXPECT_FALSE(download::IsPlainFileName(name)) << '"' << name << '"';
    }
    for (const char* name : {"setup.exe", "stable", ".hidden", "a..b", "CONSOLE.exe", "COM10",
                             "LPT0", "nul_file", "get?id=7"}) {
        EXPECT_TRUE(download::IsPlainFileName(name)) << '"' << name << '"';
    }
}

struct TargetPathRig {
    fake::MemoryFiles files;
    fake::MessageBoxes messageBoxes;
    TargetPathRig() { files.folders = {kWork, "C:\\Temp\\"}; }
    std::string Resolve(const std::string& folder, const std::string& url,
                        const std::string& fileName = "") {
        return download::ResolveTargetPath(files, messageBoxes, folder, url, fileName);
    }
};

TEST(ResolveTargetPath, JoinsTheFolderWithTheGivenNameOrTheUrlsLastPart) {
    TargetPathRig rig;
    EXPECT_EQ(rig.Resolve(kWork, "https://dl.example/a/setup.exe"), kWork + "\\setup.exe");
    EXPECT_EQ(rig.Resolve(kWork, "https://dl.example/a/setup.exe", "Pellar.exe"),
              kWork + "\\Pellar.exe");
    EXPECT_EQ(rig.Resolve("C:\\Temp\\", "https://dl.example/a/b.exe"), "C:\\Temp\\b.exe");
    EXPECT_TRUE(rig.messageBoxes.shown.empty());
}

TEST(ResolveTargetPath, NamesThatCannotBeAFileInTheFolderGiveNoPath) {
    TargetPathRig rig;
    const struct {
        std::string url;
        std::string fileName;
    } cases[] = {
        {"https://dl.example/a/..\\..\\evil.exe", ""},
        {"https://dl.example/a/C:\\evil.exe", ""},
        {"https://dl.example/a/..", ""},
        {"https://dl.example/files/", ""},
        {"no-slash", ""},
        {"https://dl.example/a/setup.exe", "..\\setup.exe"},
        {"https://dl.example/a/setup.exe", "NUL"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rig.Resolve(kWork, c.url, c.fileName), "") << c.url << " " << c.fileName;
    }
    EXPECT_TRUE(rig.messageBoxes.shown.empty());
}

TEST(ResolveTargetPath, MissingFolderSaysInvalidPath) {
    TargetPathRig rig;
    EXPECT_EQ(rig.Resolve("C:\\Gone", "https://dl.example/a/setup.exe"), "");
    EXPECT_EQ(rig.messageBoxes.shown, std::vector<std::string>{"Invalid path"});
}

}  // namespace
