#include "offers/VersionChecks.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The numbers between the dots; empty parts are left out.
std::vector<long long> VersionParts(std::string_view version) {
    std::vector<long long> parts;
    std::size_t from = 0;
    while (from <= version.size()) {
        const auto dot = std::min(version.find('.', from), version.size());
        if (dot > from) parts.push_back(std::stoll(std::string(version.substr(from, dot - from))));
        from = dot + 1;
    }
    return parts;
}

}  // namespace

bool MeetsWindowsVersion(int minWindows, platform::OsVersion& os) {
    switch (minWindows) {
        case 61:
            return os.IsAtLeast(6, 1, 0);
        case 62:
            return os.IsAtLeast(6, 2, 0);
        case 63:
            return os.IsAtLeast(6, 3, 0);
        case 100:
            return os.IsAtLeast(10, 0, 0);
        default:
            return false;
    }
}

bool MeetsInstallerVersion(std::string_view minVersion, std::string_view installerVersion) {
    const auto wanted = VersionParts(minVersion);
    const auto own = VersionParts(installerVersion);
    for (std::size_t i = 0; i < std::max(wanted.size(), own.size()); ++i) {
        const auto wantedPart = i < wanted.size() ? wanted[i] : 0;
        const auto ownPart = i < own.size() ? own[i] : 0;
        if (ownPart != wantedPart) return ownPart > wantedPart;
    }
    return true;
}
