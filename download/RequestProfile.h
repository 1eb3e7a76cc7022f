#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace download {

// The Windows releases that change how the primary stack is set up.
struct WindowsRelease {
    bool windows7Sp1OrLater = true;  // WinHTTP can offer TLS 1.1 and 1.2
    bool windows81OrLater = true;    // WinHTTP knows the automatic proxy
};

// How requests on the primary stack are made.
struct RequestProfile {
    std::optional<std::string> agent;  // nullopt: no User-Agent
    std::uint32_t accessType = 0;
    std::uint32_t protocols = 0;
    std::uint32_t flags = 0;  // kRequestSecure is added for https
};

// File downloads: no agent, the automatic proxy where the system has it.
RequestProfile FileDownloadProfile(const WindowsRelease& release);
// Downloads into memory: the sample agent, the default proxy, no cache.
RequestProfile MemoryDownloadProfile(const WindowsRelease& release);

}  // namespace download
