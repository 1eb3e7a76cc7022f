#include "download/HttpExchange.h"

#include <algorithm>
#include <vector>

#include "download/DownloadFailure.h"

namespace download {

namespace {

// Reads ask for at least this much: the stack answers with what it has, and
// fewer, larger reads take fewer calls than reading only what was announced
// as available.
constexpr std::size_t kMinimumRead = 64 * 1024;

}  // namespace

HttpExchange HttpExchange::Open(HttpStack& http, std::string url, const RequestProfile& profile) {
    for (int redirects = 0;;) {
        HttpExchange hop = Request(http, url, profile);
        const std::uint32_t status = hop.request_->StatusCode();
        if (status >= 300 && status <= 399) {
            if (++redirects > kMaxRedirects) Fail("Too many redirects.");
            url = hop.RedirectTarget();
            continue;
        }
        if (status < 200 || status > 299) {
            Fail("Download failed: Server returned status code: " + std::to_string(status));
        }
        return hop;
    }
}

HttpExchange HttpExchange::Request(HttpStack& http, const std::string& url,
                                   const RequestProfile& profile) {
    HttpExchange hop(http);
    hop.session_ = http.OpenSession(profile.agent, profile.accessType);
    if (!hop.session_) FailWith("Failed to open HTTP session: ", http.LastError());
    if (!hop.session_->SetSecureProtocols(profile.protocols)) {
        FailWith("Failed to set secure protocols: ", http.LastError());
    }
    const auto parts = http.CrackUrl(url);
    if (!parts) FailWith("Failed to split URL: ", http.LastError());
    hop.connection_ = hop.session_->Connect(parts->host, parts->port);
    if (!hop.connection_) FailWith("Failed to connect: ", http.LastError());
    const std::uint32_t flags = profile.flags | (parts->secure ? kRequestSecure : 0);
    hop.request_ = hop.connection_->OpenRequest(parts->pathAndQuery, flags);
    if (!hop.request_) FailWith("Failed to open request: ", http.LastError());
    if (!hop.request_->Send()) FailWith("Failed to send request: ", http.LastError());
    if (!hop.request_->ReceiveResponse()) {
        FailWith("Failed to receive response: ", http.LastError());
    }
    return hop;
}

std::string HttpExchange::RedirectTarget() {
    auto location = request_->Location();
    if (!location) FailWith("Failed to read redirect location: ", http_->LastError());
    return std::move(*location);
}

void HttpExchange::ReadBody(const std::atomic<bool>& cancelled,
                            const std::function<void(std::span<const std::uint8_t>)>& chunk) {
    std::vector<std::uint8_t> buffer;
    for (;;) {
        if (cancelled) Fail("Download cancelled.");
        const auto available = request_->QueryDataAvailable();
        if (!available) FailWith("Failed to query data: ", http_->LastError());
        if (*available == 0) return;
        buffer.resize(std::max(*available, kMinimumRead));  // std::bad_alloc: "Out of memory."
        const auto read = request_->Read(buffer);
        if (!read) FailWith("Failed to read data: ", http_->LastError());
        if (*read == 0) return;
        chunk(std::span(buffer).first(*read));
    }
}

}  // namespace download
