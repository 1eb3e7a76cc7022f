#pragma once

#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/Wow64.h"

// Small facts about the machine and the process, through Win32.
namespace platform::win32 {

class Wow64 : public platform::Wow64 {
public:
    bool IsWow64Process() override;
};

class Environment : public platform::Environment {
public:
    std::optional<std::string> Variable(std::string_view name) override;
};

class Clock : public platform::Clock {
public:
    std::int64_t Now() override;
    std::optional<std::tm> LocalTime(std::int64_t secondsSince1970) override;
};

}  // namespace platform::win32
