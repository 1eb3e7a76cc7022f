#include "settings/PathPlaceholders.h"

#include <cstddef>

namespace {

// UTF-16 units of a UTF-8 text: one per sequence, two for four-byte ones.
std::size_t Utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

// Characters of a MAX_PATH buffer, its terminator included.
constexpr std::size_t kMaxPath = 260;

}  // namespace

PlaceholderTable BuildPlaceholderTable(platform::System& system) {
    using platform::KnownFolderId;
    const bool windows64 = system.wow64.IsWow64Process();
    const auto folder = [&system](KnownFolderId id) {
        return system.knownFolders.GetKnownFolder(id, false);
    };
    PlaceholderTable table = {
        {"commonpf", windows64 ? "{commonpf64}" : "{commonpf32}"},
        {"localappdata", folder(KnownFolderId::LocalAppData)},
        {"commonappdata", folder(KnownFolderId::RoamingAppData)},
        {"programdata", folder(KnownFolderId::ProgramData)},
        {"commonpf32", folder(KnownFolderId::ProgramFilesX86)},
    };
    if (windows64) {
        const auto programFiles = system.environment.Variable("ProgramW6432");
        if (programFiles && !programFiles->empty() && Utf16Length(*programFiles) < kMaxPath) {
            table.emplace_back("commonpf64", *programFiles);
        }
    }
    return table;
}

std::string ExpandPathPlaceholders(std::string_view text, const PlaceholderTable& table) {
    std::string result(text);
    for (const auto& [name, value] : table) {
        const std::string token = '{' + name + '}';
        std::string expanded;
        std::size_t from = 0;
        for (std::size_t at; (at = result.find(token, from)) != std::string::npos;
             from = at + token.size()) {
            expanded.append(result, from, at - from) += value;
        }
        result = expanded.append(result, from);
    }
    return result;
}
