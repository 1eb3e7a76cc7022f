#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <tinyxml2.h>

namespace platform {
class MessageBoxes;
class Resources;
}  // namespace platform

// Reading the locale documents. Every failure is shown to the user, who
// can do nothing about it but carry on with what the wizard still has.

// The LOCALE resource id, parsed with entities processed and whitespace
// kept; null when it is missing, cannot be loaded or is not well-formed.
std::unique_ptr<tinyxml2::XMLDocument> LoadLocaleResource(int id, platform::Resources& resources,
                                                          platform::MessageBoxes& messages);

// The locale name (the Locale element's name attribute) of the language
// document id; nullopt when the document cannot be used (shown) or has no
// Locale element (not shown: such a document is no language).
std::optional<std::string> ReadLocaleName(int id, platform::Resources& resources,
                                          platform::MessageBoxes& messages);

// Shows that a locale document cannot be used, and why.
void ReportParseFailure(platform::MessageBoxes& messages, std::string_view reason);

// The element's text: that of its first child that is not a comment, when
// that child is text; null otherwise.
const char* ElementText(const tinyxml2::XMLElement& element);
