#pragma once

#include "platform/MachineProbe.h"

namespace platform::win32 {

class MachineProbe : public platform::MachineProbe {
public:
    Measurement PhysicalMemory() override;
    Measurement FreeDiskSpace(const std::string& root) override;
    ProcessorClock ProcessorMHz() override;
    std::vector<std::string> ProcessNames() override;
};

}  // namespace platform::win32
