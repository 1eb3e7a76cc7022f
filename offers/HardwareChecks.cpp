#include "offers/HardwareChecks.h"

#include <algorithm>

#include "settings/RegistryPath.h"

std::optional<std::string> HardwareChecks::Rejection(const Eligibility& eligibility) {
    if (auto reason = DiskRejection(eligibility.minDiskMiB)) return reason;
    if (auto reason = RamRejection(eligibility.minRamMiB)) return reason;
    return CpuRejection(eligibility.minCpuMHz);
}

std::optional<std::string> HardwareChecks::DiskRejection(std::uint64_t minMiB) {
    if (minMiB == 0) return std::nullopt;
    if (!diskMiB_) {
        // The drive of the default user's desktop, such as "C:\".
        const auto desktop = knownFolders_.GetKnownFolder(platform::KnownFolderId::Desktop, true);
        const auto free = probe_.FreeDiskSpace(desktop.substr(0, 3));
        if (!free) return "DISK SPACE CHECK FAILED " + std::to_string(free.error);
        diskMiB_ = free.value >> 20;
    }
    if (*diskMiB_ < minMiB) return "NOT ENOUGH DISK SPACE";
    return std::nullopt;
}

std::optional<std::string> HardwareChecks::RamRejection(std::uint64_t minMiB) {
    if (minMiB == 0) return std::nullopt;
    if (!ramMiB_) {
        const auto memory = probe_.PhysicalMemory();
        if (!memory) return "RAM CHECK FAILED " + std::to_string(memory.error);
        ramMiB_ = memory.value >> 20;
    }
    if (*ramMiB_ < minMiB) return "NOT ENOUGH RAM";
    return std::nullopt;
}

std::optional<std::string> HardwareChecks::CpuRejection(std::uint64_t minMHz) {
    if (minMHz == 0) return std::nullopt;
    if (!cpuMHz_) {
        const auto clock = probe_.ProcessorMHz();
        if (!clock.keyOpened) return "CPU CHECK FAILED: Couldn't open registry";
        if (!clock.mhz) return "CPU CHECK FAILED: Couldn't read value";
        cpuMHz_ = clock.mhz;
    }
    if (*cpuMHz_ < minMHz) return "NOT ENOUGH CPU";
    return std::nullopt;
}

std::optional<std::string> HardwareChecks::ProcessRejection(const std::vector<std::string>& names) {
    if (processes_.empty()) {
        for (const auto& process : probe_.ProcessNames()) {
            processes_.push_back(win32::LowerCase(process));
        }
    }
    for (const auto& configured : names) {
        const auto name = win32::LowerCase(configured);
        const auto dots = std::count(name.begin(), name.end(), '.');
        for (const auto& process : processes_) {
            const bool cut = std::count(process.begin(), process.end(), '.') > dots;
            if ((cut ? process.substr(0, process.rfind('.')) : process) == name) {
                return "APPLICATION RUNNING";
            }
        }
    }
    return std::nullopt;
}
