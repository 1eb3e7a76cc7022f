#pragma once

#include <filesystem>
#include <vector>

#include <nlohmann/json.hpp>

// The reference service beside the test program (service/README.md), found
// through QUILLET_SERVICE_DIR.
class ReferenceService {
public:
    ReferenceService();

    // Replaces the scenario with these routes; every route's sequence of
    // answers starts again.
    void SetRoutes(const nlohmann::json& routes);
    // Forgets the requests received so far.
    void ClearRequests();
    // The requests received since the last ClearRequests, in order.
    std::vector<nlohmann::json> Requests() const;
    // The event payloads of the reporting requests, parsed from "data".
    std::vector<nlohmann::json> EventPayloads() const;

private:
    std::filesystem::path folder_;
};

// The value of header name of a recorded request; "" when it has none.
std::string HeaderOf(const nlohmann::json& request, const std::string& name);
