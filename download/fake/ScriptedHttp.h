#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "download/HttpStack.h"
#include "download/UrlStack.h"

namespace fake {

// One scripted answer of a server.
struct HttpAnswer {
    std::uint32_t status = 200;
    std::optional<std::string> location;
    std::optional<std::uint64_t> contentLength;  // as announced; nullopt: none
    std::vector<std::string> chunks;             // the body, as it arrives
    // Called before each chunk is handed out with its index, and at the end
    // of the body with the number of chunks; may block.
    std::function<void(std::size_t)> beforeChunk;
};

// A body of size bytes announced with its length, in chunks of chunkSize.
HttpAnswer Body(std::size_t size, std::size_t chunkSize = 8192);
HttpAnswer Redirect(const std::string& location);
HttpAnswer Status(std::uint32_t status);
// The body of answer as one text.
std::string BodyOf(const HttpAnswer& answer);

// Calls of the primary stack that a test can make fail.
enum class HttpStep {
    OpenSession,
    SetProtocols,
    CrackUrl,
    Connect,
    OpenRequest,
    Send,
    Receive,
    QueryData,
    Read,
};
// Calls of the fallback stack that a test can make fail.
enum class UrlStep { Open, OpenUrl, QueryStatus };

// A step fails with error the next `times` times it is taken.
struct ScriptedFailure {
    download::SystemError error;
    int times = 1000;
};

// The calling thread's last error as the fakes set it, like Windows'.
void SetThreadError(download::SystemError error);
download::SystemError ThreadError();

// The primary stack answering from a table by URL; a URL without an answer
// gets 404. URLs split as scheme "://" host [":" port] path-and-query, with
// scheme http or https. Safe for several threads.
class ScriptedHttp : public download::HttpStack {
public:
    // One hop as the engine made it.
    struct Request {
        std::optional<std::string> agent;
        std::uint32_t accessType = 0;
        std::uint32_t protocols = 0;
        std::string url;
        std::uint32_t flags = 0;
    };

    std::map<std::string, HttpAnswer> answers;
    std::map<HttpStep, ScriptedFailure> failures;

    std::unique_ptr<download::HttpSession> OpenSession(const std::optional<std::string>& agent,
                                                       std::uint32_t accessType) override;
    std::optional<download::UrlParts> CrackUrl(const std::string& url) override;
    download::SystemError LastError() override { return ThreadError(); }

    std::vector<Request> Requests();
    int SessionsOpened();

    // For the fake's handles: whether step passes now (else the error is
    // set), and the answer to a request, which is recorded.
    bool Passes(HttpStep step);
    HttpAnswer Answer(const Request& request);

private:
    std::mutex mutex_;
    std::vector<Request> requests_;
    int sessionsOpened_ = 0;
};

// The fallback stack answering from a table of its own; it follows up to
// ten redirects itself. For one thread.
class ScriptedUrls : public download::UrlStack {
public:
    // One opened URL as the engine asked for it.
    struct Request {
        std::string agent;
        std::uint32_t accessType = 0;
        std::string url;
        std::uint32_t flags = 0;
    };

    std::map<std::string, HttpAnswer> answers;
    std::map<UrlStep, ScriptedFailure> failures;
    // The thread's last error after a status query that succeeded.
    download::SystemError afterStatus{0, "The operation completed successfully."};
    std::vector<Request> requests;

    std::unique_ptr<download::UrlSession> Open(const std::string& agent,
                                               std::uint32_t accessType) override;
    download::SystemError LastError() override { return ThreadError(); }

    bool Passes(UrlStep step);
    // The answer at the end of url's redirects; nullopt after too many.
    std::optional<HttpAnswer> Follow(std::string url);
};

}  // namespace fake
