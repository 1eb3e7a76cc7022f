#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "download/SystemError.h"

namespace download {

// WinINet's own values; the Windows stack passes them on unchanged.
inline constexpr std::uint32_t kOpenPreconfig = 0;           // INTERNET_OPEN_TYPE_PRECONFIG
inline constexpr std::uint32_t kOpenUrlReload = 0x80000000;  // INTERNET_FLAG_RELOAD

// The answer to an opened URL.
class UrlResponse {
public:
    virtual ~UrlResponse() = default;
    virtual std::optional<std::uint32_t> StatusCode() = 0;
    // The numeric Content-Length; nullopt when absent or unreadable.
    virtual std::optional<std::uint64_t> ContentLength() = 0;
    // Reads into buffer; 0 at the end of the body and when reading fails.
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
};

class UrlSession {
public:
    virtual ~UrlSession() = default;
    // Requests url, following its redirects.
    virtual std::unique_ptr<UrlResponse> OpenUrl(const std::string& url, std::uint32_t flags) = 0;
};

// The fallback HTTP stack (WinINet): it follows redirects itself. Every call
// that fails (null or nullopt) leaves its reason in LastError() of the
// calling thread.
class UrlStack {
public:
    virtual ~UrlStack() = default;
    virtual std::unique_ptr<UrlSession> Open(const std::string& agent,
                                             std::uint32_t accessType) = 0;
    // The calling thread's last error, whatever set it.
    virtual SystemError LastError() = 0;
};

}  // namespace download
