#pragma once

#include <memory>

#include <nlohmann/json.hpp>

#include "remote/HttpsPost.h"

class ApiManager;

// The signed base of a package's events: the payload keys every event
// carries, the headers that sign them, and the client that delivers them.
struct EventContext {
    nlohmann::json body;
    HeaderList headers;
    std::shared_ptr<const ApiManager> api;
};
