#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/RegistryCache.h"

// The questions the offer checks ask of the registry about configured keys.
namespace win32 {

// Whether the key at fullPath (a candidate of ExpandRegistryPath) exists on
// this machine, in the view ResolveRegistryView gives it. A key below the
// software branch whose first part is not among the branch's cached subkeys
// is absent without opening anything. Registry failures answer false; an
// unknown hive name throws std::out_of_range, as does a path ending right
// after "\software\".
bool RegistryKeyExists(RegistryCache& cache, const std::string& fullPath);

// The value name of key hiveName\subkey as text: a REG_SZ as stored, a
// REG_DWORD or REG_QWORD in unsigned decimal; nullopt when no candidate key
// holds a value of these types. On 64-bit Windows a subkey beginning with
// "software" is looked for in the 64-bit view, then in the 32-bit view.
std::optional<std::string> ReadValueAsText(RegistryCache& cache, std::string_view hiveName,
                                           std::string_view subkey, std::string_view name);

}  // namespace win32
