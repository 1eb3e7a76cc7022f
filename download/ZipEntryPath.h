#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace download {

// The path, relative to the extraction folder and with backslashes, that
// the archive entry entryName (UTF-8, "/" or "\" separated; a trailing
// separator marks a folder) stands for, without a trailing separator.
// nullopt when it would not stay inside the folder: an absolute path, a
// drive or stream colon, a ".." part, a device name, or no name at all.
std::optional<std::string> ZipEntryPath(std::string_view entryName);

}  // namespace download
