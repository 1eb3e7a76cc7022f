#include "offers/Package.h"

#include <exception>
#include <system_error>
#include <thread>
#include <utility>

#include "offers/EventPayload.h"
#include "remote/ApiManager.h"
#include "remote/EventCodes.h"
#include "remote/EventRequest.h"

namespace {

// payload with the event's code and extra's members; false when extra is
// neither null, nor empty, nor an object.
bool CompletePayload(nlohmann::json& payload, int code, const nlohmann::json& extra) {
    payload["6"] = std::to_string(code);
    if (extra.is_object()) {
        for (const auto& [key, value] : extra.items()) payload[key] = value;
        return true;
    }
    return extra.empty();
}

}  // namespace

Package::Package(EventContext eventContext, std::string productOfferName,
                 std::string productAdfText, std::string productDisplayName,
                 std::string productCText) {
    Refresh(std::move(eventContext), std::move(productOfferName), std::move(productAdfText),
            std::move(productDisplayName), std::move(productCText));
}

void Package::Refresh(EventContext eventContext, std::string productOfferName,
                      std::string productAdfText, std::string productDisplayName,
                      std::string productCText) {
    const std::lock_guard lock(eventMutex);
    context = std::move(eventContext);
    isMain = true;
    position = 0;
    offerName = std::move(productOfferName);
    adfText = std::move(productAdfText);
    displayName = std::move(productDisplayName);
    cText = std::move(productCText);
    BuildEventPayload();
}

void Package::BuildEventPayload() {
    eventPayload = isMain ? MainProductPayload(context.body)
                          : OfferPayload(context.body, offerName, cText, position, adfText);
}

void Package::SendEvent(int code, const nlohmann::json& extra) {
    if (finalEventSent) return;
    nlohmann::json payload;
    HeaderList headers;
    std::shared_ptr<const ApiManager> api;
    {
        const std::lock_guard lock(eventMutex);
        payload = eventPayload;
        headers = context.headers;
        api = context.api;
    }
    if (!api || !CompletePayload(payload, code, extra)) return;
    auto self = shared_from_this();
    {
        const std::lock_guard lock(eventMutex);
        ++pendingEvents;
    }
    try {
        std::thread(&Package::Report, std::move(self), code, std::move(payload), std::move(headers),
                    std::move(api))
            .detach();
    } catch (const std::system_error&) {
        // No thread, no report; nobody may wait for it.
        EndReport();
    }
}

void Package::Report(std::shared_ptr<Package> self, int code, nlohmann::json payload,
                     HeaderList headers, std::shared_ptr<const ApiManager> api) {
    try {
        if (api->DeliverEvent(EventRequestBody(payload), headers) && EventCode::IsFinal(code)) {
            self->finalEventSent = true;
        }
    } catch (const std::exception&) {
        // Reporting never fails its caller: the event is lost.
    }
    self->EndReport();
}

void Package::EndReport() {
    const std::lock_guard lock(eventMutex);
    if (--pendingEvents == 0) eventsDone.notify_all();
}

void Package::WaitForEvents() {
    std::unique_lock lock(eventMutex);
    eventsDone.wait(lock, [this] { return pendingEvents == 0; });
}
