#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace platform {

using Md5Digest = std::array<std::uint8_t, 16>;

// The system's MD5 (CryptoAPI).
class Md5 {
public:
    virtual ~Md5() = default;
    // The digest of bytes. Throws std::runtime_error naming the call that
    // failed, e.g. "CryptCreateHash failed".
    virtual Md5Digest Digest(std::string_view bytes) = 0;
};

}  // namespace platform
