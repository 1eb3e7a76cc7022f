#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The process's environment variables.
class Environment {
public:
    virtual ~Environment() = default;
    // The whole value of variable name (UTF-8); nullopt when it is not set.
    virtual std::optional<std::string> Variable(std::string_view name) = 0;
};

}  // namespace platform
