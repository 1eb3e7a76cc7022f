#include "offers/RegistryChecks.h"

#include <memory>
#include <vector>

#include "settings/RegistryError.h"
#include "settings/RegistryKeys.h"
#include "settings/RegistryPath.h"
#include "settings/RegistryQuery.h"
#include "settings/RegistryValues.h"

namespace {

using Entries = std::vector<std::string>;

// Whether any candidate of the entries exists; an empty entry ends the scan
// with no key found.
bool AnyKeyExists(const Entries& entries, win32::RegistryCache& cache) {
    for (const auto& entry : entries) {
        const auto candidates =
            win32::ExpandRegistryPath(win32::LowerCase(entry), cache.Windows64());
        if (candidates.empty()) return false;
        for (const auto& candidate : candidates) {
            if (win32::RegistryKeyExists(cache, candidate)) return true;
        }
    }
    return false;
}

// text split at its last backslash; nullopt without one.
std::optional<std::pair<std::string, std::string>> SplitLast(const std::string& text) {
    const auto slash = text.rfind('\\');
    if (slash == std::string::npos) return std::nullopt;
    return std::pair{text.substr(0, slash), text.substr(slash + 1)};
}

// The key at fullPath opened for reading in its view; null when it does not
// exist or cannot be opened.
std::unique_ptr<platform::RegistryKey> OpenExisting(win32::RegistryCache& cache,
                                                    std::string fullPath) {
    if (!win32::RegistryKeyExists(cache, fullPath)) return nullptr;
    std::uint32_t flags = platform::kKeyRead;
    if (win32::ResolveRegistryView(fullPath, flags, cache.Windows64())) return nullptr;
    const auto slash = fullPath.find('\\');
    const auto& hive = cache.Registry().Root(win32::LookUpHive(fullPath.substr(0, slash)));
    try {
        return win32::OpenKey(hive, slash == std::string::npos ? "" : fullPath.substr(slash + 1),
                              flags);
    } catch (const win32::RegistryError&) {
        return nullptr;
    }
}

// "rvn": an empty entry ends the scan with no value found.
bool AnyValueExists(const Entries& entries, win32::RegistryCache& cache) {
    for (const auto& entry : entries) {
        const auto candidates =
            win32::ExpandRegistryPath(win32::LowerCase(entry), cache.Windows64());
        if (candidates.empty()) return false;
        for (const auto& candidate : candidates) {
            const auto parts = SplitLast(candidate);
            if (!parts) continue;
            const auto key = OpenExisting(cache, parts->first);
            if (key && win32::ValueExists(*key, parts->second)) return true;
        }
    }
    return false;
}

bool CandidateDataMatches(win32::RegistryCache& cache, const std::string& candidate) {
    const auto valueAndData = SplitLast(candidate);
    if (!valueAndData) return false;
    const auto keyAndValue = SplitLast(valueAndData->first);
    if (!keyAndValue) return false;
    const auto key = OpenExisting(cache, keyAndValue->first);
    const auto& name = keyAndValue->second;
    if (!key || !win32::ValueExists(*key, name) || win32::GetValueType(*key, name) == 0) {
        return false;
    }
    try {
        return win32::ValueDataMatches(*key, name, valueAndData->second);
    } catch (const win32::RegistryError&) {
        return false;
    }
}

// "rvd": empty entries are skipped.
bool AnyValueDataMatches(const Entries& entries, win32::RegistryCache& cache) {
    for (const auto& entry : entries) {
        for (const auto& candidate :
             win32::ExpandRegistryPath(win32::LowerCase(entry), cache.Windows64())) {
            if (CandidateDataMatches(cache, candidate)) return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> RegistryRejection(const Eligibility& eligibility,
                                             win32::RegistryCache& cache) {
    if (AnyKeyExists(eligibility.keysMustBeAbsent, cache)) return "REGISTRY KEY EXISTS";
    if (!eligibility.keysMustExist.empty() && !AnyKeyExists(eligibility.keysMustExist, cache)) {
        return "NONE OF THE REGISTRY KEYS EXISTS";
    }
    if (AnyValueExists(eligibility.valuesMustBeAbsent, cache)) return "REGISTRY VALUE EXISTS";
    if (AnyValueDataMatches(eligibility.valueDataMustDiffer, cache)) {
        return "REGISTRY VALUE DATA MATCHES";
    }
    return std::nullopt;
}
