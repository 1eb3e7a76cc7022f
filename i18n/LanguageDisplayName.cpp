#include "i18n/LanguageDisplayName.h"

#include "platform/Locales.h"

std::string LanguageDisplayName(platform::Locales& locales, const std::string& localeName) {
    if (auto name = locales.NativeLanguageName(localeName)) return *name;
    if (localeName.size() > 2) {
        if (auto name = locales.NativeLanguageName(localeName.substr(0, 2))) return *name;
    }
    return localeName;
}

std::string UserLanguageDisplayName(platform::Locales& locales) {
    const auto locale = locales.UserDefaultLocaleName();
    std::string name = locale ? LanguageDisplayName(locales, *locale) : std::string();
    return name.empty() ? "English" : name;
}
