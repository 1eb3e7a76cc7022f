#include "settings/RegistryPath.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <utility>

namespace win32 {
namespace {

using platform::RegistryRoot;

constexpr std::array<std::pair<std::string_view, RegistryRoot>, 5> kHives = {{
    {"hkey_local_machine", RegistryRoot::LocalMachine},
    {"hkey_current_user", RegistryRoot::CurrentUser},
    {"hkey_classes_root", RegistryRoot::ClassesRoot},
    {"hkey_users", RegistryRoot::Users},
    {"hkey_current_config", RegistryRoot::CurrentConfig},
}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kAbbreviations = {{
    {"hkcc", "hkey_current_config"},
    {"hkcr", "hkey_classes_root"},
    {"hkcu", "hkey_current_user"},
    {"hklm", "hkey_local_machine"},
    {"hku", "hkey_users"},
}};

constexpr std::array<std::string_view, 2> kSoftwarePrefixes = {
    "hkey_local_machine\\software\\",
    "hkey_current_user\\software\\",
};

constexpr std::array<std::string_view, 2> kSoftware32Prefixes = {
    "hkey_local_machine\\software\\wow6432node\\",
    "hkey_current_user\\software\\wow6432node\\",
};

constexpr std::string_view kWow64Node = "wow6432node";

// Whether path begins with the hive name followed by a backslash.
bool NamesHive(std::string_view path, std::string_view hive) {
    return path.size() > hive.size() && path.starts_with(hive) && path[hive.size()] == '\\';
}

}  // namespace

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::vector<std::string> ExpandRegistryPath(std::string_view path, bool windows64) {
    if (path.empty()) return {};
    for (const auto& [name, root] : kHives) {
        if (NamesHive(path, name)) return {std::string(path)};
    }
    for (const auto& [abbreviation, name] : kAbbreviations) {
        if (NamesHive(path, abbreviation)) {
            return {std::string(name) + std::string(path.substr(abbreviation.size()))};
        }
    }
    std::vector<std::string> candidates;
    for (const auto prefix : kSoftwarePrefixes) candidates.push_back(std::string(prefix) += path);
    if (windows64) {
        for (const auto prefix : kSoftware32Prefixes) {
            candidates.push_back(std::string(prefix) += path);
        }
    }
    return candidates;
}

bool ResolveRegistryView(std::string& path, std::uint32_t& flags, bool windows64) {
    if (!IsBelowSoftwareBranch(path)) return false;
    const auto third = RegistryPathPart(path, 2);
    if (!third) throw std::out_of_range("registry path ends after the software branch");
    if (*third != kWow64Node) {
        if (windows64) flags |= platform::kKeyWow64_64Key;
        return false;
    }
    if (!windows64) return true;
    // The process's own view is the 32-bit one: the plain path reaches it.
    const std::string node = std::string(kWow64Node) + '\\';
    if (const auto at = path.find(node); at != std::string::npos) path.erase(at, node.size());
    return false;
}

bool IsBelowSoftwareBranch(std::string_view path) {
    return std::any_of(kSoftwarePrefixes.begin(), kSoftwarePrefixes.end(),
                       [path](std::string_view prefix) { return path.starts_with(prefix); });
}

RegistryRoot LookUpHive(std::string_view name) {
    static const std::map<std::string_view, RegistryRoot> table(kHives.begin(), kHives.end());
    return table.at(name);
}

std::optional<std::string_view> RegistryPathPart(std::string_view path, std::size_t index) {
    std::size_t start = 0;
    for (; index > 0 && start < path.size(); --index) {
        start = std::min(path.find('\\', start), path.size()) + 1;
    }
    if (start >= path.size()) return std::nullopt;
    return path.substr(start, path.find('\\', start) - start);
}

}  // namespace win32
