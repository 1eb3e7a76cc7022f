#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "offers/OfferTerms.h"
#include "platform/KnownFolders.h"
#include "platform/MachineProbe.h"

// The machine's disk, memory, processor and processes, measured once per
// evaluation run and checked against each offer's minimums. A failed
// measurement is not kept: the next offer measures again, as it does while
// the process list is empty.
class HardwareChecks {
public:
    HardwareChecks(platform::MachineProbe& probe, platform::KnownFolders& knownFolders)
        : probe_(probe), knownFolders_(knownFolders) {}

    // "disk", "ram" then "cpu" (0: no check).
    std::optional<std::string> Rejection(const Eligibility& eligibility);
    // "a": a configured name without the process name's extension matches
    // it whatever the extension; both are compared lower-cased.
    std::optional<std::string> ProcessRejection(const std::vector<std::string>& names);

private:
    std::optional<std::string> DiskRejection(std::uint64_t minMiB);
    std::optional<std::string> RamRejection(std::uint64_t minMiB);
    std::optional<std::string> CpuRejection(std::uint64_t minMHz);

    platform::MachineProbe& probe_;
    platform::KnownFolders& knownFolders_;
    std::optional<std::uint64_t> diskMiB_;
    std::optional<std::uint64_t> ramMiB_;
    std::optional<std::uint32_t> cpuMHz_;
    std::vector<std::string> processes_;  // lower-cased
};
