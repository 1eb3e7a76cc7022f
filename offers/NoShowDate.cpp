#include "offers/NoShowDate.h"

namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

}  // namespace

std::optional<std::uint32_t> NoShowDate(platform::Clock& clock, int days) {
    const std::int64_t then = clock.Now() / kTicksPerSecond + days * kSecondsPerDay;
    const auto local = clock.LocalTime(then);
    if (!local) return std::nullopt;
    return static_cast<std::uint32_t>((local->tm_year + 1900) * 10000 + (local->tm_mon + 1) * 100 +
                                      local->tm_mday);
}

bool WriteNoShowDate(platform::Registry& registry, const std::string& keyPath,
                     const std::string& valueName, std::uint32_t date) {
    if (keyPath.empty()) return false;
    const auto key = registry.Root(platform::RegistryRoot::LocalMachine)
                         .Create(keyPath, platform::kKeySetValue);
    if (!key.Succeeded() || !key.value) return false;
    return key.value->SetDword(valueName, date) == platform::kErrorSuccess;
}
