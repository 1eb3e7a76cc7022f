#pragma once

#include "platform/Md5.h"

namespace platform::win32 {

// MD5 through CryptoAPI's base provider, without a key container.
class Md5 : public platform::Md5 {
public:
    Md5Digest Digest(std::string_view bytes) override;
};

}  // namespace platform::win32
