#pragma once

#include <string>

#include "platform/System.h"

// Texts of the current time. The clock is the process's own unless a test
// hands in another.

// Milliseconds since 1970-01-01 00:00 UTC in decimal, with a leading "-"
// before 1970.
std::string NowMillisecondsText(platform::Clock& clock = platform::CurrentSystem().clock);

// Today's local date, "%Y%m%d"; "" when the local time cannot be had.
std::string TodayText(platform::Clock& clock = platform::CurrentSystem().clock);

// The local date and time, "%Y%m%d%H%M%S"; "" when the local time cannot be
// had.
std::string LocalTimestampText(platform::Clock& clock);
