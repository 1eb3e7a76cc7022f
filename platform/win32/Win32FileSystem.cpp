#include "platform/win32/Win32FileSystem.h"

#include <windows.h>
#include <shlwapi.h>

#include "win/Handle.h"
#include "win/Text.h"

namespace platform::win32 {

namespace {

Status FromResult(BOOL succeeded) { return Status{succeeded ? 0 : ::GetLastError()}; }

}  // namespace

std::optional<std::string> FileSystem::TempFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) return std::nullopt;
    return WideToUtf8({buffer, length});
}

std::optional<std::string> FileSystem::CreateUniqueFile(const std::string& folder,
                                                        const std::string& prefix) {
    wchar_t name[MAX_PATH];
    if (::GetTempFileNameW(Utf8ToWide(folder).c_str(), Utf8ToWide(prefix).c_str(), 0, name) == 0) {
        return std::nullopt;
    }
    return WideToUtf8(name);
}

Status FileSystem::RemoveFile(const std::string& path) {
    return FromResult(::DeleteFileW(Utf8ToWide(path).c_str()));
}

Status FileSystem::MakeFolder(const std::string& path) {
    return FromResult(::CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr));
}

Status FileSystem::RemoveEmptyFolder(const std::string& path) {
    return FromResult(::RemoveDirectoryW(Utf8ToWide(path).c_str()));
}

Status FileSystem::ScheduleDeleteOnRestart(const std::string& path) {
    return FromResult(
        ::MoveFileExW(Utf8ToWide(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
}

bool FileSystem::Exists(const std::string& path) {
    return ::PathFileExistsW(Utf8ToWide(path).c_str()) != FALSE;
}

bool FileSystem::IsFolder(const std::string& path) {
    return ::PathIsDirectoryW(Utf8ToWide(path).c_str()) != FALSE;
}

bool FileSystem::IsFolderEmpty(const std::string& path) {
    return ::PathIsDirectoryEmptyW(Utf8ToWide(path).c_str()) != FALSE;
}

std::vector<std::string> FileSystem::ListFolder(const std::string& path) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    const win::UniqueFindHandle find(
        ::FindFirstFileW(Utf8ToWide(path + "\\*.*").c_str(), &entry));
    if (!find) return names;
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(WideToUtf8(name));
    } while (::FindNextFileW(find.Get(), &entry));
    return names;
}

}  // namespace platform::win32
