#pragma once

#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/KnownFolders.h"
#include "platform/Locales.h"
#include "platform/MessageBoxes.h"
#include "platform/ModuleInfo.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/Wow64.h"

namespace platform {

// The operating-system services of the process, one of each.
struct System {
    FileSystem& files;
    KnownFolders& knownFolders;
    MessageBoxes& messageBoxes;
    ModuleInfo& module;
    Resources& resources;
    Locales& locales;
    Registry& registry;
    Wow64& wow64;
    Environment& environment;
    Clock& clock;
};

// The services of this process: the Win32 ones in the program; in-memory
// fakes in the native tests, which link their own definition.
System& CurrentSystem();

}  // namespace platform
