#pragma once

#include <string>
#include <string_view>

#include "download/OutputFiles.h"
#include "platform/MessageBoxes.h"

namespace download {

// The part of url after its last "/", a query included; "" without a "/".
std::string FileNameFromUrl(std::string_view url);

// Where a download of url goes: folder joined with fileName, or with the
// URL's last part when fileName is empty. "" when folder is not an existing
// folder (after a message box "Invalid path") or when the name would leave
// the folder, so that opening the file fails.
std::string ResolveTargetPath(OutputFiles& files, platform::MessageBoxes& messageBoxes,
                              const std::string& folder, std::string_view url,
                              const std::string& fileName);

}  // namespace download
