#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/Locales.h"

namespace fake {

// A user locale and a table of native language names, answering like the
// system does: neutral and regional names are known, "en_US" is not.
class Locales : public platform::Locales {
public:
    std::optional<std::string> userDefault = "en-US";
    std::map<std::string, std::string> nativeNames = {
        {"en", "English"},       {"en-US", "English"},       {"en-GB", "English"},
        {"es", "espa\u00F1ol"},  {"es-ES", "espa\u00F1ol"},  {"es-MX", "espa\u00F1ol"},
        {"fr", "fran\u00E7ais"}, {"fr-FR", "fran\u00E7ais"},
    };

    std::optional<std::string> UserDefaultLocaleName() override { return userDefault; }
    std::optional<std::string> NativeLanguageName(const std::string& localeName) override {
        const auto found = nativeNames.find(localeName);
        if (found == nativeNames.end()) return std::nullopt;
        return found->second;
    }
};

}  // namespace fake
