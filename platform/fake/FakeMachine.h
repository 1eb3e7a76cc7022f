#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/Wow64.h"

namespace fake {

class Wow64 : public platform::Wow64 {
public:
    bool wow64 = true;
    bool IsWow64Process() override { return wow64; }
};

class Environment : public platform::Environment {
public:
    std::map<std::string, std::string> variables = {{"ProgramW6432", "C:\\Program Files"}};

    std::optional<std::string> Variable(std::string_view name) override {
        const auto found = variables.find(std::string(name));
        if (found == variables.end()) return std::nullopt;
        return found->second;
    }
};

// A clock that stands still at now, in a time zone a fixed number of
// minutes east of UTC.
class Clock : public platform::Clock {
public:
    // 100-nanosecond intervals since 1970, as the real clock counts.
    using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;

    // 2025-03-01 14:25:07 UTC.
    std::int64_t now =
        Since1970(std::chrono::sys_days{std::chrono::year{2025} / 3 / 1} + std::chrono::hours{14} +
                  std::chrono::minutes{25} + std::chrono::seconds{7});
    // nullopt: local time conversion fails.
    std::optional<int> utcOffsetMinutes = 0;

    static std::int64_t Since1970(std::chrono::sys_time<Ticks> time) {
        return time.time_since_epoch().count();
    }

    std::int64_t Now() override { return now; }
    std::optional<std::tm> LocalTime(std::int64_t secondsSince1970) override;
};

}  // namespace fake
