#pragma once

#include <cstdint>
#include <optional>

namespace platform {

struct WindowsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

// The release of Windows the program runs on.
class OsVersion {
public:
    virtual ~OsVersion() = default;
    // The true version (RtlGetVersion), whatever the program's compatibility
    // settings make other calls report; nullopt when it cannot be read.
    virtual std::optional<WindowsVersion> TrueVersion() = 0;
    // Whether the system is at least major.minor with service pack
    // servicePackMajor (VerifyVersionInfoW).
    virtual bool IsAtLeast(std::uint32_t major, std::uint32_t minor,
                           std::uint16_t servicePackMajor) = 0;
};

}  // namespace platform
