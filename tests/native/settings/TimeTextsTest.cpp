#include "settings/TimeTexts.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/fake/FakeMachine.h"

namespace {

using namespace std::chrono;
using Ticks = fake::Clock::Ticks;

std::int64_t At(sys_time<Ticks> time) {
    return fake::Clock::Since1970(time);
}

TEST(TimeTexts, MillisecondsSince1970) {
    fake::Clock clock;
    const struct {
        std::int64_t now;
        const char* text;
    } cases[] = {
        {At(sys_days{year{2025} / 1 / 1}), "1735689600000"},
        {At(sys_days{year{2025} / 1 / 1} + milliseconds{999} + Ticks{9999}), "1735689600999"},
        {0, "0"},
        {At(sys_days{year{1969} / 12 / 31} + hours{23} + minutes{59} + seconds{59} +
            milliseconds{500}),
         "-500"},
    };
    for (const auto& c : cases) {
        clock.now = c.now;
        EXPECT_EQ(NowMillisecondsText(clock), c.text);
    }
}

TEST(TimeTexts, LocalDateAndTimeFollowTheTimeZone) {
    fake::Clock clock;
    clock.now = At(sys_days{year{2024} / 12 / 31} + hours{23} + minutes{30});
    const struct {
        int offsetMinutes;
        const char* today;
        const char* stamp;
    } cases[] = {
        {0, "20241231", "20241231233000"},
        {60, "20250101", "20250101003000"},
        {-330, "20241231", "20241231180000"},
    };
    for (const auto& c : cases) {
        clock.utcOffsetMinutes = c.offsetMinutes;
        EXPECT_EQ(TodayText(clock), c.today) << c.offsetMinutes;
        EXPECT_EQ(LocalTimestampText(clock), c.stamp) << c.offsetMinutes;
    }
}

TEST(TimeTexts, FailedLocalConversionGivesNoText) {
    fake::Clock clock;
    clock.now = At(sys_days{year{2025} / 3 / 1} + hours{14} + minutes{25} + seconds{7});
    clock.utcOffsetMinutes.reset();
    EXPECT_EQ(TodayText(clock), "");
    EXPECT_EQ(LocalTimestampText(clock), "");
    EXPECT_EQ(NowMillisecondsText(clock), "1740839107000");  // needs no local time
}

}  // namespace
