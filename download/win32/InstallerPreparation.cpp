#include "download/win32/InstallerPreparation.h"

#include <windows.h>
#include <shlwapi.h>

#include <array>

#include "download/win32/ZipExtraction.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace download {

namespace {

// The archive's own folder when it can be had, else folder. A file in the
// way (an archive named without extension, say) cannot hold the files.
std::string MakeExtractionFolder(const std::string& archive, const std::string& folder) {
    const std::string wanted = ExtractionFolderFor(archive, folder);
    const std::wstring wide = Utf8ToWide(wanted);
    if (::CreateDirectoryW(wide.c_str(), nullptr)) return wanted;
    if (::GetLastError() == ERROR_ALREADY_EXISTS && ::PathIsDirectoryW(wide.c_str())) return wanted;
    return folder;
}

}  // namespace

ArchiveKind DetectArchive(const std::string& path) {
    const win::UniqueFileHandle file(::CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::array<std::uint8_t, kArchiveSignatureSize> head{};
    DWORD read = 0;
    if (!file ||
        !::ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr)) {
        return kNotAnArchive;
    }
    return ArchiveKindOf(std::span(head).first(read));
}

std::string PrepareInstaller(const std::string& path, ArchiveKind kind, const std::string& folder) {
    if (kind != kZipArchive) return path;
    const std::string extracted = MakeExtractionFolder(path, folder);
    if (!ExtractZip(path, extracted)) return path;
    const std::string program = FindFirstExe(extracted);
    return program.empty() ? path : extracted + "\\" + program;
}

std::string FindFirstExe(const std::string& folder) {
    WIN32_FIND_DATAW entry;
    const win::UniqueFindHandle find(
        ::FindFirstFileW(Utf8ToWide(folder + "\\*.exe").c_str(), &entry));
    if (!find) return "";
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return WideToUtf8(entry.cFileName);
    } while (::FindNextFileW(find.Get(), &entry));
    return "";
}

}  // namespace download
