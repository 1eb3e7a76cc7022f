#pragma once

#include <cstdint>
#include <string>

namespace download {

// An error code of the system and its message text ("" when the system has
// none for the code).
struct SystemError {
    std::uint32_t code = 0;
    std::string message;
};

}  // namespace download
