#include "offers/NoShowDate.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"
#include "platform/fake/FakeRegistry.h"

namespace {

using namespace std::chrono;

TEST(NoShowDate, IsTheLocalDate180DaysAhead) {
    fake::Clock clock;
    clock.now = fake::Clock::Since1970(sys_days{year{2026} / 12 / 9} + hours{12});
    EXPECT_EQ(NoShowDate(clock), 20270607u);
    // Late in the evening in UTC is already the next day further east.
    clock.now = fake::Clock::Since1970(sys_days{year{2026} / 12 / 9} + hours{23});
    clock.utcOffsetMinutes = 120;
    EXPECT_EQ(NoShowDate(clock), 20270608u);
    clock.utcOffsetMinutes.reset();
    EXPECT_EQ(NoShowDate(clock), std::nullopt);
}

TEST(NoShowDate, IsWrittenAsADwordUnderTheMachineKey) {
    for (const bool windows64 : {false, true}) {
        fake::Registry registry(windows64);
        ASSERT_TRUE(WriteNoShowDate(registry, "Software\\Norvik\\Offers", "md5name", 20270607));
        const auto value = registry.Root(platform::RegistryRoot::LocalMachine)
                               .GetValue("Software\\Norvik\\Offers", "md5name", platform::kRrfRtAny);
        ASSERT_TRUE(value.Succeeded()) << windows64;
        EXPECT_EQ(value.value.type, platform::kRegDword);
        EXPECT_EQ(value.value.number, 20270607u);
    }
    fake::Registry registry(true);
    EXPECT_FALSE(WriteNoShowDate(registry, "", "md5name", 20270607)) << "no key named";
}

}  // namespace
