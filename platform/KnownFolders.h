#pragma once

#include <optional>
#include <string>

namespace platform {

// Folders the shell names for the current user. Each answers nullopt when
// the shell has no such folder for this user.
class KnownFolders {
public:
    virtual ~KnownFolders() = default;
    virtual std::optional<std::string> Downloads() = 0;
    virtual std::optional<std::string> Documents() = 0;
};

}  // namespace platform
