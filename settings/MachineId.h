#pragma once

#include <string>

#include "platform/Registry.h"

// The machine's id: its MachineGuid text as stored, up to any NUL, read from
// the 64-bit view so that the 32-bit program sees the real value on 64-bit
// Windows. "" when it cannot be read.
std::string ReadMachineId(platform::Registry& registry);
