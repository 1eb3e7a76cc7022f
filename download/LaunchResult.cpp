#include "download/LaunchResult.h"

namespace download {

std::string InstallerCommandLine(std::string_view path, std::string_view arguments) {
    std::string commandLine = "\"";
    commandLine += path;
    commandLine += "\" ";
    commandLine += arguments;
    return commandLine;
}

LaunchResult StartedResult(std::uint32_t exitCode) {
    if (exitCode == 0) return {0, ""};
    return {exitCode, "exit code = " + std::to_string(exitCode)};
}

LaunchResult NotStartedResult(std::string_view systemMessage) {
    return {kNoExitCode, "Error launching executable: " + std::string(systemMessage)};
}

}  // namespace download
