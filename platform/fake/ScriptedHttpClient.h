#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/HttpClient.h"

namespace fake {

// One answer of the scripted server.
struct HttpReply {
    std::uint32_t status = 200;
    std::vector<std::string> chunks;  // the body, as it arrives
};

// The calls of the client that a test can make fail.
enum class HttpStep {
    OpenSession,
    SetProtocols,
    CrackUrl,
    Connect,
    OpenRequest,
    AddHeader,
    Send,
    Receive,
    StatusCode,
    QueryData,
    Read,
};

// Windows' error codes the fake reports.
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorCannotConnect = 12029;    // ERROR_WINHTTP_CANNOT_CONNECT
inline constexpr std::uint32_t kErrorConnectionError = 12030;  // ERROR_WINHTTP_CONNECTION_ERROR

// One request as the server received it.
struct HttpExchangeRecord {
    std::uint32_t accessType = 0;
    std::vector<std::uint32_t> protocolsOffered;  // every SetSecureProtocols, in order
    std::string host;
    std::uint16_t port = 0;
    std::string verb;
    std::string path;
    std::uint32_t flags = 0;
    std::vector<std::string> headers;  // the lines added, in order
    std::string body;
};

// An HTTP client whose server answers from a script. Replies are used one
// per request sent, in order; with none left, sending fails as if the
// server could not be reached. Thread-safe.
class ScriptedHttpClient : public platform::HttpClient {
public:
    // The protocol flags the system knows; others make SetSecureProtocols
    // fail, as on systems without TLS 1.3.
    std::uint32_t knownProtocols = 0x2AA8;
    std::vector<HttpReply> replies;
    // Called as each request is sent, before its reply is chosen; may block.
    std::function<void(const HttpExchangeRecord&)> onSend;

    // step fails the next `times` times it is taken, with error.
    void Fail(HttpStep step, int times = 1, std::uint32_t error = kErrorConnectionError);
    // Every request sent so far.
    std::vector<HttpExchangeRecord> Sent();

    std::unique_ptr<platform::HttpSession> OpenSession(std::uint32_t accessType) override;
    std::optional<platform::UrlParts> CrackUrl(std::string_view url) override;
    std::uint32_t LastError() override;

    // For the fake's own objects.
    bool Fails(HttpStep step);
    std::optional<HttpReply> TakeReply(const HttpExchangeRecord& request);

private:
    struct Failure {
        int times = 0;
        std::uint32_t error = 0;
    };

    std::mutex mutex_;
    std::map<HttpStep, Failure> failures_;
    std::size_t nextReply_ = 0;
    std::vector<HttpExchangeRecord> sent_;
};

}  // namespace fake
