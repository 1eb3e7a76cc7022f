#pragma once

#include <string>

namespace download {

// Unpacks the ZIP archive at archive into the existing folder destination
// (UTF-8 paths). The shell's ZIP folder does it where the system has one;
// otherwise minizip, synchronously. False when the archive holds nothing,
// when copying failed, or when an entry would land outside destination.
bool ExtractZip(const std::string& archive, const std::string& destination);

}  // namespace download
