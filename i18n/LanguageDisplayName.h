#pragma once

#include <string>

namespace platform {
class Locales;
}

// The name under which a language is listed: the native name of the locale
// name's language ("English" for "en-US"), else that of its first two
// letters (for names the system does not know, such as "en_US"), else the
// locale name itself.
std::string LanguageDisplayName(platform::Locales& locales, const std::string& localeName);

// The display name of the user's default locale; "English" when the system
// names none.
std::string UserLanguageDisplayName(platform::Locales& locales);
