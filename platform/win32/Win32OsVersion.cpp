#include "platform/win32/Win32OsVersion.h"

#include <windows.h>
#include <versionhelpers.h>

namespace platform::win32 {
namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

// ntdll exports RtlGetVersion without an import library entry of its own in
// every toolchain, so it is looked up; ntdll is always loaded.
RtlGetVersionFunction FindRtlGetVersion() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const FARPROC found = ntdll ? ::GetProcAddress(ntdll, "RtlGetVersion") : nullptr;
    // void (*)() converts to and from every function pointer type.
    return reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

std::optional<WindowsVersion> OsVersion::TrueVersion() {
    static const RtlGetVersionFunction rtlGetVersion = FindRtlGetVersion();
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) return std::nullopt;
    return WindowsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

bool OsVersion::IsAtLeast(std::uint32_t major, std::uint32_t minor,
                          std::uint16_t servicePackMajor) {
    return ::IsWindowsVersionOrGreater(static_cast<WORD>(major), static_cast<WORD>(minor),
                                       servicePackMajor);
}

}  // namespace platform::win32
