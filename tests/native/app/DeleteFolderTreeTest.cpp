#include "app/DeleteFolderTree.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"

namespace {

const std::string kWork = "C:\\Temp\\ISV1A2B.tmp";

// A work folder with a file, a nested folder with a file, and an empty folder.
struct FilledWorkFolder : ::testing::Test {
    fake::FileSystem files;
    void SetUp() override {
        files.folders = {kWork, kWork + "\\offer", kWork + "\\offer\\docs", kWork + "\\empty"};
        files.files = {kWork + "\\setup.exe", kWork + "\\offer\\docs\\readme.txt",
                       kWork + "\\offer\\offer.zip"};
    }
};

TEST_F(FilledWorkFolder, EverythingGoesAndNothingIsScheduled) {
    DeleteFolderTree(files, kWork);
    EXPECT_TRUE(files.files.empty());
    EXPECT_TRUE(files.folders.empty());
    EXPECT_TRUE(files.scheduledForRestart.empty());
}

TEST_F(FilledWorkFolder, FilesInUseAreScheduledWithTheirFoldersAfterThem) {
    files.removeErrors[kWork + "\\setup.exe"] = platform::kErrorSharingViolation;
    files.removeErrors[kWork + "\\offer\\docs\\readme.txt"] = platform::kErrorAccessDenied;
    DeleteFolderTree(files, kWork);

    EXPECT_EQ(files.files, (std::set<std::string>{kWork + "\\setup.exe",
                                                  kWork + "\\offer\\docs\\readme.txt"}));
    const auto& scheduled = files.scheduledForRestart;
    const auto position = [&](const std::string& path) {
        return std::find(scheduled.begin(), scheduled.end(), path) - scheduled.begin();
    };
    ASSERT_EQ(scheduled.size(), 5u);  // two files and the three folders holding them
    EXPECT_LT(position(kWork + "\\offer\\docs\\readme.txt"), position(kWork + "\\offer\\docs"));
    EXPECT_LT(position(kWork + "\\offer\\docs"), position(kWork + "\\offer"));
    EXPECT_LT(position(kWork + "\\setup.exe"), position(kWork));
    EXPECT_LT(position(kWork + "\\offer"), position(kWork));
    EXPECT_FALSE(files.IsFolder(kWork + "\\empty"));
}

TEST_F(FilledWorkFolder, FileThatFailsForAnotherReasonIsNotScheduled) {
    files.removeErrors[kWork + "\\setup.exe"] = 2;  // already gone
    files.files.erase(kWork + "\\setup.exe");
    DeleteFolderTree(files, kWork);
    EXPECT_TRUE(files.scheduledForRestart.empty());
    EXPECT_TRUE(files.folders.empty());
}

TEST(DeleteFolderTree, EmptyFolderIsRemovedAndAMissingOneIgnored) {
    fake::FileSystem files;
    files.folders = {kWork};
    DeleteFolderTree(files, kWork);
    EXPECT_TRUE(files.folders.empty());
    DeleteFolderTree(files, kWork);
    EXPECT_TRUE(files.scheduledForRestart.empty());
}

TEST(DeleteFolderTree, FileGivenAsFolderIsLeftAlone) {
    fake::FileSystem files;
    files.files = {kWork};
    DeleteFolderTree(files, kWork);
    EXPECT_EQ(files.files.size(), 1u);
}

}  // namespace
