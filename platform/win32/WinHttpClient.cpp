#include "platform/win32/WinHttpClient.h"

#include <windows.h>
#include <winhttp.h>

#include <utility>

#include "win/Handle.h"
#include "win/Text.h"

namespace platform::win32 {
namespace {

using UniqueInternet = win::UniqueHandle<win::NullInvalidTraits<HINTERNET, ::WinHttpCloseHandle>>;

class Request : public HttpRequest {
public:
    explicit Request(UniqueInternet handle) : handle_(std::move(handle)) {}

    bool AddHeader(std::string_view line) override {
        const std::wstring wide = Utf8ToWide(line);
        return ::WinHttpAddRequestHeaders(handle_.Get(), wide.c_str(),
                                          static_cast<DWORD>(wide.size()), WINHTTP_ADDREQ_FLAG_ADD);
    }

    bool Send(std::string_view body) override {
        const auto length = static_cast<DWORD>(body.size());
        // WinHTTP only reads the optional data; the cast serves its signature.
        void* data = length ? const_cast<char*>(body.data()) : WINHTTP_NO_REQUEST_DATA;
        return ::WinHttpSendRequest(handle_.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, data, length,
                                    length, 0);
    }

    bool ReceiveResponse() override { return ::WinHttpReceiveResponse(handle_.Get(), nullptr); }

    std::optional<std::uint32_t> StatusCode() override {
        DWORD status = 0;
        DWORD size = sizeof status;
        if (!::WinHttpQueryHeaders(
                handle_.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
            return std::nullopt;
        }
        return status;
    }

    std::optional<std::size_t> QueryDataAvailable() override {
        DWORD available = 0;
        if (!::WinHttpQueryDataAvailable(handle_.Get(), &available)) return std::nullopt;
        return available;
    }

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        DWORD read = 0;
        if (!::WinHttpReadData(handle_.Get(), buffer.data(), static_cast<DWORD>(buffer.size()),
                               &read)) {
            return std::nullopt;
        }
        return read;
    }

private:
    UniqueInternet handle_;
};

class Connection : public HttpConnection {
public:
    explicit Connection(UniqueInternet handle) : handle_(std::move(handle)) {}

    std::unique_ptr<HttpRequest> OpenRequest(std::string_view verb, std::string_view path,
                                             std::uint32_t flags) override {
        UniqueInternet request(
            ::WinHttpOpenRequest(handle_.Get(), Utf8ToWide(verb).c_str(), Utf8ToWide(path).c_str(),
                                 nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, flags));
        if (!request) return nullptr;
        return std::make_unique<Request>(std::move(request));
    }

private:
    UniqueInternet handle_;
};

class Session : public HttpSession {
public:
    explicit Session(UniqueInternet handle) : handle_(std::move(handle)) {}

    bool SetSecureProtocols(std::uint32_t protocols) override {
        DWORD value = protocols;
        return ::WinHttpSetOption(handle_.Get(), WINHTTP_OPTION_SECURE_PROTOCOLS, &value,
                                  sizeof value);
    }

    std::unique_ptr<HttpConnection> Connect(std::string_view host, std::uint16_t port) override {
        UniqueInternet connection(
            ::WinHttpConnect(handle_.Get(), Utf8ToWide(host).c_str(), port, 0));
        if (!connection) return nullptr;
        return std::make_unique<Connection>(std::move(connection));
    }

private:
    UniqueInternet handle_;
};

}  // namespace

std::unique_ptr<HttpSession> HttpClient::OpenSession(std::uint32_t accessType) {
    UniqueInternet session(
        ::WinHttpOpen(nullptr, accessType, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return nullptr;
    return std::make_unique<Session>(std::move(session));
}

std::optional<UrlParts> HttpClient::CrackUrl(std::string_view url) {
    const std::wstring wide = Utf8ToWide(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    // -1 lengths make WinHTTP point into the input instead of copying.
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!::WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts)) {
        return std::nullopt;
    }
    const auto text = [](const wchar_t* start, DWORD length) {
        return start ? WideToUtf8({start, length}) : std::string();
    };
    return UrlParts{text(parts.lpszScheme, parts.dwSchemeLength),
                    text(parts.lpszHostName, parts.dwHostNameLength), parts.nPort,
                    text(parts.lpszUrlPath, parts.dwUrlPathLength),
                    text(parts.lpszExtraInfo, parts.dwExtraInfoLength)};
}

std::uint32_t HttpClient::LastError() {
    return ::GetLastError();
}

}  // namespace platform::win32
