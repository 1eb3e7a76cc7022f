#pragma once

#include <string>

#include "platform/FileSystem.h"

// Removes folder and everything in it. A file in use is scheduled for
// removal at the next restart, and so is every folder that cannot be
// removed now because of it.
void DeleteFolderTree(platform::FileSystem& files, const std::string& folder);
