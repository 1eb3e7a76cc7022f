#include "remote/OsVersionString.h"

std::string GetOsVersionString(platform::OsVersion& os) {
    const auto version = os.TrueVersion();
    if (!version) return "";
    return std::to_string(version->major) + "." + std::to_string(version->minor) + "." +
           std::to_string(version->build);
}
