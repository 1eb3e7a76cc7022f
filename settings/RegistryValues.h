#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Registry.h"

// Reads of the values of an open key. "" names the key's default value.
namespace win32 {

// Whether key has a value called name, of any type. A failing query answers
// false.
bool ValueExists(const platform::RegistryKey& key, std::string_view name);

// The type of the value (platform::kReg*); 0 when it cannot be queried.
std::uint32_t GetValueType(const platform::RegistryKey& key, std::string_view name);

// The REG_SZ value name of subkey ("" for key itself). Throws RegistryError
// when there is no such text value.
std::string ReadString(const platform::RegistryKey& key, std::string_view subkey,
                       std::string_view name);

// The REG_DWORD or REG_QWORD value. Throws RegistryError when there is no
// such number value.
std::uint32_t ReadDword(const platform::RegistryKey& key, std::string_view name);
std::uint64_t ReadQword(const platform::RegistryKey& key, std::string_view name);

// Whether the value holds expected (lower case): a REG_SZ text compared
// lower-cased; a REG_DWORD or REG_QWORD number compared with expected read as
// std::stoul (with a 32-bit unsigned long, as on Windows) or std::stoull,
// whose std::invalid_argument and std::out_of_range propagate. Values of
// other types never match. Read failures throw RegistryError.
bool ValueDataMatches(const platform::RegistryKey& key, std::string_view name,
                      const std::string& expected);

}  // namespace win32
