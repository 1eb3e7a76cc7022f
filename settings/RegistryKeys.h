#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace win32 {

// subkey of key opened with access (view flags included). Throws
// RegistryError when it cannot be opened.
std::unique_ptr<platform::RegistryKey> OpenKey(const platform::RegistryKey& key,
                                               std::string_view subkey, std::uint32_t access);

// The names of key's direct subkeys, lower-cased, in the registry's order.
// Throws RegistryError when key cannot be asked for them.
std::vector<std::string> EnumerateSubkeys(const platform::RegistryKey& key);

}  // namespace win32
