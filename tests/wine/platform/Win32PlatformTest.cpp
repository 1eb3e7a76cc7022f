#include <windows.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Services.h"
#include "settings/WorkFolder.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace {

TEST(Win32FileSystem, FreshWorkFolderIsANewEmptyFolderInTheTempFolder) {
    platform::win32::FileSystem files;
    const auto temp = files.TempFolder();
    ASSERT_TRUE(temp.has_value());
    ASSERT_EQ(temp->back(), '\\');

    const auto first = CreateFreshWorkFolder(files);
    const auto second = CreateFreshWorkFolder(files);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    for (const auto& folder : {*first, *second}) {
        EXPECT_EQ(folder.rfind(*temp + "ISV", 0), 0u) << folder;
        EXPECT_TRUE(files.IsFolder(folder));
        // Empty: removing it as an empty folder succeeds.
        EXPECT_TRUE(files.RemoveEmptyFolder(folder));
        EXPECT_FALSE(files.IsFolder(folder));
    }
}

TEST(Win32FileSystem, FolderThatCannotBeMadeIsReported) {
    platform::win32::FileSystem files;
    EXPECT_FALSE(files.MakeFolder("Q:\\no such drive\\folder"));
    EXPECT_FALSE(files.IsFolder("Q:\\no such drive\\folder"));
    EXPECT_FALSE(files.CreateUniqueFile("Q:\\no such drive\\", "ISV").has_value());
    EXPECT_FALSE(files.RemoveFile("Q:\\no such drive\\file.tmp"));
}

TEST(Win32ModuleInfo, ReadsTheFileVersionOfTheProgram) {
    const std::wstring program = test_support::BesideTestProgram(L"quillet.exe");
    win::UniqueModule module(::LoadLibraryExW(
        program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(module);
    const auto version = platform::win32::ModuleInfo(module.Get()).OwnFileVersion();
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(platform::FormatFileVersion(*version), "3.1.0.11073");
}

TEST(Win32ModuleInfo, ModuleWithoutVersionResourceHasNone) {
    // The test program itself carries no version resource.
    EXPECT_FALSE(platform::win32::ModuleInfo().OwnFileVersion().has_value());
}

TEST(Win32Text, RoundTripsUtf8ThroughUtf16) {
    const std::string text = "Pellar \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // é € 😀
    const std::wstring wide = Utf8ToWide(text);
    EXPECT_EQ(wide, L"Pellar \u00E9\u20AC\U0001F600");
    EXPECT_EQ(WideToUtf8(wide), text);
    EXPECT_EQ(Utf8ToWide(""), L"");
}

}  // namespace
