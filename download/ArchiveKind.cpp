#include "download/ArchiveKind.h"

#include <algorithm>
#include <array>

namespace download {

namespace {

constexpr std::array<std::uint8_t, 4> kZipSignature = {0x50, 0x4B, 0x03, 0x04};
constexpr std::array<std::uint8_t, 6> kSevenZipSignature = {0x37, 0x7A, 0xBC, 0xAF, 0x27, 0x1C};

}  // namespace

ArchiveKind ArchiveKindOf(std::span<const std::uint8_t> head) {
    if (head.size() < kArchiveSignatureSize) return kNotAnArchive;
    if (std::equal(kSevenZipSignature.begin(), kSevenZipSignature.end(), head.begin())) {
        return kSevenZipArchive;
    }
    if (std::equal(kZipSignature.begin(), kZipSignature.end(), head.begin())) return kZipArchive;
    return kNotAnArchive;
}

std::string ExtractionFolderFor(std::string_view archivePath, const std::string& folder) {
    const auto backslash = archivePath.rfind('\\');
    if (backslash == std::string_view::npos) return folder;
    std::string_view name = archivePath.substr(backslash + 1);
    name = name.substr(0, name.rfind('.'));
    return folder + '\\' + std::string(name);
}

}  // namespace download
