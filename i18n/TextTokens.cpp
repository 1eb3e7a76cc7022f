#include "i18n/TextTokens.h"

std::string ReplaceToken(std::string text, std::string_view token, std::string_view value) {
    if (token.empty()) return text;
    for (auto at = text.find(token); at != std::string::npos;
         at = text.find(token, at + value.size())) {
        text.replace(at, token.size(), value);
    }
    return text;
}
