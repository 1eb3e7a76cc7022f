#pragma once

#include "platform/FileSystem.h"
#include "platform/KnownFolders.h"
#include "platform/MessageBoxes.h"
#include "platform/ModuleInfo.h"

namespace platform {

// The operating-system services of the process, one of each.
struct System {
    FileSystem& files;
    KnownFolders& knownFolders;
    MessageBoxes& messageBoxes;
    ModuleInfo& module;
};

// The services of this process: the Win32 ones in the program; in-memory
// fakes in the native tests, which link their own definition.
System& CurrentSystem();

}  // namespace platform
