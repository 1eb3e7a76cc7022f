#pragma once

#include <string>

#include <nlohmann/json.hpp>

// The reporting endpoint's request body for one event payload:
// {"table": "zb_analytics", "data": <the payload serialised as a string>}.
std::string EventRequestBody(const nlohmann::json& payload);
