#pragma once

#include "download/HttpStack.h"

namespace download::win32 {

// The primary stack over WinHTTP, synchronous.
class WinHttpStack : public HttpStack {
public:
    std::unique_ptr<HttpSession> OpenSession(const std::optional<std::string>& agent,
                                             std::uint32_t accessType) override;
    std::optional<UrlParts> CrackUrl(const std::string& url) override;
    SystemError LastError() override;
};

}  // namespace download::win32
