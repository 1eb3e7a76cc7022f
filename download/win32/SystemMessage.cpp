#include "download/win32/SystemMessage.h"

#include <windows.h>

#include <memory>
#include <string_view>

#include "win/Text.h"

namespace download::win32 {

std::string SystemMessage(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&::LocalFree)> owned(buffer, ::LocalFree);
    std::wstring_view message(buffer, buffer ? length : 0);
    // The texts end in a line break, which would split the one-line result.
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
        message.remove_suffix(1);
    }
    return WideToUtf8(message);
}

SystemError LastSystemError() {
    const DWORD code = ::GetLastError();
    return {code, SystemMessage(code)};
}

}  // namespace download::win32
