#include "platform/ModuleInfo.h"

namespace platform {

std::string FormatFileVersion(const FileVersion& version) {
    return std::to_string(version.major) + '.' + std::to_string(version.minor) + '.' +
           std::to_string(version.build) + '.' + std::to_string(version.revision);
}

}  // namespace platform
