#pragma once

#include <string_view>

#include "platform/OsVersion.h"

// "ov": whether Windows is at least the release minWindows names (61, 62,
// 63 or 100); any other value is never met.
bool MeetsWindowsVersion(int minWindows, platform::OsVersion& os);

// "pv": whether installerVersion is at least minVersion, both dotted decimal
// numbers compared part by part, a missing part counting as 0. A part that
// is not a number throws std::invalid_argument or std::out_of_range.
bool MeetsInstallerVersion(std::string_view minVersion, std::string_view installerVersion);
