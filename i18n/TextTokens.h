#pragma once

#include <string>
#include <string_view>

// Replaces every occurrence of token (brackets included, e.g.
// "[PACKAGE_NAME]") in text by value. Values are inserted as they are and
// never searched again.
std::string ReplaceToken(std::string text, std::string_view token, std::string_view value);
