#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/System.h"

// Path placeholders: tokens such as "{commonpf}" that let one configured path
// name a well-known folder on every machine.

// (name, value) pairs in expansion order; a name stands in a text as
// "{name}".
using PlaceholderTable = std::vector<std::pair<std::string, std::string>>;

// The table of this machine, in this order: commonpf (the token
// "{commonpf64}" on 64-bit Windows, else "{commonpf32}"), localappdata,
// commonappdata (the user's roaming application data), programdata,
// commonpf32 (the 32-bit program files folder) and, on 64-bit Windows when
// "ProgramW6432" is set and fits a MAX_PATH buffer, commonpf64. A known
// folder the shell cannot name has the empty value.
PlaceholderTable BuildPlaceholderTable(platform::System& system);

// text with the tokens of the table replaced: entry by entry in table order,
// every occurrence, case-sensitively. A replacement is searched again only
// for the tokens of later entries, which is how "{commonpf}" reaches a
// folder.
std::string ExpandPathPlaceholders(std::string_view text, const PlaceholderTable& table);
