#pragma once

#include <chrono>
#include <memory>
#include <string_view>

#include <nlohmann/json.hpp>

#include "remote/EventContext.h"
#include "remote/HttpsPost.h"
#include "remote/RemoteServices.h"
#include "settings/ConfigurationManager.h"

// The client of the remote service: the configuration request and the
// delivery of events, and the signed base of every package's events. It
// keeps no state of its own; its operations may run on any thread at once.
class ApiManager : public std::enable_shared_from_this<ApiManager> {
public:
    static constexpr int kConfigurationAttempts = 3;
    static constexpr int kEventAttempts = 2;
    static constexpr std::chrono::milliseconds kRetryPause{5000};

    // The client of this process, over WinHTTP and the process's settings
    // record; made on first use. Defined by the Windows build.
    static std::shared_ptr<ApiManager> Instance();

    // Must be held by a std::shared_ptr: the event contexts it makes share
    // it.
    ApiManager(RemoteServices services, std::shared_ptr<ConfigurationManager> settings);

    // A fresh base for a package's events: the payload keys "0" to "22",
    // "31" and "38" with the run's identity, and the "Authorization:
    // Signature=..." header, the SHA-256 of machine id and session time stamp.
    EventContext CreateEventContext() const;

    // Posts the configuration request in up to kConfigurationAttempts
    // attempts and returns the parsed answer; after the last attempt its
    // answer is used whatever its status. Throws QuilletException without a
    // configuration URL, on a transport failure (not retried) and for a
    // blank answer, and the JSON library's parse_error for an invalid one.
    nlohmann::json RequestConfiguration() const;

    // Posts one event request body with the package's headers to the
    // reporting endpoint in up to kEventAttempts attempts; true when one was
    // accepted. Throws QuilletException on a transport failure (not retried).
    bool DeliverEvent(std::string_view body, const HeaderList& headers) const;

private:
    // body posted until an attempt is accepted or `attempts` are made,
    // pausing kRetryPause after each refused one; the last answer.
    PostResponse PostWithRetries(std::string_view url, std::string_view body,
                                 const HeaderList& headers, int attempts) const;

    RemoteServices services_;
    std::shared_ptr<ConfigurationManager> settings_;
};
