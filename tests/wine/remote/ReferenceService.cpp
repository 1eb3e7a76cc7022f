#include "ReferenceService.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

ReferenceService::ReferenceService() {
    const char* folder = std::getenv("QUILLET_SERVICE_DIR");
    if (!folder)
        throw std::runtime_error("QUILLET_SERVICE_DIR is not set: run wine-service-run.sh");
    folder_ = folder;
}

void ReferenceService::SetRoutes(const nlohmann::json& routes) {
    const auto next = folder_ / "scenario.json.next";
    std::ofstream(next, std::ios::binary) << nlohmann::json{{"routes", routes}}.dump();
    // A rename: the service never reads half a scenario.
    if (!::MoveFileExW(next.c_str(), (folder_ / "scenario.json").c_str(),
                       MOVEFILE_REPLACE_EXISTING)) {
        throw std::runtime_error("the scenario cannot be replaced");
    }
}

void ReferenceService::ClearRequests() {
    ::DeleteFileW((folder_ / "requests.jsonl").c_str());
}

std::vector<nlohmann::json> ReferenceService::Requests() const {
    std::vector<nlohmann::json> requests;
    std::ifstream file(folder_ / "requests.jsonl", std::ios::binary);
    for (std::string line; std::getline(file, line);) {
        requests.push_back(nlohmann::json::parse(line));
    }
    return requests;
}

std::vector<nlohmann::json> ReferenceService::EventPayloads() const {
    std::vector<nlohmann::json> payloads;
    for (const auto& request : Requests()) {
        if (request.at("path") != "/zbd") continue;
        payloads.push_back(
            nlohmann::json::parse(nlohmann::json::parse(request.at("body").get<std::string>())
                                      .at("data")
                                      .get<std::string>()));
    }
    return payloads;
}

std::string HeaderOf(const nlohmann::json& request, const std::string& name) {
    for (const auto& header : request.at("headers")) {
        if (header.at(0) == name) return header.at(1);
    }
    return "";
}
