#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// WinHTTP's own values; the Windows client passes them on unchanged.
// WINHTTP_ACCESS_TYPE_DEFAULT_PROXY and WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY:
inline constexpr std::uint32_t kHttpAccessDefaultProxy = 0;
inline constexpr std::uint32_t kHttpAccessAutomaticProxy = 4;
// WINHTTP_FLAG_SECURE_PROTOCOL_*:
inline constexpr std::uint32_t kHttpProtocolSsl3 = 0x20;
inline constexpr std::uint32_t kHttpProtocolTls1 = 0x80;
inline constexpr std::uint32_t kHttpProtocolTls1_1 = 0x200;
inline constexpr std::uint32_t kHttpProtocolTls1_2 = 0x800;
inline constexpr std::uint32_t kHttpProtocolTls1_3 = 0x2000;
// WINHTTP_FLAG_SECURE:
inline constexpr std::uint32_t kHttpFlagSecure = 0x800000;

// A URL as the system splits it (WinHttpCrackUrl). Texts are UTF-8.
struct UrlParts {
    std::string scheme;
    std::string host;
    std::uint16_t port = 0;
    std::string path;
    std::string extra;  // query and fragment
};

// One open request and, once received, its answer.
class HttpRequest {
public:
    virtual ~HttpRequest() = default;
    // Adds one "Name: value" header line (WINHTTP_ADDREQ_FLAG_ADD).
    virtual bool AddHeader(std::string_view line) = 0;
    // Sends the request with body as its whole content.
    virtual bool Send(std::string_view body) = 0;
    virtual bool ReceiveResponse() = 0;
    // The answer's status code; nullopt when it cannot be read.
    virtual std::optional<std::uint32_t> StatusCode() = 0;
    // How many body bytes can be read now; 0 at the end of the body.
    virtual std::optional<std::size_t> QueryDataAvailable() = 0;
    // Reads into buffer; how many bytes it got.
    virtual std::optional<std::size_t> Read(std::span<char> buffer) = 0;
};

class HttpConnection {
public:
    virtual ~HttpConnection() = default;
    // flags: kHttpFlag* values.
    virtual std::unique_ptr<HttpRequest> OpenRequest(std::string_view verb, std::string_view path,
                                                     std::uint32_t flags) = 0;
};

class HttpSession {
public:
    virtual ~HttpSession() = default;
    // protocols: kHttpProtocol* values; false when the system refuses them.
    virtual bool SetSecureProtocols(std::uint32_t protocols) = 0;
    virtual std::unique_ptr<HttpConnection> Connect(std::string_view host, std::uint16_t port) = 0;
};

// The system's HTTP client (WinHTTP). Objects close their handles when they
// are destroyed; a request and a connection must go before their session.
// Every call that fails (false, null or nullopt) leaves its reason in
// LastError() of the calling thread.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // accessType: a kHttpAccess* value. No user agent is sent.
    virtual std::unique_ptr<HttpSession> OpenSession(std::uint32_t accessType) = 0;
    virtual std::optional<UrlParts> CrackUrl(std::string_view url) = 0;
    // The calling thread's last error code.
    virtual std::uint32_t LastError() = 0;
};

}  // namespace platform
