#pragma once

#include <string>
#include <string_view>

// bytes read as one unsigned big-endian number, written in base 62 with the
// digits 0-9, a-z, A-Z, most significant first. Leading zero bytes add
// nothing; no bytes (or zero bytes only) give "". "abc" gives "qMin".
std::string Base62Encode(std::string_view bytes);
