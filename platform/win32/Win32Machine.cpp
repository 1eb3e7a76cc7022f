#include "platform/win32/Win32Machine.h"

#include <windows.h>

#include <ctime>
#include <string>

#include "win/Text.h"

namespace platform::win32 {

bool Wow64::IsWow64Process() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

std::optional<std::string> Environment::Variable(std::string_view name) {
    const std::wstring wideName = Utf8ToWide(name);
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        ::SetLastError(ERROR_SUCCESS);
        const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                       static_cast<DWORD>(value.size()));
        if (length == 0 && ::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        if (length < value.size()) return WideToUtf8({value.data(), length});
        // Too small: length is the size the value needs, its terminator included.
        value.resize(length);
    }
}

std::int64_t Clock::Now() {
    // FILETIME counts 100-nanosecond intervals since 1601-01-01.
    constexpr std::int64_t k1601To1970 = 116'444'736'000'000'000;
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
    return static_cast<std::int64_t>(ticks.QuadPart) - k1601To1970;
}

std::optional<std::tm> Clock::LocalTime(std::int64_t secondsSince1970) {
    const __time64_t time = secondsSince1970;
    std::tm local{};
    if (_localtime64_s(&local, &time) != 0) return std::nullopt;
    return local;
}

}  // namespace platform::win32
