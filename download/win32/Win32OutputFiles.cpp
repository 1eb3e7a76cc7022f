#include "download/win32/Win32OutputFiles.h"

#include <windows.h>
#include <shlwapi.h>

#include "download/win32/SystemMessage.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace download::win32 {

namespace {

class File : public OutputFile {
public:
    explicit File(win::UniqueFileHandle handle) : handle_(std::move(handle)) {}

    bool Write(std::span<const std::uint8_t> bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            if (!::WriteFile(handle_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                             &written, nullptr) ||
                written == 0) {
                return false;
            }
            bytes = bytes.subspan(written);
        }
        return true;
    }

private:
    win::UniqueFileHandle handle_;
};

}  // namespace

bool Win32OutputFiles::IsFolder(const std::string& path) {
    return ::PathIsDirectoryW(Utf8ToWide(path).c_str()) != FALSE;
}

std::unique_ptr<OutputFile> Win32OutputFiles::Create(const std::string& path) {
    win::UniqueFileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    return std::make_unique<File>(std::move(file));
}

std::optional<std::uint64_t> Win32OutputFiles::SizeOf(const std::string& path) {
    const win::UniqueFileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

void Win32OutputFiles::Remove(const std::string& path) {
    ::DeleteFileW(Utf8ToWide(path).c_str());
}

SystemError Win32OutputFiles::LastError() {
    return LastSystemError();
}

}  // namespace download::win32
