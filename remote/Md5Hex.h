#pragma once

#include <string>
#include <string_view>

#include "platform/Md5.h"

// The MD5 digest of text's UTF-8 bytes as 32 lower-case hex digits; "" when
// the system's MD5 fails.
std::string Md5Hex(platform::Md5& md5, std::string_view text);
