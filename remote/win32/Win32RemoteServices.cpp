#include "remote/win32/Win32RemoteServices.h"

#include <windows.h>

#include <cstdio>
#include <mutex>

#include "platform/System.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/WinHttpClient.h"
#include "remote/ApiManager.h"

RemoteServices Win32RemoteServices() {
    static platform::win32::HttpClient http;
    static platform::win32::OsVersion os;
    platform::System& system = platform::CurrentSystem();
    return {http,
            os,
            system.wow64,
            system.module,
            [](std::chrono::milliseconds pause) { ::Sleep(static_cast<DWORD>(pause.count())); },
            [](const std::string& line) {
                std::printf("%s\n", line.c_str());
                std::fflush(stdout);
            }};
}

std::shared_ptr<ApiManager> ApiManager::Instance() {
    static std::shared_ptr<ApiManager> instance;
    static std::once_flag once;
    std::call_once(once, [] {
        instance =
            std::make_shared<ApiManager>(Win32RemoteServices(), ConfigurationManager::Instance());
    });
    return instance;
}
