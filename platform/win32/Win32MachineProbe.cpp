#include "platform/win32/Win32MachineProbe.h"

#include <windows.h>
#include <tlhelp32.h>

#include "win/Handle.h"
#include "win/Text.h"

namespace platform::win32 {

Measurement MachineProbe::PhysicalMemory() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!::GlobalMemoryStatusEx(&status)) return {0, ::GetLastError()};
    return {status.ullTotalPhys, 0};
}

Measurement MachineProbe::FreeDiskSpace(const std::string& root) {
    ULARGE_INTEGER freeToCaller{};
    if (!::GetDiskFreeSpaceExW(Utf8ToWide(root).c_str(), &freeToCaller, nullptr, nullptr)) {
        return {0, ::GetLastError()};
    }
    return {freeToCaller.QuadPart, 0};
}

ProcessorClock MachineProbe::ProcessorMHz() {
    win::UniqueRegistryKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0,
                        KEY_READ | KEY_WOW64_64KEY, key.Put()) != ERROR_SUCCESS) {
        return {false, std::nullopt};
    }
    DWORD mhz = 0;
    DWORD size = sizeof(mhz);
    if (::RegQueryValueExA(key.Get(), "~MHz", nullptr, nullptr, reinterpret_cast<BYTE*>(&mhz),
                           &size) != ERROR_SUCCESS) {
        return {true, std::nullopt};
    }
    return {true, mhz};
}

std::vector<std::string> MachineProbe::ProcessNames() {
    std::vector<std::string> names;
    const win::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return names;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
         more = ::Process32NextW(snapshot.Get(), &entry)) {
        names.push_back(WideToUtf8(entry.szExeFile));
    }
    return names;
}

}  // namespace platform::win32
