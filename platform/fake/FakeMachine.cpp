#include "platform/fake/FakeMachine.h"

namespace fake {

std::optional<std::tm> Clock::LocalTime(std::int64_t secondsSince1970) {
    using namespace std::chrono;
    if (!utcOffsetMinutes) return std::nullopt;
    const sys_seconds local{seconds{secondsSince1970} + minutes{*utcOffsetMinutes}};
    const sys_days day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{local - day};
    std::tm result{};
    result.tm_year = static_cast<int>(date.year()) - 1900;
    result.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    result.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    result.tm_hour = static_cast<int>(time.hours().count());
    result.tm_min = static_cast<int>(time.minutes().count());
    result.tm_sec = static_cast<int>(time.seconds().count());
    result.tm_wday = static_cast<int>(weekday{day}.c_encoding());
    result.tm_yday = static_cast<int>((day - sys_days{date.year() / January / 1}).count());
    return result;
}

}  // namespace fake
