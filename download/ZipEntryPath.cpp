#include "download/ZipEntryPath.h"

#include "download/FileNames.h"

namespace download {

std::optional<std::string> ZipEntryPath(std::string_view entryName) {
    if (entryName.empty() || entryName.front() == '/' || entryName.front() == '\\') {
        return std::nullopt;
    }
    std::string path;
    while (!entryName.empty()) {
        const auto separator = entryName.find_first_of("/\\");
        const std::string_view part = entryName.substr(0, separator);
        entryName = separator == std::string_view::npos ? "" : entryName.substr(separator + 1);
        // "a//b" and "a/./b" name a/b; any other odd part is refused.
        if (part.empty() || part == ".") continue;
        if (!IsPlainFileName(part)) return std::nullopt;
        if (!path.empty()) path += '\\';
        path += part;
    }
    if (path.empty()) return std::nullopt;
    return path;
}

}  // namespace download
