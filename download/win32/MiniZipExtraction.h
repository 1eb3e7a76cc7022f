#pragma once

#include <string>

namespace download {

// Unpacks the ZIP archive at archive into the existing folder destination
// (UTF-8 paths) with minizip, before it returns. Nothing is written when an
// entry would land outside destination. False then, when the archive
// cannot be read or holds nothing, and when any entry fails.
bool ExtractWithMiniZip(const std::string& archive, const std::string& destination);

}  // namespace download
