#pragma once

#include "platform/Locales.h"

namespace platform::win32 {

class Locales : public platform::Locales {
public:
    std::optional<std::string> UserDefaultLocaleName() override;
    std::optional<std::string> NativeLanguageName(const std::string& localeName) override;
};

}  // namespace platform::win32
