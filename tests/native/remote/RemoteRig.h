#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/fake/FakeOsVersion.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/ScriptedHttpClient.h"
#include "remote/ApiManager.h"
#include "settings/ConfigurationManager.h"

namespace test {

inline constexpr const char* kMachineGuid = "0f5ef3a4-2b8c-4c11-9d3e-7a6b5c4d3e2f";
inline constexpr const char* kSessionTimestamp = "20250301142507";  // the fake clock's

// A reply of the scripted server with body in one piece.
inline fake::HttpReply Reply(std::uint32_t status, std::string body = "") {
    return {status, {std::move(body)}};
}

// An installer-flavour client of the remote service over a scripted server,
// on a fake Windows 10 machine with a MachineGuid. Pauses are recorded, not
// waited.
struct RemoteRig {
    fake::System system;
    fake::ScriptedHttpClient http;
    fake::OsVersion os;
    std::shared_ptr<ConfigurationManager> settings;
    std::shared_ptr<ApiManager> api;

    explicit RemoteRig(const char* machineGuid = kMachineGuid, const char* wizardType = "ISV") {
        if (*machineGuid) {
            system.registry.SetValue(platform::RegistryRoot::LocalMachine,
                                     "SOFTWARE\\Microsoft\\Cryptography", "MachineGuid",
                                     {platform::kRegSz, machineGuid, 0});
        }
        settings = std::make_shared<ConfigurationManager>(wizardType, system.services);
        settings->configurationUrl = "https://service.test/o";
        settings->reportingUrl = "https://service.test/zbd";
        api = std::make_shared<ApiManager>(Services(), settings);
    }

    RemoteServices Services() {
        return {http,
                os,
                system.wow64,
                system.module,
                [this](std::chrono::milliseconds pause) {
                    const std::lock_guard lock(mutex_);
                    pauses_.push_back(pause);
                },
                [this](const std::string& line) {
                    const std::lock_guard lock(mutex_);
                    diagnostics_.push_back(line);
                }};
    }

    std::vector<std::chrono::milliseconds> Pauses() {
        const std::lock_guard lock(mutex_);
        return pauses_;
    }
    std::vector<std::string> Diagnostics() {
        const std::lock_guard lock(mutex_);
        return diagnostics_;
    }

    // The event payloads the server received, parsed from their "data".
    std::vector<nlohmann::json> ReceivedPayloads() {
        std::vector<nlohmann::json> payloads;
        for (const auto& request : http.Sent()) {
            payloads.push_back(nlohmann::json::parse(
                nlohmann::json::parse(request.body).at("data").get<std::string>()));
        }
        return payloads;
    }

private:
    std::mutex mutex_;
    std::vector<std::chrono::milliseconds> pauses_;
    std::vector<std::string> diagnostics_;
};

}  // namespace test
