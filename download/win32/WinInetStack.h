#pragma once

#include "download/UrlStack.h"

namespace download::win32 {

// The fallback stack over WinINet.
class WinInetStack : public UrlStack {
public:
    std::unique_ptr<UrlSession> Open(const std::string& agent, std::uint32_t accessType) override;
    SystemError LastError() override;
};

}  // namespace download::win32
