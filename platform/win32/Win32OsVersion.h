#pragma once

#include "platform/OsVersion.h"

namespace platform::win32 {

class OsVersion : public platform::OsVersion {
public:
    std::optional<WindowsVersion> TrueVersion() override;
    bool IsAtLeast(std::uint32_t major, std::uint32_t minor,
                   std::uint16_t servicePackMajor) override;
};

}  // namespace platform::win32
