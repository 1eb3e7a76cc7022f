#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace download {

// (exit code, text) of an installer run. Exit code 0 is success.
using LaunchResult = std::pair<std::uint32_t, std::string>;

// The exit code of an installer that was not waited for or not started.
inline constexpr std::uint32_t kNoExitCode = 0xFFFFFFFF;

// The quoted path, one space, then the arguments as they are.
std::string InstallerCommandLine(std::string_view path, std::string_view arguments);

// A started installer: no text for exit code 0, else "exit code = N".
LaunchResult StartedResult(std::uint32_t exitCode);
// An installer that could not be started, with the system's reason.
LaunchResult NotStartedResult(std::string_view systemMessage);

}  // namespace download
