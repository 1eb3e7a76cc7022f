#pragma once

#include <string_view>
#include <vector>

// Where the locale documents live among the program's resources.

inline constexpr std::string_view kLocaleResourceType = "LOCALE";

// The fragment of publisher-variant texts merged into every language.
extern const int kPublisherFragmentId;

// The documents offered for a wizard type, in the order they are listed;
// empty for an unknown type.
std::vector<int> LocaleDocumentIds(int wizardType);
