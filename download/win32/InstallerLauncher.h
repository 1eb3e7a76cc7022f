#pragma once

#include <string>

#include "download/LaunchResult.h"

namespace download {

// Starts the installer at path (UTF-8) with the command line of
// InstallerCommandLine, in the caller's environment and folder, and when
// wait is true waits for it without a time limit. Blocking; run it off the
// UI thread.
LaunchResult LaunchInstaller(const std::string& path, const std::string& arguments, bool wait);

}  // namespace download
