#include "download/win32/WinInetStack.h"

#include <windows.h>
#include <wininet.h>

#include "download/win32/SystemMessage.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace download::win32 {

namespace {

using UniqueInternet = win::UniqueHandle<win::NullInvalidTraits<HINTERNET, ::InternetCloseHandle>>;

class Response : public UrlResponse {
public:
    explicit Response(UniqueInternet handle) : handle_(std::move(handle)) {}

    std::optional<std::uint32_t> StatusCode() override {
        return NumericHeader(HTTP_QUERY_STATUS_CODE);
    }
    std::optional<std::uint64_t> ContentLength() override {
        return NumericHeader(HTTP_QUERY_CONTENT_LENGTH);
    }
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        DWORD read = 0;
        if (!::InternetReadFile(handle_.Get(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                &read)) {
            return 0;
        }
        return read;
    }

private:
    std::optional<DWORD> NumericHeader(DWORD query) {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (!::HttpQueryInfoW(handle_.Get(), query | HTTP_QUERY_FLAG_NUMBER, &value, &size,
                              nullptr)) {
            return std::nullopt;
        }
        return value;
    }

    UniqueInternet handle_;
};

class Session : public UrlSession {
public:
    explicit Session(UniqueInternet handle) : handle_(std::move(handle)) {}

    std::unique_ptr<UrlResponse> OpenUrl(const std::string& url, std::uint32_t flags) override {
        UniqueInternet response(
            ::InternetOpenUrlW(handle_.Get(), Utf8ToWide(url).c_str(), nullptr, 0, flags, 0));
        if (!response) return nullptr;
        return std::make_unique<Response>(std::move(response));
    }

private:
    UniqueInternet handle_;
};

}  // namespace

std::unique_ptr<UrlSession> WinInetStack::Open(const std::string& agent, std::uint32_t accessType) {
    UniqueInternet session(
        ::InternetOpenW(Utf8ToWide(agent).c_str(), accessType, nullptr, nullptr, 0));
    if (!session) return nullptr;
    return std::make_unique<Session>(std::move(session));
}

SystemError WinInetStack::LastError() {
    return LastSystemError();
}

}  // namespace download::win32
