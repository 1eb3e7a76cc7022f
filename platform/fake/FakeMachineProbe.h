#pragma once

#include "platform/MachineProbe.h"

namespace fake {

// A machine with 8 GiB of memory, 100 GiB free on every drive and a 2.4 GHz
// processor, running nothing. Counts how often each fact is measured.
class MachineProbe : public platform::MachineProbe {
public:
    platform::Measurement memory{8ull << 30, 0};
    platform::Measurement freeDisk{100ull << 30, 0};
    platform::ProcessorClock clock{true, 2400};
    std::vector<std::string> processes;
    std::vector<std::string> diskRootsAsked;
    int memoryReads = 0;
    int clockReads = 0;
    int processListings = 0;

    platform::Measurement PhysicalMemory() override {
        ++memoryReads;
        return memory;
    }
    platform::Measurement FreeDiskSpace(const std::string& root) override {
        diskRootsAsked.push_back(root);
        return freeDisk;
    }
    platform::ProcessorClock ProcessorMHz() override {
        ++clockReads;
        return clock;
    }
    std::vector<std::string> ProcessNames() override {
        ++processListings;
        return processes;
    }
};

}  // namespace fake
