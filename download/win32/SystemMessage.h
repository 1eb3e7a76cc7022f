#pragma once

#include <cstdint>
#include <string>

#include "download/SystemError.h"

namespace download::win32 {

// The system's message for code (system table, neutral language, inserts
// ignored) without its closing line break; "" when the system has none.
std::string SystemMessage(std::uint32_t code);

// The calling thread's last error with its message.
SystemError LastSystemError();

}  // namespace download::win32
