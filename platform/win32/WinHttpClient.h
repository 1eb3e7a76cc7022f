#pragma once

#include "platform/HttpClient.h"

namespace platform::win32 {

// The HTTP client over WinHTTP.
class HttpClient : public platform::HttpClient {
public:
    std::unique_ptr<HttpSession> OpenSession(std::uint32_t accessType) override;
    std::optional<UrlParts> CrackUrl(std::string_view url) override;
    std::uint32_t LastError() override;
};

}  // namespace platform::win32
