#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <latch>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/fake/FakeSystem.h"
#include "settings/ConfigurationManager.h"
#include "settings/MachineId.h"

namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

constexpr const char* kGuid = "0f5ef3a4-2b8c-4c11-9d3e-7a6b5c4d3e2f";
constexpr const char* kCryptography = "SOFTWARE\\Microsoft\\Cryptography";
constexpr const char* kCryptography32 = "SOFTWARE\\Wow6432Node\\Microsoft\\Cryptography";

void SetMachineGuid(fake::Registry& registry, const char* key, RegistryValue value) {
    registry.SetValue(RegistryRoot::LocalMachine, key, "MachineGuid", value);
}

TEST(MachineId, ReadFromThe64BitViewAsStored) {
    const RegistryValue guid{platform::kRegSz, kGuid, 0};
    const struct {
        bool windows64;
        const char* key;
        RegistryValue value;
        std::string expected;
    } cases[] = {
        {true, kCryptography, guid, kGuid},
        // What the 32-bit view alone holds is not the machine's id.
        {true, kCryptography32, guid, ""},
        {false, kCryptography, guid, kGuid},
        {true, kCryptography, {platform::kRegSz, std::string(kGuid) + '\0' + "tail", 0}, kGuid},
        {true, kCryptography, {platform::kRegDword, "", 7}, ""},
        {true, "SOFTWARE\\Microsoft\\Other", guid, ""},
    };
    for (const auto& c : cases) {
        fake::Registry registry(c.windows64);
        SetMachineGuid(registry, c.key, c.value);
        EXPECT_EQ(ReadMachineId(registry), c.expected) << c.key << " " << c.windows64;
    }
}

TEST(MachineId, SettingsReadItUntilItIsThereThenKeepIt) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    EXPECT_EQ(settings.GetMachineId(), "");
    SetMachineGuid(system.registry, kCryptography, {platform::kRegSz, kGuid, 0});
    EXPECT_EQ(settings.GetMachineId(), kGuid);
    SetMachineGuid(system.registry, kCryptography, {platform::kRegSz, "another", 0});
    EXPECT_EQ(settings.GetMachineId(), kGuid);
    EXPECT_EQ(settings.machineId, kGuid);
}

TEST(SessionTimestamp, LocalTimeOfTheFirstCallForTheWholeRun) {
    fake::System system;
    system.clock.utcOffsetMinutes = 120;
    ConfigurationManager settings("ISV", system.services);
    EXPECT_EQ(settings.GetSessionTimestamp(), "20250301162507");
    system.clock.now += fake::Clock::Ticks{std::chrono::hours{1}}.count();
    EXPECT_EQ(settings.GetSessionTimestamp(), "20250301162507");
}

TEST(SessionTimestamp, FailedConversionIsRetried) {
    fake::System system;
    system.clock.utcOffsetMinutes.reset();
    ConfigurationManager settings("ISV", system.services);
    EXPECT_EQ(settings.GetSessionTimestamp(), "");
    system.clock.utcOffsetMinutes = 0;
    system.clock.now += fake::Clock::Ticks{std::chrono::seconds{3}}.count();
    EXPECT_EQ(settings.GetSessionTimestamp(), "20250301142510");
}

TEST(Placeholders, SettingsBuildTheTableOnceAndExpandWithIt) {
    fake::System system;
    ConfigurationManager settings("ISV", system.services);
    EXPECT_FALSE(settings.placeholdersReady);
    EXPECT_EQ(settings.ExpandPathPlaceholders(settings.installedProductPath),
              "C:\\Users\\user\\AppData\\Roaming\\Pellar\\Pellar.exe");
    EXPECT_TRUE(settings.placeholdersReady);

    system.knownFolders.byId[{platform::KnownFolderId::RoamingAppData, false}] = "E:\\Moved";
    EXPECT_EQ(settings.ExpandPathPlaceholders("{commonappdata}"),
              "C:\\Users\\user\\AppData\\Roaming");
}

// Decorators that count the calls reaching the machine and hold each one
// long enough for the other threads to arrive.
constexpr auto kHold = std::chrono::milliseconds(20);

struct SlowWow64 : platform::Wow64 {
    explicit SlowWow64(platform::Wow64& wrapped) : inner(wrapped) {}
    bool IsWow64Process() override {
        ++calls;
        std::this_thread::sleep_for(kHold);
        return inner.IsWow64Process();
    }
    platform::Wow64& inner;
    std::atomic<int> calls{0};
};

struct SlowRegistry : platform::Registry {
    explicit SlowRegistry(platform::Registry& wrapped) : inner(wrapped) {}
    const platform::RegistryKey& Root(RegistryRoot root) override {
        ++calls;
        std::this_thread::sleep_for(kHold);
        return inner.Root(root);
    }
    platform::Registry& inner;
    std::atomic<int> calls{0};
};

struct SlowClock : platform::Clock {
    explicit SlowClock(platform::Clock& wrapped) : inner(wrapped) {}
    std::int64_t Now() override { return inner.Now(); }
    std::optional<std::tm> LocalTime(std::int64_t seconds) override {
        ++calls;
        std::this_thread::sleep_for(kHold);
        return inner.LocalTime(seconds);
    }
    platform::Clock& inner;
    std::atomic<int> calls{0};
};

TEST(LazyMembers, ConcurrentFirstCallsAskTheMachineOnce) {
    fake::System fakes;
    SetMachineGuid(fakes.registry, kCryptography, {platform::kRegSz, kGuid, 0});
    SlowWow64 wow64(fakes.wow64);
    SlowRegistry registry(fakes.registry);
    SlowClock clock(fakes.clock);
    platform::System services{fakes.files,        fakes.knownFolders,
                              fakes.messageBoxes, fakes.module,
                              fakes.resources,    fakes.locales,
                              registry,           wow64,
                              fakes.environment,  clock};
    ConfigurationManager settings("ISV", services);

    constexpr int kThreads = 8;
    std::latch start(kThreads);
    std::vector<std::future<std::tuple<PlaceholderTable, std::string, std::string>>> askers;
    for (int i = 0; i < kThreads; ++i) {
        askers.push_back(std::async(std::launch::async, [&] {
            start.arrive_and_wait();
            return std::make_tuple(settings.GetPlaceholders(), settings.GetMachineId(),
                                   settings.GetSessionTimestamp());
        }));
    }
    std::vector<std::tuple<PlaceholderTable, std::string, std::string>> answers;
    for (auto& asker : askers) answers.push_back(asker.get());

    EXPECT_EQ(wow64.calls, 1);
    EXPECT_EQ(registry.calls, 1);
    EXPECT_EQ(clock.calls, 1);
    EXPECT_EQ(std::get<1>(answers.front()), kGuid);
    EXPECT_EQ(std::get<2>(answers.front()), "20250301142507");
    for (const auto& answer : answers) EXPECT_EQ(answer, answers.front());
}

}  // namespace
