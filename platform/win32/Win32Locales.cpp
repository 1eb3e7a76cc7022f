#include "platform/win32/Win32Locales.h"

#include <windows.h>

#include "win/Text.h"

namespace platform::win32 {

std::optional<std::string> Locales::UserDefaultLocaleName() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    if (::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) == 0) return std::nullopt;
    return WideToUtf8(name);
}

std::optional<std::string> Locales::NativeLanguageName(const std::string& localeName) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    if (::GetLocaleInfoEx(Utf8ToWide(localeName).c_str(), LOCALE_SNATIVELANGUAGENAME, name,
                          LOCALE_NAME_MAX_LENGTH) == 0) {
        return std::nullopt;
    }
    return WideToUtf8(name);
}

}  // namespace platform::win32
