#pragma once

#include <map>
#include <string>

// Replaces every "{KEY}" in the table's strings by the string of KEY, also
// inside the text that a replacement brings in, so chains expand fully
// whatever the order of their keys. A name that is no key, an opening brace
// without a closing one, and a reference that would expand into itself
// (directly or through other keys) stay literally. "[NAME]" and "$NAME$"
// placeholders are left alone.
void ExpandReferences(std::map<std::string, std::string>& table);
