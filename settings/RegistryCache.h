#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <unordered_set>

#include "platform/Registry.h"

namespace win32 {

// What the key checks of one evaluation run share: the registry, whether the
// machine is 64-bit Windows, and the subkey names of each software branch,
// enumerated once per hive and view. Not for use from two threads.
class RegistryCache {
public:
    RegistryCache(platform::Registry& registry, bool windows64)
        : registry_(registry), windows64_(windows64) {}

    platform::Registry& Registry() const { return registry_; }
    bool Windows64() const { return windows64_; }

    // The lower-cased names of the subkeys of branch (opened with flags) of
    // hive, enumerated on first need. Throws RegistryError when the branch
    // cannot be opened or enumerated; the next call then tries again.
    const std::unordered_set<std::string>& BranchSubkeys(platform::RegistryRoot hive,
                                                         std::uint32_t flags,
                                                         const std::string& branch);

private:
    platform::Registry& registry_;
    bool windows64_;
    std::map<std::tuple<platform::RegistryRoot, std::uint32_t, std::string>,
             std::unordered_set<std::string>>
        branches_;
};

}  // namespace win32
