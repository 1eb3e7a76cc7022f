#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Md5.h"

namespace fake {

// Answers every input with one digest, or fails like a CryptoAPI call.
class Md5 : public platform::Md5 {
public:
    platform::Md5Digest digest{};
    std::optional<std::string> failure;  // the message of the error thrown
    std::vector<std::string> inputs;     // every input, as bytes

    platform::Md5Digest Digest(std::string_view bytes) override {
        inputs.emplace_back(bytes);
        if (failure) throw std::runtime_error(*failure);
        return digest;
    }
};

}  // namespace fake
