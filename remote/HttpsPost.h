#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "remote/RemoteServices.h"

// Request headers as (name, value) pairs, added in list order. UTF-8.
using HeaderList = std::vector<std::pair<std::string, std::string>>;

struct PostResponse {
    std::uint32_t status = 0;  // 0 when the answer's status could not be read
    // The body as received, each piece cut at its first NUL byte.
    std::string body;
};

// Whether the service took a request answered with status.
constexpr bool IsAcceptedStatus(std::uint32_t status) {
    return status >= 200 && status <= 399;
}

// Posts body (up to its first NUL byte) to path on host over TLS, port 443,
// with headers followed by "Expect: 100-continue" and "Content-Type:
// application/json". Returns the answer whatever its status; nullopt when
// the request could not be made or no answer came. Never throws for the
// network; failures along the way are reported as diagnostic lines.
std::optional<PostResponse> SendHttpsPost(const RemoteServices& services, std::string_view host,
                                          std::string_view path, std::string_view body,
                                          HeaderList headers);

// SendHttpsPost to url's host and path. Whatever url's scheme and port say,
// the request goes over TLS to port 443; its query and fragment are not
// sent. Throws QuilletException on Windows 7 without Service Pack 1, for a
// url the system cannot split, and when no answer came.
PostResponse PostJson(const RemoteServices& services, std::string_view url, std::string_view body,
                      HeaderList headers);
