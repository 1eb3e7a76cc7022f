#pragma once

#include <string>
#include <string_view>

#include "platform/ModuleInfo.h"

// The installer tag of a program file path: the text after the last "_" of
// the file name, up to the name's last "." if any, when it is exactly 7
// characters and holds a "-" (".../PellarClassic_ab1-cd2.exe" gives
// "ab1-cd2"); otherwise "".
std::string InstallerTagFromPath(std::string_view path);

// The installer tag of the running program.
std::string GetInstallerTag(platform::ModuleInfo& module);
