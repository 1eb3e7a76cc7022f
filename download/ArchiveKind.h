#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace download {

// What a downloaded file is, by its first six bytes.
enum ArchiveKind : int {
    kNotAnArchive = 0,
    kZipArchive = 1,
    kSevenZipArchive = 2,  // recognised, never unpacked
};

inline constexpr std::size_t kArchiveSignatureSize = 6;

// head: the file's first bytes; fewer than six is not an archive.
ArchiveKind ArchiveKindOf(std::span<const std::uint8_t> head);

// The folder a ZIP archive at archivePath is unpacked into: folder, a
// backslash and the archive's file name without its extension; folder
// itself when archivePath holds no backslash.
std::string ExtractionFolderFor(std::string_view archivePath, const std::string& folder);

}  // namespace download
