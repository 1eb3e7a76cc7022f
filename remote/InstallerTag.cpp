#include "remote/InstallerTag.h"

namespace {

constexpr std::size_t kTagLength = 7;

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}  // namespace

std::string InstallerTagFromPath(std::string_view path) {
    // Only the file name counts: an "_" or "." in a folder name is no tag.
    const auto nameStart = path.find_last_of("\\/");
    const std::string_view name =
        nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    const auto underscore = name.rfind('_');
    if (underscore == std::string_view::npos) return "";
    std::string_view tag = name.substr(underscore + 1);
    tag = tag.substr(0, tag.rfind('.'));
    if (CharacterCount(tag) != kTagLength || tag.find('-') == std::string_view::npos) return "";
    return std::string(tag);
}

std::string GetInstallerTag(platform::ModuleInfo& module) {
    return InstallerTagFromPath(module.FilePath());
}
