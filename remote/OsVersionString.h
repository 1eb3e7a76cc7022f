#pragma once

#include <string>

#include "platform/OsVersion.h"

// The true Windows version as "major.minor.build", e.g. "10.0.19045"; "" when
// it cannot be read.
std::string GetOsVersionString(platform::OsVersion& os);
