#pragma once

#include <optional>
#include <string>

namespace platform {

// The file-system operations the wizard needs. Paths are UTF-8.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The user's temporary folder with its trailing backslash; nullopt when
    // the system cannot name one.
    virtual std::optional<std::string> TempFolder() = 0;

    // Creates a new empty file with a unique name "<prefix>XXXX.tmp" in
    // folder and returns its path; nullopt when no file could be created.
    virtual std::optional<std::string> CreateUniqueFile(const std::string& folder,
                                                        const std::string& prefix) = 0;

    // Each returns false when the operation failed.
    virtual bool RemoveFile(const std::string& path) = 0;
    virtual bool MakeFolder(const std::string& path) = 0;
    virtual bool RemoveEmptyFolder(const std::string& path) = 0;

    virtual bool IsFolder(const std::string& path) = 0;
};

}  // namespace platform
