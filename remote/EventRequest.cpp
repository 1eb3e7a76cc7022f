#include "remote/EventRequest.h"

std::string EventRequestBody(const nlohmann::json& payload) {
    return nlohmann::json{{"table", "zb_analytics"}, {"data", payload.dump()}}.dump();
}
