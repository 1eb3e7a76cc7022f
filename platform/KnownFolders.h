#pragma once

#include <optional>
#include <string>

namespace platform {

// Known folders asked for by id (FOLDERID_*).
enum class KnownFolderId {
    LocalAppData,
    RoamingAppData,
    ProgramData,
    ProgramFilesX86,
    Desktop,
};

// Folders the shell names for the current user. Downloads and Documents
// answer nullopt when the shell has no such folder for this user.
class KnownFolders {
public:
    virtual ~KnownFolders() = default;
    virtual std::optional<std::string> Downloads() = 0;
    virtual std::optional<std::string> Documents() = 0;
    // The folder's path for the current user, or for the default user
    // profile when defaultUser is true; "" when the shell cannot name it.
    virtual std::string GetKnownFolder(KnownFolderId folderId, bool defaultUser) = 0;
};

}  // namespace platform
