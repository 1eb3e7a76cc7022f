#include "remote/HttpsPost.h"

#include "remote/QuilletException.h"

namespace {

constexpr std::uint16_t kHttpsPort = 443;

// The automatic proxy exists from Windows 8.1 on; earlier systems refuse to
// open a session with it, so they get the default one.
std::uint32_t ProxyAccessType(platform::OsVersion& os) {
    return os.IsAtLeast(6, 3, 0) ? platform::kHttpAccessAutomaticProxy
                                 : platform::kHttpAccessDefaultProxy;
}

// TLS 1.0, with 1.1 and 1.2 from Windows 7 SP1 on, and 1.3 where the system
// takes it. Never SSL 3.0.
bool OfferSecureProtocols(platform::HttpSession& session, platform::OsVersion& os) {
    std::uint32_t protocols = platform::kHttpProtocolTls1;
    if (os.IsAtLeast(6, 1, 1)) {
        protocols |= platform::kHttpProtocolTls1_1 | platform::kHttpProtocolTls1_2;
    }
    return session.SetSecureProtocols(protocols | platform::kHttpProtocolTls1_3) ||
           session.SetSecureProtocols(protocols);
}

void AddHeaders(const RemoteServices& services, platform::HttpRequest& request,
                const HeaderList& headers) {
    for (const auto& [name, value] : headers) {
        if (!request.AddHeader(name + ": " + value)) {
            services.diagnostic(
                "WinHttpAddRequestHeaders error: " +
                std::to_string(static_cast<std::int32_t>(services.http.LastError())));
        }
    }
}

// The body, piece by piece until the end or the first failure.
std::string ReadBody(const RemoteServices& services, platform::HttpRequest& request) {
    std::string body;
    for (;;) {
        const auto available = request.QueryDataAvailable();
        if (!available) {
            services.diagnostic("Error " + std::to_string(services.http.LastError()) +
                                " in WinHttpQueryDataAvailable.");
            break;
        }
        if (*available == 0) break;
        std::string piece(*available, '\0');
        const auto read = request.Read(piece);
        if (!read) {
            // What follows a lost piece is not the body any more.
            services.diagnostic("Error " + std::to_string(services.http.LastError()) +
                                " in WinHttpReadData.");
            break;
        }
        piece.resize(*read);
        body.append(piece, 0, piece.find('\0'));
    }
    return body;
}

}  // namespace

std::optional<PostResponse> SendHttpsPost(const RemoteServices& services, std::string_view host,
                                          std::string_view path, std::string_view body,
                                          HeaderList headers) {
    const auto session = services.http.OpenSession(ProxyAccessType(services.os));
    if (!session || !OfferSecureProtocols(*session, services.os)) return std::nullopt;
    const auto connection = session->Connect(host, kHttpsPort);
    if (!connection) return std::nullopt;
    const auto request = connection->OpenRequest("POST", path, platform::kHttpFlagSecure);
    if (!request) return std::nullopt;

    headers.emplace_back("Expect", "100-continue");
    headers.emplace_back("Content-Type", "application/json");
    AddHeaders(services, *request, headers);
    if (!request->Send(body.substr(0, body.find('\0'))) || !request->ReceiveResponse()) {
        return std::nullopt;
    }
    PostResponse response;
    response.status = request->StatusCode().value_or(0);
    response.body = ReadBody(services, *request);
    return response;
}

PostResponse PostJson(const RemoteServices& services, std::string_view url, std::string_view body,
                      HeaderList headers) {
    // WinHTTP of Windows 7 before SP1 cannot offer the protocols required.
    if (services.os.IsAtLeast(6, 1, 0) && !services.os.IsAtLeast(6, 1, 1)) {
        throw QuilletException("Windows 7 without Service Pack 1");
    }
    const auto parts = services.http.CrackUrl(url);
    if (!parts) throw QuilletException("URL cannot be split");
    auto response = SendHttpsPost(services, parts->host, parts->path, body, std::move(headers));
    if (!response) throw QuilletException("no answer from " + parts->host);
    return std::move(*response);
}
