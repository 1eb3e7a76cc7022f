#include "platform/win32/Win32FileSystem.h"

#include <windows.h>
#include <shlwapi.h>

#include "win/Text.h"

namespace platform::win32 {

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

bool FileSystem::RemoveFile(const std::string& path) {
    return ::DeleteFileW(Utf8ToWide(path).c_str()) != FALSE;
}

bool FileSystem::MakeFolder(const std::string& path) {
    return ::CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) != FALSE;
}

bool FileSystem::RemoveEmptyFolder(const std::string& path) {
    return ::RemoveDirectoryW(Utf8ToWide(path).c_str()) != FALSE;
}

bool FileSystem::IsFolder(const std::string& path) {
    return ::PathIsDirectoryW(Utf8ToWide(path).c_str()) != FALSE;
}

}  // namespace platform::win32
