#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/Registry.h"

// How long a shown offer that asks for it is held back.
inline constexpr int kNoShowDays = 180;

// The local date days after now as the number YYYYMMDD; nullopt when the
// local time cannot be had.
std::optional<std::uint32_t> NoShowDate(platform::Clock& clock, int days = kNoShowDays);

// Stores date as the DWORD valueName under HKEY_LOCAL_MACHINE\keyPath,
// creating the key. False when it could not be written.
bool WriteNoShowDate(platform::Registry& registry, const std::string& keyPath,
                     const std::string& valueName, std::uint32_t date);
