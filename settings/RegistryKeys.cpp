#include "settings/RegistryKeys.h"

#include "settings/RegistryError.h"
#include "settings/RegistryPath.h"

namespace win32 {

std::unique_ptr<platform::RegistryKey> OpenKey(const platform::RegistryKey& key,
                                               std::string_view subkey, std::uint32_t access) {
    auto opened = key.Open(subkey, access);
    if (!opened.Succeeded()) throw RegistryError(kCannotOpenKey, opened.error);
    return std::move(opened.value);
}

std::vector<std::string> EnumerateSubkeys(const platform::RegistryKey& key) {
    const auto info = key.QueryInfo();
    if (!info.Succeeded()) throw RegistryError(kCannotQueryKeyInfo, info.error);
    std::vector<std::string> names;
    names.reserve(info.value.count);
    for (std::uint32_t index = 0; index < info.value.count; ++index) {
        const auto name = key.EnumerateSubkey(index, info.value.longestName + 1);
        if (!name.Succeeded()) throw RegistryError(kCannotEnumerateSubkeys, name.error);
        names.push_back(LowerCase(name.value));
    }
    return names;
}

}  // namespace win32
