#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Registry.h"

// The applications registered under App Paths of HKEY_LOCAL_MACHINE and
// HKEY_CURRENT_USER (both views on 64-bit Windows), listed once and asked
// for their program files on first need. Listed again while it is empty.
class AppPathsIndex {
public:
    AppPathsIndex(platform::Registry& registry, platform::FileSystem& files, bool windows64)
        : registry_(registry), files_(files), windows64_(windows64) {}

    // Whether name (looked up exactly; the index holds lower-case names) is
    // registered with a program file that exists.
    bool IsPresent(const std::string& name);

private:
    struct Entry {
        platform::RegistryRoot hive;
        std::uint32_t flags;
        std::optional<std::string> path;  // read on first need; "" when unreadable
    };

    void Build();
    void AddHiveView(platform::RegistryRoot hive, std::uint32_t flags);
    const std::string& PathOf(const std::string& name, Entry& entry);

    platform::Registry& registry_;
    platform::FileSystem& files_;
    bool windows64_;
    std::map<std::string, std::vector<Entry>> entries_;
};
