#pragma once

#include <string_view>

namespace download {

// Whether name, joined to a folder, names a file inside that folder: not
// empty, no folder separator or drive/stream colon, not made of dots and
// spaces only (Windows would read ".. " as ".."), and not a device name
// (CON, NUL, COM1, ... with or without an extension).
bool IsPlainFileName(std::string_view name);

}  // namespace download
