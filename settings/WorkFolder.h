#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"

// Creates a new, empty folder with a unique temporary-file name (prefix
// "ISV") in the user's temporary folder. Returns its path once the folder
// exists; nullopt when it could not be made.
std::optional<std::string> CreateFreshWorkFolder(platform::FileSystem& files);
