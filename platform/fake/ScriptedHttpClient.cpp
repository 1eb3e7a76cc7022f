#include "platform/fake/ScriptedHttpClient.h"

#include <algorithm>
#include <cstring>

namespace fake {
namespace {

thread_local std::uint32_t lastError = 0;

class Request : public platform::HttpRequest {
public:
    Request(ScriptedHttpClient& client, HttpExchangeRecord record)
        : client_(client), record_(std::move(record)) {}

    bool AddHeader(std::string_view line) override {
        if (client_.Fails(HttpStep::AddHeader)) return false;
        record_.headers.emplace_back(line);
        return true;
    }

    bool Send(std::string_view body) override {
        if (client_.Fails(HttpStep::Send)) return false;
        record_.body = body;
        reply_ = client_.TakeReply(record_);
        if (!reply_) lastError = kErrorCannotConnect;
        return reply_.has_value();
    }

    bool ReceiveResponse() override { return reply_ && !client_.Fails(HttpStep::Receive); }

    std::optional<std::uint32_t> StatusCode() override {
        if (!reply_ || client_.Fails(HttpStep::StatusCode)) return std::nullopt;
        return reply_->status;
    }

    std::optional<std::size_t> QueryDataAvailable() override {
        if (!reply_ || client_.Fails(HttpStep::QueryData)) return std::nullopt;
        if (chunk_ == reply_->chunks.size()) return 0;
        return reply_->chunks[chunk_].size() - offset_;
    }

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        if (!reply_ || client_.Fails(HttpStep::Read)) return std::nullopt;
        if (chunk_ == reply_->chunks.size()) return 0;
        const std::string& chunk = reply_->chunks[chunk_];
        const std::size_t count = std::min(buffer.size(), chunk.size() - offset_);
        std::memcpy(buffer.data(), chunk.data() + offset_, count);
        offset_ += count;
        if (offset_ == chunk.size()) {
            ++chunk_;
            offset_ = 0;
        }
        return count;
    }

private:
    ScriptedHttpClient& client_;
    HttpExchangeRecord record_;
    std::optional<HttpReply> reply_;
    std::size_t chunk_ = 0;
    std::size_t offset_ = 0;
};

class Connection : public platform::HttpConnection {
public:
    Connection(ScriptedHttpClient& client, HttpExchangeRecord record)
        : client_(client), record_(std::move(record)) {}

    std::unique_ptr<platform::HttpRequest> OpenRequest(std::string_view verb, std::string_view path,
                                                       std::uint32_t flags) override {
        if (client_.Fails(HttpStep::OpenRequest)) return nullptr;
        HttpExchangeRecord record = record_;
        record.verb = verb;
        record.path = path;
        record.flags = flags;
        return std::make_unique<Request>(client_, std::move(record));
    }

private:
    ScriptedHttpClient& client_;
    HttpExchangeRecord record_;
};

class Session : public platform::HttpSession {
public:
    Session(ScriptedHttpClient& client, std::uint32_t accessType) : client_(client) {
        record_.accessType = accessType;
    }

    bool SetSecureProtocols(std::uint32_t protocols) override {
        record_.protocolsOffered.push_back(protocols);
        if (client_.Fails(HttpStep::SetProtocols)) return false;
        if ((protocols & ~client_.knownProtocols) != 0) {
            lastError = kErrorInvalidParameter;
            return false;
        }
        return true;
    }

    std::unique_ptr<platform::HttpConnection> Connect(std::string_view host,
                                                      std::uint16_t port) override {
        if (client_.Fails(HttpStep::Connect)) return nullptr;
        HttpExchangeRecord record = record_;
        record.host = host;
        record.port = port;
        return std::make_unique<Connection>(client_, std::move(record));
    }

private:
    ScriptedHttpClient& client_;
    HttpExchangeRecord record_;
};

std::uint16_t DefaultPort(std::string_view scheme) {
    return scheme == "https" ? 443 : 80;
}

}  // namespace

void ScriptedHttpClient::Fail(HttpStep step, int times, std::uint32_t error) {
    const std::lock_guard lock(mutex_);
    failures_[step] = {times, error};
}

std::vector<HttpExchangeRecord> ScriptedHttpClient::Sent() {
    const std::lock_guard lock(mutex_);
    return sent_;
}

bool ScriptedHttpClient::Fails(HttpStep step) {
    const std::lock_guard lock(mutex_);
    const auto found = failures_.find(step);
    if (found == failures_.end() || found->second.times == 0) return false;
    --found->second.times;
    lastError = found->second.error;
    return true;
}

std::optional<HttpReply> ScriptedHttpClient::TakeReply(const HttpExchangeRecord& request) {
    if (onSend) onSend(request);
    const std::lock_guard lock(mutex_);
    sent_.push_back(request);
    if (nextReply_ == replies.size()) return std::nullopt;
    return replies[nextReply_++];
}

std::unique_ptr<platform::HttpSession> ScriptedHttpClient::OpenSession(std::uint32_t accessType) {
    if (Fails(HttpStep::OpenSession)) return nullptr;
    return std::make_unique<Session>(*this, accessType);
}

// Splits scheme://host[:port][/path][?query][#fragment] as WinHTTP does for
// the URLs the tests use.
std::optional<platform::UrlParts> ScriptedHttpClient::CrackUrl(std::string_view url) {
    const auto schemeEnd = url.find("://");
    if (Fails(HttpStep::CrackUrl) || schemeEnd == std::string_view::npos) {
        lastError = kErrorInvalidParameter;
        return std::nullopt;
    }
    platform::UrlParts parts;
    parts.scheme = url.substr(0, schemeEnd);
    const std::string_view rest = url.substr(schemeEnd + 3);
    const auto authorityEnd = std::min(rest.find_first_of("/?#"), rest.size());
    const std::string_view authority = rest.substr(0, authorityEnd);
    const auto colon = authority.find(':');
    parts.host = authority.substr(0, colon);
    parts.port =
        colon == std::string_view::npos
            ? DefaultPort(parts.scheme)
            : static_cast<std::uint16_t>(std::stoi(std::string(authority.substr(colon + 1))));
    const std::string_view tail = rest.substr(authorityEnd);
    const auto extraStart = std::min(tail.find_first_of("?#"), tail.size());
    parts.path = tail.substr(0, extraStart);
    parts.extra = tail.substr(extraStart);
    return parts;
}

std::uint32_t ScriptedHttpClient::LastError() {
    return lastError;
}

}  // namespace fake
