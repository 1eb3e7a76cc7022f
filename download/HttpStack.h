#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "download/SystemError.h"

namespace download {

// WinHTTP's own values; the Windows stack passes them on unchanged.
inline constexpr std::uint32_t kAccessDefaultProxy = 0;       // WINHTTP_ACCESS_TYPE_DEFAULT_PROXY
inline constexpr std::uint32_t kAccessAutomaticProxy = 4;     // WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY
inline constexpr std::uint32_t kProtocolsSsl3Tls10 = 0xA0;    // SSL 3.0 and TLS 1.0
inline constexpr std::uint32_t kProtocolsTls11Tls12 = 0xA00;  // TLS 1.1 and TLS 1.2
inline constexpr std::uint32_t kRequestRefresh = 0x100;       // WINHTTP_FLAG_REFRESH
inline constexpr std::uint32_t kRequestSecure = 0x800000;     // WINHTTP_FLAG_SECURE

// An absolute URL split for a connection.
struct UrlParts {
    bool secure = false;  // the scheme is https
    std::string host;
    std::uint16_t port = 0;
    std::string pathAndQuery;
};

// One request and its answer, whose body is read as it arrives.
class HttpRequest {
public:
    virtual ~HttpRequest() = default;
    virtual bool Send() = 0;
    virtual bool ReceiveResponse() = 0;
    // The answer's status code; 0 when it cannot be read.
    virtual std::uint32_t StatusCode() = 0;
    // The whole Location header, however long; nullopt when there is none.
    virtual std::optional<std::string> Location() = 0;
    // The numeric Content-Length; nullopt when absent or unreadable.
    virtual std::optional<std::uint64_t> ContentLength() = 0;
    // How many body bytes can be read now, 0 at the end of the body.
    virtual std::optional<std::size_t> QueryDataAvailable() = 0;
    // Reads into buffer and returns how many bytes it got.
    virtual std::optional<std::size_t> Read(std::span<std::uint8_t> buffer) = 0;
};

class HttpConnection {
public:
    virtual ~HttpConnection() = default;
    // A GET of pathAndQuery with the kRequest* flags.
    virtual std::unique_ptr<HttpRequest> OpenRequest(const std::string& pathAndQuery,
                                                     std::uint32_t flags) = 0;
};

class HttpSession {
public:
    virtual ~HttpSession() = default;
    virtual bool SetSecureProtocols(std::uint32_t protocols) = 0;
    virtual std::unique_ptr<HttpConnection> Connect(const std::string& host,
                                                    std::uint16_t port) = 0;
};

// The primary HTTP stack (WinHTTP). It leaves redirects to its caller.
// Every call that fails (false, null or nullopt) leaves its reason in
// LastError() of the calling thread.
class HttpStack {
public:
    virtual ~HttpStack() = default;
    // agent nullopt: no User-Agent at all. accessType: a kAccess* value.
    virtual std::unique_ptr<HttpSession> OpenSession(const std::optional<std::string>& agent,
                                                     std::uint32_t accessType) = 0;
    // nullopt when url is not an absolute http or https URL with a host.
    virtual std::optional<UrlParts> CrackUrl(const std::string& url) = 0;
    virtual SystemError LastError() = 0;
};

}  // namespace download
