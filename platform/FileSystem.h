#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Windows error codes the callers tell apart.
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorSharingViolation = 32;

// The outcome of an operation that can fail: true on success, otherwise
// the system's error code.
struct Status {
    std::uint32_t error = 0;
    explicit operator bool() const { return error == 0; }
};

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

    virtual Status RemoveFile(const std::string& path) = 0;
    virtual Status MakeFolder(const std::string& path) = 0;
    virtual Status RemoveEmptyFolder(const std::string& path) = 0;
    // Asks the system to delete path (a file or an empty folder) at the
    // next restart, for what is still in use now.
    virtual Status ScheduleDeleteOnRestart(const std::string& path) = 0;

    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    virtual bool IsFolderEmpty(const std::string& path) = 0;
    // Names (not paths) of the entries of folder, without "." and "..".
    virtual std::vector<std::string> ListFolder(const std::string& path) = 0;
};

}  // namespace platform
