#include "download/win32/Win32DownloadServices.h"

#include <windows.h>
#include <versionhelpers.h>

#include <mutex>

#include "download/win32/WinHttpStack.h"
#include "download/win32/WinInetStack.h"
#include "download/win32/Win32OutputFiles.h"
#include "settings/ConfigurationManager.h"

namespace download::win32 {

WindowsRelease CurrentWindowsRelease() {
    return {IsWindows7SP1OrGreater(), IsWindows8Point1OrGreater()};
}

DownloadServices Win32DownloadServices(platform::MessageBoxes& messageBoxes) {
    static WinHttpStack http;
    static WinInetStack fallback;
    static Win32OutputFiles files;
    return {http,
            fallback,
            files,
            messageBoxes,
            CurrentWindowsRelease(),
            [](std::chrono::milliseconds pause) { ::Sleep(static_cast<DWORD>(pause.count())); }};
}

}  // namespace download::win32

std::shared_ptr<download::DownloadManager> download::DownloadManager::Instance() {
    static std::shared_ptr<DownloadManager> instance;
    static std::once_flag once;
    std::call_once(once, [] {
        instance = std::make_shared<DownloadManager>(
            win32::Win32DownloadServices(platform::CurrentSystem().messageBoxes),
            ConfigurationManager::Instance());
    });
    return instance;
}
