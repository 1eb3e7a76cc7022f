#include "offers/AppPathsIndex.h"

#include "settings/RegistryError.h"
#include "settings/RegistryKeys.h"
#include "settings/RegistryValues.h"

namespace {

constexpr const char* kAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

}  // namespace

bool AppPathsIndex::IsPresent(const std::string& name) {
    if (entries_.empty()) Build();
    const auto found = entries_.find(name);
    if (found == entries_.end()) return false;
    for (auto& entry : found->second) {
        if (files_.Exists(PathOf(name, entry))) return true;
    }
    return false;
}

void AppPathsIndex::Build() {
    for (const auto hive :
         {platform::RegistryRoot::LocalMachine, platform::RegistryRoot::CurrentUser}) {
        AddHiveView(hive, platform::kKeyRead);
        if (windows64_) AddHiveView(hive, platform::kKeyRead | platform::kKeyWow64_64Key);
    }
}

void AppPathsIndex::AddHiveView(platform::RegistryRoot hive, std::uint32_t flags) {
    try {
        const auto key = win32::OpenKey(registry_.Root(hive), kAppPaths, flags);
        for (const auto& name : win32::EnumerateSubkeys(*key)) {
            entries_[name].push_back({hive, flags, std::nullopt});
        }
    } catch (const win32::RegistryError&) {
        // A hive or view that cannot be listed is left out.
    }
}

const std::string& AppPathsIndex::PathOf(const std::string& name, Entry& entry) {
    if (!entry.path) {
        try {
            const auto key = win32::OpenKey(registry_.Root(entry.hive),
                                            std::string(kAppPaths) + "\\" + name, entry.flags);
            entry.path = win32::ReadString(*key, "", "");
        } catch (const win32::RegistryError&) {
            entry.path = "";
        }
    }
    return *entry.path;
}
