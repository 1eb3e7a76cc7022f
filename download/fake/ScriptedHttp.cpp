#include "download/fake/ScriptedHttp.h"

#include <algorithm>
#include <cstring>

namespace fake {

namespace {

thread_local download::SystemError threadError;

const download::SystemError kInvalidUrl{12006, "The URL does not use a recognized protocol"};
const download::SystemError kTooManyRedirects{12156, "The redirect limit was reached"};

// Hands out an answer's chunks, as much of the current one as is asked for.
class BodyReader {
public:
    explicit BodyReader(HttpAnswer answer) : answer_(std::move(answer)) {}

    const HttpAnswer& Answer() const { return answer_; }

    std::size_t Available() {
        if (offset_ == 0 && answer_.beforeChunk && announced_ != chunk_) {
            announced_ = chunk_;
            answer_.beforeChunk(chunk_);
        }
        if (chunk_ == answer_.chunks.size()) return 0;
        return answer_.chunks[chunk_].size() - offset_;
    }

    std::size_t Read(std::span<std::uint8_t> buffer) {
        const std::size_t count = std::min(buffer.size(), Available());
        if (count == 0) return 0;
        std::memcpy(buffer.data(), answer_.chunks[chunk_].data() + offset_, count);
        offset_ += count;
        if (offset_ == answer_.chunks[chunk_].size()) {
            ++chunk_;
            offset_ = 0;
        }
        return count;
    }

private:
    HttpAnswer answer_;
    std::size_t chunk_ = 0;
    std::size_t offset_ = 0;
    std::optional<std::size_t> announced_;
};

template <typename Step>
bool Take(std::map<Step, ScriptedFailure>& failures, Step step) {
    const auto found = failures.find(step);
    if (found == failures.end() || found->second.times == 0) return true;
    --found->second.times;
    SetThreadError(found->second.error);
    return false;
}

class Request : public download::HttpRequest {
public:
    Request(ScriptedHttp& http, HttpAnswer answer) : http_(http), body_(std::move(answer)) {}

    bool Send() override { return http_.Passes(HttpStep::Send); }
    bool ReceiveResponse() override { return http_.Passes(HttpStep::Receive); }
    std::uint32_t StatusCode() override { return body_.Answer().status; }
    std::optional<std::string> Location() override {
        if (!body_.Answer().location) SetThreadError({12150, "The header could not be found"});
        return body_.Answer().location;
    }
    std::optional<std::uint64_t> ContentLength() override { return body_.Answer().contentLength; }
    std::optional<std::size_t> QueryDataAvailable() override {
        if (!http_.Passes(HttpStep::QueryData)) return std::nullopt;
        return body_.Available();
    }
    std::optional<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (!http_.Passes(HttpStep::Read)) return std::nullopt;
        return body_.Read(buffer);
    }

private:
    ScriptedHttp& http_;
    BodyReader body_;
};

class Connection : public download::HttpConnection {
public:
    Connection(ScriptedHttp& http, ScriptedHttp::Request request, std::string host,
               std::uint16_t port)
        : http_(http), request_(std::move(request)), host_(std::move(host)), port_(port) {}

    std::unique_ptr<download::HttpRequest> OpenRequest(const std::string& pathAndQuery,
                                                       std::uint32_t flags) override {
        if (!http_.Passes(HttpStep::OpenRequest)) return nullptr;
        const bool secure = flags & download::kRequestSecure;
        ScriptedHttp::Request request = request_;
        request.url = (secure ? "https://" : "http://") + host_;
        if (port_ != (secure ? 443 : 80)) request.url += ":" + std::to_string(port_);
        request.url += pathAndQuery;
        request.flags = flags;
        return std::make_unique<Request>(http_, http_.Answer(request));
    }

private:
    ScriptedHttp& http_;
    ScriptedHttp::Request request_;
    std::string host_;
    std::uint16_t port_;
};

class Session : public download::HttpSession {
public:
    Session(ScriptedHttp& http, ScriptedHttp::Request request)
        : http_(http), request_(std::move(request)) {}

    bool SetSecureProtocols(std::uint32_t protocols) override {
        request_.protocols = protocols;
        return http_.Passes(HttpStep::SetProtocols);
    }
    std::unique_ptr<download::HttpConnection> Connect(const std::string& host,
                                                      std::uint16_t port) override {
        if (!http_.Passes(HttpStep::Connect)) return nullptr;
        return std::make_unique<Connection>(http_, request_, host, port);
    }

private:
    ScriptedHttp& http_;
    ScriptedHttp::Request request_;
};

class UrlResponse : public download::UrlResponse {
public:
    UrlResponse(ScriptedUrls& urls, HttpAnswer answer) : urls_(urls), body_(std::move(answer)) {}

    std::optional<std::uint32_t> StatusCode() override {
        if (!urls_.Passes(UrlStep::QueryStatus)) return std::nullopt;
        SetThreadError(urls_.afterStatus);
        return body_.Answer().status;
    }
    std::optional<std::uint64_t> ContentLength() override { return body_.Answer().contentLength; }
    std::size_t Read(std::span<std::uint8_t> buffer) override { return body_.Read(buffer); }

private:
    ScriptedUrls& urls_;
    BodyReader body_;
};

class UrlSession : public download::UrlSession {
public:
    UrlSession(ScriptedUrls& urls, ScriptedUrls::Request request)
        : urls_(urls), request_(std::move(request)) {}

    std::unique_ptr<download::UrlResponse> OpenUrl(const std::string& url,
                                                   std::uint32_t flags) override {
        ScriptedUrls::Request request = request_;
        request.url = url;
        request.flags = flags;
        urls_.requests.push_back(request);
        if (!urls_.Passes(UrlStep::OpenUrl)) return nullptr;
        auto answer = urls_.Follow(url);
        if (!answer) return nullptr;
        return std::make_unique<UrlResponse>(urls_, std::move(*answer));
    }

private:
    ScriptedUrls& urls_;
    ScriptedUrls::Request request_;
};

HttpAnswer Lookup(const std::map<std::string, HttpAnswer>& answers, const std::string& url) {
    const auto found = answers.find(url);
    return found == answers.end() ? Status(404) : found->second;
}

}  // namespace

void SetThreadError(download::SystemError error) {
    threadError = std::move(error);
}
download::SystemError ThreadError() {
    return threadError;
}

HttpAnswer Body(std::size_t size, std::size_t chunkSize) {
    HttpAnswer answer;
    answer.contentLength = size;
    for (std::size_t offset = 0; offset < size; offset += chunkSize) {
        std::string chunk(std::min(chunkSize, size - offset), '\0');
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            chunk[i] = static_cast<char>('a' + (offset + i) % 26);
        }
        answer.chunks.push_back(std::move(chunk));
    }
    return answer;
}

HttpAnswer Redirect(const std::string& location) {
    HttpAnswer answer;
    answer.status = 302;
    answer.location = location;
    return answer;
}

HttpAnswer Status(std::uint32_t status) {
    HttpAnswer answer;
    answer.status = status;
    answer.contentLength = 0;
    return answer;
}

std::string BodyOf(const HttpAnswer& answer) {
    std::string body;
    for (const auto& chunk : answer.chunks) body += chunk;
    return body;
}

std::unique_ptr<download::HttpSession> ScriptedHttp::OpenSession(
    const std::optional<std::string>& agent, std::uint32_t accessType) {
    if (!Passes(HttpStep::OpenSession)) return nullptr;
    {
        const std::lock_guard lock(mutex_);
        ++sessionsOpened_;
    }
    Request request;
    request.agent = agent;
    request.accessType = accessType;
    return std::make_unique<Session>(*this, std::move(request));
}

std::optional<download::UrlParts> ScriptedHttp::CrackUrl(const std::string& url) {
    if (!Passes(HttpStep::CrackUrl)) return std::nullopt;
    download::UrlParts parts;
    std::string rest;
    if (url.starts_with("https://")) {
        parts.secure = true;
        parts.port = 443;
        rest = url.substr(8);
    } else if (url.starts_with("http://")) {
        parts.port = 80;
        rest = url.substr(7);
    } else {
        SetThreadError(kInvalidUrl);
        return std::nullopt;
    }
    const auto pathStart = std::min(rest.find_first_of("/?"), rest.size());
    parts.host = rest.substr(0, pathStart);
    parts.pathAndQuery = rest.substr(pathStart);
    if (const auto colon = parts.host.find(':'); colon != std::string::npos) {
        parts.port = static_cast<std::uint16_t>(std::stoi(parts.host.substr(colon + 1)));
        parts.host.resize(colon);
    }
    if (parts.host.empty()) {
        SetThreadError(kInvalidUrl);
        return std::nullopt;
    }
    return parts;
}

std::vector<ScriptedHttp::Request> ScriptedHttp::Requests() {
    const std::lock_guard lock(mutex_);
    return requests_;
}

int ScriptedHttp::SessionsOpened() {
    const std::lock_guard lock(mutex_);
    return sessionsOpened_;
}

bool ScriptedHttp::Passes(HttpStep step) {
    const std::lock_guard lock(mutex_);
    return Take(failures, step);
}

HttpAnswer ScriptedHttp::Answer(const Request& request) {
    const std::lock_guard lock(mutex_);
    requests_.push_back(request);
    return Lookup(answers, request.url);
}

std::unique_ptr<download::UrlSession> ScriptedUrls::Open(const std::string& agent,
                                                         std::uint32_t accessType) {
    if (!Passes(UrlStep::Open)) return nullptr;
    return std::make_unique<UrlSession>(*this, Request{agent, accessType, "", 0});
}

bool ScriptedUrls::Passes(UrlStep step) {
    return Take(failures, step);
}

std::optional<HttpAnswer> ScriptedUrls::Follow(std::string url) {
    constexpr int kRedirectLimit = 10;
    for (int redirects = 0; redirects <= kRedirectLimit; ++redirects) {
        HttpAnswer answer = Lookup(answers, url);
        if (answer.status < 300 || answer.status > 399 || !answer.location) return answer;
        url = *answer.location;
    }
    SetThreadError(kTooManyRedirects);
    return std::nullopt;
}

}  // namespace fake
