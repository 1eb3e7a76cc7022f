#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

namespace platform {

// The system clock and the machine's time zone.
class Clock {
public:
    virtual ~Clock() = default;
    // Now, in 100-nanosecond intervals since 1970-01-01 00:00 UTC.
    virtual std::int64_t Now() = 0;
    // The local date and time of secondsSince1970 (the C library's local
    // time conversion); nullopt when it cannot be converted.
    virtual std::optional<std::tm> LocalTime(std::int64_t secondsSince1970) = 0;
};

}  // namespace platform
