#include "download/win32/WinHttpStack.h"

#include <windows.h>
#include <winhttp.h>

#include "download/win32/SystemMessage.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace download::win32 {

namespace {

using UniqueInternet = win::UniqueHandle<win::NullInvalidTraits<HINTERNET, ::WinHttpCloseHandle>>;

class Request : public HttpRequest {
public:
    explicit Request(UniqueInternet handle) : handle_(std::move(handle)) {}

    bool Send() override {
        return ::WinHttpSendRequest(handle_.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                    WINHTTP_NO_REQUEST_DATA, 0, 0, 0);
    }
    bool ReceiveResponse() override { return ::WinHttpReceiveResponse(handle_.Get(), nullptr); }
    std::uint32_t StatusCode() override {
        return NumericHeader(WINHTTP_QUERY_STATUS_CODE).value_or(0);
    }
    std::optional<std::string> Location() override;
    std::optional<std::uint64_t> ContentLength() override {
        return NumericHeader(WINHTTP_QUERY_CONTENT_LENGTH);
    }
    std::optional<std::size_t> QueryDataAvailable() override {
        DWORD available = 0;
        if (!::WinHttpQueryDataAvailable(handle_.Get(), &available)) return std::nullopt;
        return available;
    }
    std::optional<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        DWORD read = 0;
        if (!::WinHttpReadData(handle_.Get(), buffer.data(), static_cast<DWORD>(buffer.size()),
                               &read)) {
            return std::nullopt;
        }
        return read;
    }

private:
    std::optional<DWORD> NumericHeader(DWORD query) {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (!::WinHttpQueryHeaders(handle_.Get(), query | WINHTTP_QUERY_FLAG_NUMBER,
                                   WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                                   WINHTTP_NO_HEADER_INDEX)) {
            return std::nullopt;
        }
        return value;
    }

    UniqueInternet handle_;
};

std::optional<std::string> Request::Location() {
    // Asked for its size first: a target may be longer than any fixed buffer.
    DWORD size = 0;
    ::WinHttpQueryHeaders(handle_.Get(), WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX,
                          WINHTTP_NO_OUTPUT_BUFFER, &size, WINHTTP_NO_HEADER_INDEX);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    std::wstring location(size / sizeof(wchar_t), L'\0');
    if (!::WinHttpQueryHeaders(handle_.Get(), WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX,
                               location.data(), &size, WINHTTP_NO_HEADER_INDEX)) {
        return std::nullopt;
    }
    location.resize(size / sizeof(wchar_t));
    return WideToUtf8(location);
}

class Connection : public HttpConnection {
public:
    explicit Connection(UniqueInternet handle) : handle_(std::move(handle)) {}

    std::unique_ptr<HttpRequest> OpenRequest(const std::string& pathAndQuery,
                                             std::uint32_t flags) override {
        UniqueInternet request(
            ::WinHttpOpenRequest(handle_.Get(), L"GET", Utf8ToWide(pathAndQuery).c_str(), nullptr,
                                 WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, flags));
        // WinHTTP would follow redirects itself; the caller counts them.
        DWORD manualRedirects = WINHTTP_DISABLE_REDIRECTS;
        if (!request || !::WinHttpSetOption(request.Get(), WINHTTP_OPTION_DISABLE_FEATURE,
                                            &manualRedirects, sizeof manualRedirects)) {
            return nullptr;
        }
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
    std::unique_ptr<HttpConnection> Connect(const std::string& host, std::uint16_t port) override {
        UniqueInternet connection(
            ::WinHttpConnect(handle_.Get(), Utf8ToWide(host).c_str(), port, 0));
        if (!connection) return nullptr;
        return std::make_unique<Connection>(std::move(connection));
    }

private:
    UniqueInternet handle_;
};

}  // namespace

std::unique_ptr<HttpSession> WinHttpStack::OpenSession(const std::optional<std::string>& agent,
                                                       std::uint32_t accessType) {
    const std::wstring agentText = agent ? Utf8ToWide(*agent) : L"";
    UniqueInternet session(::WinHttpOpen(agent ? agentText.c_str() : nullptr, accessType,
                                         WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return nullptr;
    return std::make_unique<Session>(std::move(session));
}

std::optional<UrlParts> WinHttpStack::CrackUrl(const std::string& url) {
    const std::wstring wide = Utf8ToWide(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!::WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts)) {
        return std::nullopt;
    }
    if (parts.dwHostNameLength == 0) {
        ::SetLastError(ERROR_WINHTTP_INVALID_URL);
        return std::nullopt;
    }
    // The query follows the path in the same text.
    const std::wstring_view pathAndQuery(parts.lpszUrlPath     ? parts.lpszUrlPath
                                         : parts.lpszExtraInfo ? parts.lpszExtraInfo
                                                               : L"",
                                         parts.dwUrlPathLength + parts.dwExtraInfoLength);
    return UrlParts{parts.nScheme == INTERNET_SCHEME_HTTPS,
                    WideToUtf8({parts.lpszHostName, parts.dwHostNameLength}), parts.nPort,
                    WideToUtf8(pathAndQuery)};
}

SystemError WinHttpStack::LastError() {
    return LastSystemError();
}

}  // namespace download::win32
