#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A measurement of the machine: its value, or the system's error code.
struct Measurement {
    std::uint64_t value = 0;
    std::uint32_t error = 0;
    explicit operator bool() const { return error == 0; }
};

// The processor clock as the registry records it.
struct ProcessorClock {
    bool keyOpened = false;
    std::optional<std::uint32_t> mhz;  // nullopt: the value could not be read
};

// Hardware and process facts the offer checks measure.
class MachineProbe {
public:
    virtual ~MachineProbe() = default;
    // Total physical memory in bytes (GlobalMemoryStatusEx).
    virtual Measurement PhysicalMemory() = 0;
    // Bytes free to the caller on the drive of root, such as "C:\" (GetDiskFreeSpaceExW).
    virtual Measurement FreeDiskSpace(const std::string& root) = 0;
    // "~MHz" of the first processor, read from the 64-bit registry view.
    virtual ProcessorClock ProcessorMHz() = 0;
    // The executable names of the running processes; empty when they
    // cannot be listed.
    virtual std::vector<std::string> ProcessNames() = 0;
};

}  // namespace platform
