#pragma once

#include <cstdint>
#include <optional>
#include <tuple>

#include "platform/OsVersion.h"

namespace fake {

// Windows 10 unless told otherwise.
class OsVersion : public platform::OsVersion {
public:
    // nullopt: RtlGetVersion fails.
    std::optional<platform::WindowsVersion> version = platform::WindowsVersion{10, 0, 19045};
    std::uint16_t servicePack = 0;

    std::optional<platform::WindowsVersion> TrueVersion() override { return version; }

    bool IsAtLeast(std::uint32_t major, std::uint32_t minor,
                   std::uint16_t servicePackMajor) override {
        const auto actual = version.value_or(platform::WindowsVersion{});
        return std::tie(actual.major, actual.minor, servicePack) >=
               std::tie(major, minor, servicePackMajor);
    }
};

// The releases the wizard tells apart.
inline OsVersion Release(std::uint32_t major, std::uint32_t minor, std::uint16_t servicePack = 0,
                         std::uint32_t build = 0) {
    OsVersion os;
    os.version = platform::WindowsVersion{major, minor, build};
    os.servicePack = servicePack;
    return os;
}

}  // namespace fake
