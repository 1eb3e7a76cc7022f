#include "settings/TimeTexts.h"

#include <chrono>
#include <ctime>

namespace {

using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;

template <typename Unit>
std::int64_t NowIn(platform::Clock& clock) {
    return std::chrono::floor<Unit>(Ticks{clock.Now()}).count();
}

std::string LocalNowText(platform::Clock& clock, bool withTime) {
    const auto local = clock.LocalTime(NowIn<std::chrono::seconds>(clock));
    if (!local) return "";
    char text[16];
    const std::size_t length =
        std::strftime(text, sizeof text, withTime ? "%Y%m%d%H%M%S" : "%Y%m%d", &*local);
    return std::string(text, length);
}

}  // namespace

std::string NowMillisecondsText(platform::Clock& clock) {
    return std::to_string(NowIn<std::chrono::milliseconds>(clock));
}

std::string TodayText(platform::Clock& clock) {
    return LocalNowText(clock, false);
}

std::string LocalTimestampText(platform::Clock& clock) {
    return LocalNowText(clock, true);
}
