#include "settings/RegistryQuery.h"

#include <utility>
#include <vector>

#include "settings/RegistryError.h"
#include "settings/RegistryKeys.h"
#include "settings/RegistryPath.h"
#include "settings/RegistryValues.h"

namespace win32 {
namespace {

// The predefined key a full path starts from, and the rest of the path.
std::pair<const platform::RegistryKey&, std::string_view> HiveAndSubkey(
    platform::Registry& registry, std::string_view path) {
    const auto slash = path.find('\\');
    const std::string_view subkey = slash == std::string_view::npos ? "" : path.substr(slash + 1);
    return {registry.Root(LookUpHive(path.substr(0, slash))), subkey};
}

bool KeyOpens(platform::Registry& registry, std::string_view path, std::uint32_t access) {
    const auto [hive, subkey] = HiveAndSubkey(registry, path);
    return hive.Open(subkey, access).Succeeded();
}

bool SoftwareKeyExists(RegistryCache& cache, const std::string& fullPath) {
    std::string path = fullPath;
    std::uint32_t flags = platform::kKeyRead;
    if (ResolveRegistryView(path, flags, cache.Windows64())) return false;

    const std::string_view hiveName = *RegistryPathPart(fullPath, 0);
    const std::string branch(*RegistryPathPart(fullPath, 1));
    const std::string_view rest =
        std::string_view(path).substr(hiveName.size() + branch.size() + 2);
    const platform::RegistryRoot hive = LookUpHive(hiveName);
    try {
        const auto& vendors = cache.BranchSubkeys(hive, flags, branch);
        if (!vendors.contains(std::string(rest.substr(0, rest.find('\\'))))) return false;
    } catch (const RegistryError&) {
        return false;
    }
    const auto branchKey = cache.Registry().Root(hive).Open(branch, flags);
    return branchKey.Succeeded() && branchKey.value->Open(rest, flags).Succeeded();
}

std::vector<std::string> ValueCandidates(std::string_view hiveName, std::string_view subkey,
                                         bool windows64) {
    const std::string hive = std::string(hiveName) + '\\';
    std::vector<std::string> candidates{hive + std::string(subkey)};
    constexpr std::string_view kSoftware = "software";
    if (windows64 && subkey.starts_with(kSoftware)) {
        candidates.push_back(hive + "software\\wow6432node" +
                             std::string(subkey.substr(kSoftware.size())));
    }
    return candidates;
}

// The value as text when the candidate key holds a text or number value.
std::optional<std::string> ReadCandidate(RegistryCache& cache, std::string path,
                                         std::string_view name) {
    std::uint32_t flags = platform::kKeyRead;
    if (ResolveRegistryView(path, flags, cache.Windows64())) return std::nullopt;
    const auto [hive, subkey] = HiveAndSubkey(cache.Registry(), path);
    const auto key = OpenKey(hive, subkey, flags);
    if (!ValueExists(*key, name)) return std::nullopt;
    switch (GetValueType(*key, name)) {
        case platform::kRegSz:
            return ReadString(*key, "", name);
        case platform::kRegDword:
            return std::to_string(ReadDword(*key, name));
        case platform::kRegQword:
            return std::to_string(ReadQword(*key, name));
        default:
            return std::nullopt;
    }
}

}  // namespace

bool RegistryKeyExists(RegistryCache& cache, const std::string& fullPath) {
    if (IsBelowSoftwareBranch(fullPath)) return SoftwareKeyExists(cache, fullPath);
    return KeyOpens(cache.Registry(), fullPath, platform::kKeyRead);
}

std::optional<std::string> ReadValueAsText(RegistryCache& cache, std::string_view hiveName,
                                           std::string_view subkey, std::string_view name) {
    for (const auto& candidate : ValueCandidates(hiveName, subkey, cache.Windows64())) {
        if (!RegistryKeyExists(cache, candidate)) continue;
        try {
            if (auto text = ReadCandidate(cache, candidate, name)) return text;
        } catch (const RegistryError&) {
            // A key or value that cannot be read leaves the next candidate.
        }
    }
    return std::nullopt;
}

}  // namespace win32
