#pragma once

#include <optional>
#include <string>

namespace platform {

// Locale names ("en-US", "es") and what the system knows about them.
class Locales {
public:
    virtual ~Locales() = default;
    // The user's default locale name; nullopt when the system cannot name it.
    virtual std::optional<std::string> UserDefaultLocaleName() = 0;
    // The name of the locale's language in that language itself ("English",
    // "español"); nullopt when the system does not know the locale name.
    virtual std::optional<std::string> NativeLanguageName(const std::string& localeName) = 0;
};

}  // namespace platform
