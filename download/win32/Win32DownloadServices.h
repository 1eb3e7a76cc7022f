#pragma once

#include "download/DownloadManager.h"
#include "platform/MessageBoxes.h"

namespace download::win32 {

// The release of Windows this process runs on.
WindowsRelease CurrentWindowsRelease();

// The download engines' services over WinHTTP, WinINet and the file system,
// shared by the whole process; messageBoxes says "Invalid path".
DownloadServices Win32DownloadServices(platform::MessageBoxes& messageBoxes);

}  // namespace download::win32
