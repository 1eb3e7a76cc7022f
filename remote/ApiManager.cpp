#include "remote/ApiManager.h"

#include <string>
#include <utility>

#include "remote/ConfigurationRequest.h"
#include "remote/ConfigurationResponse.h"
#include "remote/InstallerTag.h"
#include "remote/OsVersionString.h"
#include "remote/QuilletException.h"
#include "remote/Sha256.h"

namespace {

constexpr int kLastPlainKey = 22;  // keys "0" to this one are always present

}  // namespace

ApiManager::ApiManager(RemoteServices services, std::shared_ptr<ConfigurationManager> settings)
    : services_(std::move(services)), settings_(std::move(settings)) {}

EventContext ApiManager::CreateEventContext() const {
    const std::string machineId = settings_->GetMachineId();
    const std::string timestamp = settings_->GetSessionTimestamp();

    EventContext context;
    context.headers = {{"Authorization", "Signature=" + Sha256Hex(machineId + timestamp)}};
    for (int key = 0; key <= kLastPlainKey; ++key) context.body[std::to_string(key)] = "";
    nlohmann::json& body = context.body;
    body["1"] = machineId;
    body["2"] = timestamp;
    body["3"] = settings_->publisher;
    body["4"] = settings_->productId;
    body["7"] = settings_->installerVersion;
    body["15"] = 0;
    body["19"] = settings_->cflText;
    body["21"] = settings_->chText;
    body["22"] = settings_->productTitle;
    body["31"] = GetOsVersionString(services_.os);
    body["38"] = services_.wow64.IsWow64Process() ? "1" : "0";
    context.api = shared_from_this();
    return context;
}

nlohmann::json ApiManager::RequestConfiguration() const {
    if (settings_->configurationUrl.empty()) throw QuilletException("no configuration URL");
    const std::string body =
        BuildConfigurationRequest(*settings_, GetInstallerTag(services_.module),
                                  GetOsVersionString(services_.os))
            .dump();
    const PostResponse answer =
        PostWithRetries(settings_->configurationUrl, body, {}, kConfigurationAttempts);
    return ParseConfiguration(answer.body);
}

bool ApiManager::DeliverEvent(std::string_view body, const HeaderList& headers) const {
    return IsAcceptedStatus(
        PostWithRetries(settings_->reportingUrl, body, headers, kEventAttempts).status);
}

PostResponse ApiManager::PostWithRetries(std::string_view url, std::string_view body,
                                         const HeaderList& headers, int attempts) const {
    PostResponse answer;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        answer = PostJson(services_, url, body, headers);
        if (IsAcceptedStatus(answer.status)) break;
        services_.pause(kRetryPause);
    }
    return answer;
}
