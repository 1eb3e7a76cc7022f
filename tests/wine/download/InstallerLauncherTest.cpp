#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "TestSupport.h"
#include "download/WineTestFolder.h"
#include "download/win32/InstallerLauncher.h"
#include "download/win32/InstallerPreparation.h"
#include "platform/win32/Win32Services.h"
#include "win/Text.h"

namespace {

using download::LaunchResult;
using test_support::CopyFileTo;
using test_support::DownloadFixture;
using test_support::FileExists;
using test_support::InTempFolder;
using test_support::ReadWholeFile;
using test_support::TestFolder;

const std::string kLaunchFailure = "Error launching executable: ";

// The command line an installer that was not waited for wrote, once it is
// there.
// The installer makes its record before it writes to it, so an empty record
// is waited out too.
std::string RecordedCommandLine(const std::string& installer) {
    std::string text;
    uidriver::WaitFor([&] { return !(text = ReadWholeFile(installer + ".cmdline")).empty(); },
                      test_support::kTimeoutMs);
    return text;
}

TEST(LaunchInstaller, ProductInstallerRunsSilentlyWithItsOptionsAndIsWaitedFor) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string installer = folder / "Pellar Setup.exe";
    ASSERT_TRUE(CopyFileTo(DownloadFixture("product.exe"), installer));
    const std::string installed = platform::win32::KnownFolders().GetKnownFolder(
                                      platform::KnownFolderId::RoamingAppData, false) +
                                  "\\Pellar";
    const TestFolder productFolder(installed);

    const LaunchResult result =
        download::LaunchInstaller(installer, "/S /FORCEINSTALL 1110010101111110", true);

    EXPECT_EQ(result, (LaunchResult{0, ""}));
    EXPECT_EQ(ReadWholeFile(installer + ".cmdline"),
              "\"" + installer + "\" /S /FORCEINSTALL 1110010101111110");
    EXPECT_TRUE(FileExists(installed + "\\Pellar.exe"));
}

TEST(LaunchInstaller, InstallerNotWaitedForHasNoExitCodeAndEmptyArgumentsKeepTheSpace) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string installer = folder / "offer.exe";
    ASSERT_TRUE(CopyFileTo(DownloadFixture("offer.exe"), installer));

    const LaunchResult result = download::LaunchInstaller(installer, "", false);

    EXPECT_EQ(result, (LaunchResult{4294967295u, "exit code = 4294967295"}));
    EXPECT_EQ(RecordedCommandLine(installer), "\"" + installer + "\" ");
}

TEST(LaunchInstaller, ExitCode3010IsReportedWithItsText) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string installer = folder / "restart.exe";
    ASSERT_TRUE(CopyFileTo(DownloadFixture("exit3010.exe"), installer));

    EXPECT_EQ(download::LaunchInstaller(installer, "/S", true),
              (LaunchResult{3010, "exit code = 3010"}));
}

TEST(LaunchInstaller, FileThatIsNoProgramFailsToStartWithTheSystemsReason) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string archive = folder / "archive.7z";
    ASSERT_TRUE(CopyFileTo(DownloadFixture("archive.7z"), archive));

    const auto [code, text] = download::LaunchInstaller(archive, "/S", true);

    EXPECT_EQ(code, download::kNoExitCode);
    ASSERT_GT(text.size(), kLaunchFailure.size()) << text;
    EXPECT_EQ(text.substr(0, kLaunchFailure.size()), kLaunchFailure);
}

TEST(PrepareInstaller, ZipIsUnpackedIntoAFolderNamedAfterItAndItsProgramStarted) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string archive = folder / "offer.zip";
    ASSERT_TRUE(CopyFileTo(DownloadFixture("offer.zip"), archive));

    const auto kind = download::DetectArchive(archive);
    const std::string program = download::PrepareInstaller(archive, kind, folder.Path());

    EXPECT_EQ(kind, download::kZipArchive);
    EXPECT_EQ(program, folder / "offer\\setup.exe");
    EXPECT_EQ(ReadWholeFile(folder / "offer\\docs\\readme.txt"), "Read me.\r\n");
    EXPECT_EQ(download::LaunchInstaller(program, "/S", true), (LaunchResult{0, ""}));
    EXPECT_EQ(ReadWholeFile(program + ".cmdline"), "\"" + program + "\" /S");
}

TEST(PrepareInstaller, ArchiveWithoutProgramAndSevenZipArchiveAreStartedAsThemselvesAndFail) {
    const struct {
        std::string fixture;
        download::ArchiveKind kind;
        std::string unpacked;  // a file the archive leaves behind, if any
    } cases[] = {
        {"docs-only.zip", download::kZipArchive, "docs-only\\docs\\readme.txt"},
        {"archive.7z", download::kSevenZipArchive, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const TestFolder folder(InTempFolder("Quillet launcher"));
        const std::string archive = folder / c.fixture;
        ASSERT_TRUE(CopyFileTo(DownloadFixture(c.fixture), archive));

        const auto kind = download::DetectArchive(archive);
        const std::string program = download::PrepareInstaller(archive, kind, folder.Path());
        const auto [code, text] = download::LaunchInstaller(program, "/S", true);

        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(program, archive);
        if (!c.unpacked.empty()) {
            EXPECT_TRUE(FileExists(folder / c.unpacked));
        }
        EXPECT_EQ(code, download::kNoExitCode);
        EXPECT_EQ(text.substr(0, kLaunchFailure.size()), kLaunchFailure);
        EXPECT_GT(text.size(), kLaunchFailure.size());
    }
}

TEST(PrepareInstaller, ZipWithAnEntryOutsideItsFolderIsNotUnpackedAtAll) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string archive = folder / "escape.zip";
    ASSERT_TRUE(CopyFileTo(DownloadFixture("escape.zip"), archive));

    EXPECT_EQ(download::PrepareInstaller(archive, download::kZipArchive, folder.Path()), archive);
    EXPECT_FALSE(FileExists(folder / "escaped.txt"));
    EXPECT_FALSE(FileExists(folder / "escape\\setup.exe"));
}

TEST(PrepareInstaller, ArchiveNamedWithoutExtensionIsUnpackedBesideItself) {
    // The product is saved as "stable": its folder name is taken by the file.
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string archive = folder / "stable";
    ASSERT_TRUE(CopyFileTo(DownloadFixture("offer.zip"), archive));

    EXPECT_EQ(download::PrepareInstaller(archive, download::DetectArchive(archive), folder.Path()),
              folder / "setup.exe");
}

TEST(DetectArchive, FilesTooShortOrMissingAreNoArchive) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    const std::string stub = folder / "stub.zip";
    {
        std::FILE* file = _wfopen(Utf8ToWide(stub).c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        std::fputs("PK\x03\x04", file);
        std::fclose(file);
    }
    EXPECT_EQ(download::DetectArchive(stub), download::kNotAnArchive);
    EXPECT_EQ(download::DetectArchive(folder / "missing.zip"), download::kNotAnArchive);
}

TEST(FindFirstExe, SkipsFoldersAndFindsNothingInAFolderWithoutPrograms) {
    const TestFolder folder(InTempFolder("Quillet launcher"));
    EXPECT_EQ(download::FindFirstExe(folder.Path()), "");
    ::CreateDirectoryW(Utf8ToWide(folder / "tools.exe").c_str(), nullptr);
    EXPECT_EQ(download::FindFirstExe(folder.Path()), "");
    ASSERT_TRUE(CopyFileTo(DownloadFixture("offer.exe"), folder / "b.exe"));
    EXPECT_EQ(download::FindFirstExe(folder.Path()), "b.exe");
}

}  // namespace
