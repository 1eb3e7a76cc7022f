#include "download/win32/MiniZipExtraction.h"

#include <windows.h>

#include <unzip.h>
// After unzip.h, which brings the zlib macros it needs.
#include <iowin32.h>

#include <memory>
#include <optional>
#include <vector>

#include "download/ZipEntryPath.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace download {

namespace {

constexpr uLong kUtf8NamesFlag = 0x800;  // general purpose bit 11
constexpr UINT kOemUsCodePage = 437;     // names without that flag
constexpr std::size_t kCopyBuffer = 64 * 1024;

struct ZipCloser {
    void operator()(void* zip) const { unzClose(zip); }
};
using UniqueZip = std::unique_ptr<void, ZipCloser>;

// The entry the archive stands on, open for reading while this lives.
class OpenEntry {
public:
    explicit OpenEntry(unzFile zip) : zip_(zip), open_(unzOpenCurrentFile(zip) == UNZ_OK) {}
    ~OpenEntry() {
        if (open_) unzCloseCurrentFile(zip_);
    }
    OpenEntry(const OpenEntry&) = delete;
    OpenEntry& operator=(const OpenEntry&) = delete;

    explicit operator bool() const { return open_; }
    // Closes it; false when its data did not match its checksum.
    bool Close() {
        open_ = false;
        return unzCloseCurrentFile(zip_) == UNZ_OK;
    }

private:
    unzFile zip_;
    bool open_;
};

struct Entry {
    std::wstring path;  // relative to the destination
    bool folder = false;
};

// The name of the entry the archive stands on, as UTF-8.
std::optional<std::string> CurrentName(unzFile zip) {
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        return std::nullopt;
    }
    std::vector<char> name(info.size_filename + 1, '\0');
    if (unzGetCurrentFileInfo64(zip, &info, name.data(), static_cast<uLong>(name.size()), nullptr,
                                0, nullptr, 0) != UNZ_OK) {
        return std::nullopt;
    }
    const UINT codePage = (info.flag & kUtf8NamesFlag) ? CP_UTF8 : kOemUsCodePage;
    const int size = static_cast<int>(info.size_filename);
    const int length = ::MultiByteToWideChar(codePage, 0, name.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, name.data(), size, wide.data(), length);
    return WideToUtf8(wide);
}

// Every entry in archive order; nullopt when one cannot be read or would
// leave the destination.
std::optional<std::vector<Entry>> ListEntries(unzFile zip) {
    std::vector<Entry> entries;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        const auto name = CurrentName(zip);
        if (!name) return std::nullopt;
        const auto path = ZipEntryPath(*name);
        if (!path) return std::nullopt;
        entries.push_back({Utf8ToWide(*path), name->ends_with('/') || name->ends_with('\\')});
    }
    return entries;
}

// Creates the folders on the way to path, and path itself when it is one.
void MakeFolders(const std::wstring& destination, const Entry& entry) {
    for (auto end = entry.path.find(L'\\'); end != std::wstring::npos;
         end = entry.path.find(L'\\', end + 1)) {
        ::CreateDirectoryW((destination + entry.path.substr(0, end)).c_str(), nullptr);
    }
    if (entry.folder) ::CreateDirectoryW((destination + entry.path).c_str(), nullptr);
}

bool WriteAll(HANDLE file, const char* data, DWORD size) {
    DWORD written = 0;
    return ::WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool ExtractCurrent(unzFile zip, const std::wstring& target) {
    OpenEntry entry(zip);
    const win::UniqueFileHandle file(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr,
                                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!entry || !file) return false;
    std::vector<char> buffer(kCopyBuffer);
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) >
           0) {
        if (!WriteAll(file.Get(), buffer.data(), static_cast<DWORD>(read))) return false;
    }
    return read == 0 && entry.Close();
}

}  // namespace

bool ExtractWithMiniZip(const std::string& archive, const std::string& destination) {
    zlib_filefunc64_def io{};
    fill_win32_filefunc64W(&io);
    const UniqueZip zip(unzOpen2_64(Utf8ToWide(archive).c_str(), &io));
    if (!zip) return false;
    // All names are checked before anything is written.
    const auto entries = ListEntries(zip.get());
    if (!entries || entries->empty()) return false;
    const std::wstring folder = Utf8ToWide(destination) + L"\\";
    int status = unzGoToFirstFile(zip.get());
    for (const Entry& entry : *entries) {
        if (status != UNZ_OK) return false;
        MakeFolders(folder, entry);
        if (!entry.folder && !ExtractCurrent(zip.get(), folder + entry.path)) return false;
        status = unzGoToNextFile(zip.get());
    }
    return true;
}

}  // namespace download
