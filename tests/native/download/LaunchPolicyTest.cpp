#include <gtest/gtest.h>

#include <vector>

#include "download/ArchiveKind.h"
#include "download/LaunchResult.h"
#include "download/ZipEntryPath.h"

namespace {

using download::LaunchResult;

TEST(InstallerCommandLine, QuotesThePathAndKeepsTheSpaceBeforeTheArguments) {
    EXPECT_EQ(download::InstallerCommandLine("C:\\Temp\\With Space\\setup.exe", "/S"),
              "\"C:\\Temp\\With Space\\setup.exe\" /S");
    EXPECT_EQ(download::InstallerCommandLine("C:\\Temp\\stable", ""), "\"C:\\Temp\\stable\" ");
}

TEST(LaunchResult, ExitCodeOtherThanZeroAndStartFailuresCarryATextForTheReport) {
    EXPECT_EQ(download::StartedResult(0), (LaunchResult{0, ""}));
    EXPECT_EQ(download::StartedResult(3010), (LaunchResult{3010, "exit code = 3010"}));
    EXPECT_EQ(download::StartedResult(download::kNoExitCode),
              (LaunchResult{4294967295u, "exit code = 4294967295"}));
    EXPECT_EQ(download::NotStartedResult("Bad EXE format."),
              (LaunchResult{4294967295u, "Error launching executable: Bad EXE format."}));
}

TEST(ArchiveKindOf, KnowsZipAndSevenZipByTheirFirstBytes) {
    const struct {
        std::vector<std::uint8_t> head;
        download::ArchiveKind kind;
    } cases[] = {
        {{0x50, 0x4B, 0x03, 0x04, 0x14, 0x00}, download::kZipArchive},
        {{0x37, 0x7A, 0xBC, 0xAF, 0x27, 0x1C}, download::kSevenZipArchive},
        {{0x50, 0x4B, 0x03, 0x04}, download::kNotAnArchive},              // too short to tell
        {{0x50, 0x4B, 0x05, 0x06, 0x00, 0x00}, download::kNotAnArchive},  // end record only
        {{0x37, 0x7A, 0xBC, 0xAF, 0x27, 0x1D}, download::kNotAnArchive},
        {{'M', 'Z', 0x90, 0x00, 0x03, 0x00}, download::kNotAnArchive},
    };
    for (const auto& c : cases) EXPECT_EQ(download::ArchiveKindOf(c.head), c.kind);
}

TEST(ExtractionFolderFor, IsTheArchiveNameWithoutExtensionInTheFolder) {
    const std::string work = "C:\\Temp\\ISV1A2B.tmp";
    const struct {
        std::string archive;
        std::string folder;
    } cases[] = {
        {work + "\\offer.zip", work + "\\offer"},
        {work + "\\offer.v2.zip", work + "\\offer.v2"},
        {work + "\\stable", work + "\\stable"},
        {"C:\\Other.d\\offer", work + "\\offer"},
        {"offer.zip", work},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(download::ExtractionFolderFor(c.archive, work), c.folder) << c.archive;
    }
}

TEST(ZipEntryPath, KeepsEntriesInsideTheExtractionFolder) {
    const struct {
        std::string entry;
        std::optional<std::string> path;
    } cases[] = {
        {"setup.exe", "setup.exe"},
        {"docs/readme.txt", "docs\\readme.txt"},
        {"docs/", "docs"},
        {"docs\\guide\\a.txt", "docs\\guide\\a.txt"},
        {"a//b/./c.txt", "a\\b\\c.txt"},
        {"../evil.exe", std::nullopt},
        {"docs/../../evil.exe", std::nullopt},
        {"docs/.. /evil.exe", std::nullopt},
        {"/etc/evil", std::nullopt},
        {"\\evil.exe", std::nullopt},
        {"C:/evil.exe", std::nullopt},
        {"setup.exe:hidden", std::nullopt},
        {"docs/CON", std::nullopt},
        {"", std::nullopt},
        {"./", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(download::ZipEntryPath(c.entry), c.path) << c.entry;
}

}  // namespace
