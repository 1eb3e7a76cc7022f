#include "settings/RegistryCache.h"

#include "settings/RegistryKeys.h"

namespace win32 {

const std::unordered_set<std::string>& RegistryCache::BranchSubkeys(platform::RegistryRoot hive,
                                                                    std::uint32_t flags,
                                                                    const std::string& branch) {
    const auto entry = std::make_tuple(hive, flags, branch);
    if (const auto found = branches_.find(entry); found != branches_.end()) return found->second;
    const auto key = OpenKey(registry_.Root(hive), branch, flags | platform::kKeyRead);
    const auto names = EnumerateSubkeys(*key);
    return branches_[entry] = std::unordered_set<std::string>(names.begin(), names.end());
}

}  // namespace win32
