#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "download/HttpStack.h"
#include "download/RequestProfile.h"

namespace download {

// A GET on the primary stack whose answer has a 2xx status. Its handles
// close with it, request first.
class HttpExchange {
public:
    static constexpr int kMaxRedirects = 5;

    // Requests url and follows up to kMaxRedirects redirects by hand, each
    // hop with a session of its own. Throws DownloadFailure.
    static HttpExchange Open(HttpStack& http, std::string url, const RequestProfile& profile);

    std::optional<std::uint64_t> ContentLength() { return request_->ContentLength(); }

    // Hands the body to chunk piece by piece until its end. Checks cancelled
    // before each piece. Throws DownloadFailure.
    void ReadBody(const std::atomic<bool>& cancelled,
                  const std::function<void(std::span<const std::uint8_t>)>& chunk);

private:
    explicit HttpExchange(HttpStack& http) : http_(&http) {}
    // One hop: session to received answer.
    static HttpExchange Request(HttpStack& http, const std::string& url,
                                const RequestProfile& profile);
    std::string RedirectTarget();

    HttpStack* http_;
    std::unique_ptr<HttpSession> session_;
    std::unique_ptr<HttpConnection> connection_;
    std::unique_ptr<HttpRequest> request_;
};

}  // namespace download
