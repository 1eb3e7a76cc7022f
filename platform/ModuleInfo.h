#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t build = 0;
    std::uint16_t revision = 0;
};

// "major.minor.build.revision", e.g. "3.1.0.11073".
std::string FormatFileVersion(const FileVersion& version);

// Facts about the running program itself.
class ModuleInfo {
public:
    virtual ~ModuleInfo() = default;
    // The file version of the program's version resource; nullopt when it
    // has none.
    virtual std::optional<FileVersion> OwnFileVersion() = 0;
    // The full path of the program file (UTF-8).
    virtual std::string FilePath() = 0;
};

}  // namespace platform
