#include "download/WineTestFolder.h"

#include <windows.h>
#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestSupport.h"
#include "app/DeleteFolderTree.h"
#include "platform/win32/Win32FileSystem.h"
#include "win/Text.h"

namespace test_support {

namespace {

bool RemoveTree(const std::string& folder) {
    platform::win32::FileSystem files;
    DeleteFolderTree(files, folder);
    return !files.Exists(folder);
}

}  // namespace

TestFolder::TestFolder(std::string path) : path_(std::move(path)) {
    RemoveTree(path_);
    ::CreateDirectoryW(Utf8ToWide(path_).c_str(), nullptr);
}

TestFolder::~TestFolder() {
    // An installer that was not waited for may still hold its file a moment.
    uidriver::WaitFor([&] { return RemoveTree(path_); }, kTimeoutMs);
}

std::string InTempFolder(const std::string& name) {
    return *platform::win32::FileSystem().TempFolder() + name;
}

std::string DownloadFixture(const std::string& name) {
    return WideToUtf8(BesideTestProgram(L"download-fixtures\\" + Utf8ToWide(name)));
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    return ::CopyFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), FALSE) != FALSE;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(std::filesystem::path(Utf8ToWide(path)), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool FileExists(const std::string& path) {
    return ::PathFileExistsW(Utf8ToWide(path).c_str()) != FALSE;
}

}  // namespace test_support
