#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

// Registry paths as the remote configuration writes them: one text of a hive
// name, a backslash and the subkey path. The tables below are lower case and
// compared case-sensitively, so callers lower-case configured paths first.
namespace win32 {

// ASCII letters lowered, nothing else (towlower in the C locale).
std::string LowerCase(std::string_view text);

// The full key paths to try for a configured path: a path under a full hive
// name is itself; an abbreviated hive ("hklm\...") is spelled out; anything
// else is taken below "hkey_local_machine\software\" and
// "hkey_current_user\software\", and on 64-bit Windows then also below their
// "\software\wow6432node\". The empty path has none.
std::vector<std::string> ExpandRegistryPath(std::string_view path, bool windows64);

// Rewrites a full path below the software branch, and the view flags to open
// it with, for this machine: on 64-bit Windows "...\software\x" is read in
// the 64-bit view and "...\software\wow6432node\x" as "...\software\x" in the
// process's own 32-bit view. Returns true when the path cannot exist here
// (a wow6432node path on 32-bit Windows). Other paths are left alone.
// Throws std::out_of_range for a path that ends right after "\software\".
bool ResolveRegistryView(std::string& path, std::uint32_t& flags, bool windows64);

// Whether path begins with "hkey_local_machine\software\" or
// "hkey_current_user\software\".
bool IsBelowSoftwareBranch(std::string_view path);

// The predefined key of a full hive name ("hkey_users");
// std::out_of_range for any other text.
platform::RegistryRoot LookUpHive(std::string_view name);

// Part number index (from 0) of path split at its backslashes; nullopt when
// there are fewer parts. Doubled backslashes give empty parts, a trailing
// one does not.
std::optional<std::string_view> RegistryPathPart(std::string_view path, std::size_t index);

}  // namespace win32
