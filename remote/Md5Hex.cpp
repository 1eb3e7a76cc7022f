#include "remote/Md5Hex.h"

#include <stdexcept>

#include "remote/HexText.h"

std::string Md5Hex(platform::Md5& md5, std::string_view text) {
    try {
        return LowerHex(md5.Digest(text));
    } catch (const std::runtime_error&) {
        return "";
    }
}
