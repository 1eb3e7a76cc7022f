#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/HttpClient.h"
#include "platform/ModuleInfo.h"
#include "platform/OsVersion.h"
#include "platform/Wow64.h"

// What the remote service's client works with.
struct RemoteServices {
    platform::HttpClient& http;
    platform::OsVersion& os;
    platform::Wow64& wow64;
    platform::ModuleInfo& module;  // the program's file names the installer tag
    // Waits between attempts; Sleep in the program.
    std::function<void(std::chrono::milliseconds)> pause;
    // Takes one diagnostic line of the POST client (without its newline).
    std::function<void(const std::string&)> diagnostic;
};
