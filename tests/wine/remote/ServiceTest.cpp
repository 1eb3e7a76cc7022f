#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ReferenceService.h"
#include "offers/Package.h"
#include "platform/System.h"
#include "remote/ApiManager.h"
#include "remote/ConfigurationResponse.h"
#include "remote/EventCodes.h"
#include "remote/QuilletException.h"
#include "remote/win32/Win32RemoteServices.h"
#include "win/Text.h"

namespace {

using namespace std::chrono_literals;
using nlohmann::json;

const char* const kSpanishTitle = "Pellar Cl\xC3\xA1sico Espa\xC3\xB1ol";

// The client over WinHTTP against the reference service, with the settings
// of this build (the service's URLs on 127.0.0.1). Pauses are recorded, not
// waited.
class Service : public ::testing::Test {
protected:
    void SetUp() override { service.ClearRequests(); }
    void TearDown() override { ::RemoveDirectoryW(Utf8ToWide(settings->workFolder).c_str()); }

    RemoteServices Services() {
        RemoteServices services = Win32RemoteServices();
        services.pause = [this](std::chrono::milliseconds pause) {
            const std::lock_guard lock(mutex_);
            pauses_.push_back(pause);
        };
        return services;
    }

    std::vector<std::chrono::milliseconds> Pauses() {
        const std::lock_guard lock(mutex_);
        return pauses_;
    }

    std::shared_ptr<Package> MainPackage() {
        return std::make_shared<Package>(api->CreateEventContext(), settings->productId, "",
                                         settings->productTitle, "");
    }

    ReferenceService service;
    std::shared_ptr<ConfigurationManager> settings =
        std::make_shared<ConfigurationManager>("ISV", platform::CurrentSystem());
    std::shared_ptr<ApiManager> api = std::make_shared<ApiManager>(Services(), settings);

private:
    std::mutex mutex_;
    std::vector<std::chrono::milliseconds> pauses_;
};

TEST_F(Service, ConfigurationRoundTrip) {
    const json answer = {
        {"l", "ES"}, {"f", {{"a", "pub-1"}, {"m", 2}}}, {"o", json::array()}, {"t", kSpanishTitle}};
    service.SetRoutes({{"/o", {{"json", answer}}}});
    settings->localeName = "es-ES";
    settings->configurationUrl += "?campaign=7";

    const json received = api->RequestConfiguration();
    EXPECT_EQ(received, answer);
    EXPECT_EQ(ApplyConfiguration(received, *settings), ConfigurationOutcome::WithOffers);
    EXPECT_EQ(settings->countryCode, "ES");
    EXPECT_EQ(settings->publisherId, "pub-1");
    EXPECT_EQ(settings->maxOffers, 2);

    const auto requests = service.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const json& request = requests[0];
    EXPECT_EQ(request.at("method"), "POST");
    EXPECT_EQ(request.at("path"), "/o");
    EXPECT_EQ(request.at("query"), "");
    EXPECT_EQ(request.at("scheme"), "https");
    EXPECT_TRUE(request.at("tls") == "TLSv1.2" || request.at("tls") == "TLSv1.3") << request;
    EXPECT_EQ(HeaderOf(request, "Content-Type"), "application/json");
    EXPECT_EQ(HeaderOf(request, "Expect"), "100-continue");
    EXPECT_EQ(HeaderOf(request, "Authorization"), "");
    const json body = json::parse(request.at("body").get<std::string>());
    EXPECT_EQ(body.at("l"), "es");
    EXPECT_EQ(body.at("prv"), "0.1");
    EXPECT_EQ(body.at("plv"), settings->installerVersion);
    EXPECT_NE(body.at("o"), "");
    EXPECT_EQ(body.at("u"), "");
}

TEST_F(Service, A503ThenA200) {
    service.SetRoutes({{"/o", {{{"status", 503}, {"body", "busy"}}, {{"json", {{"l", "US"}}}}}}});
    EXPECT_EQ(api->RequestConfiguration(), json({{"l", "US"}}));
    EXPECT_EQ(service.Requests().size(), 2u);
    EXPECT_EQ(Pauses(), std::vector<std::chrono::milliseconds>{5000ms});
}

TEST_F(Service, TransportFailuresAreNotRetried) {
    const struct {
        const char* why;
        const char* url;
        json routes;
        std::size_t requests;
    } cases[] = {
        {"nobody listens", "https://127.0.0.2/o", json::object(), 0},
        {"the connection drops", "https://127.0.0.1/o", {{"/o", {{"drop", true}}}}, 1},
    };
    for (const auto& c : cases) {
        service.ClearRequests();
        service.SetRoutes(c.routes);
        settings->configurationUrl = c.url;
        EXPECT_THROW(api->RequestConfiguration(), QuilletException) << c.why;
        EXPECT_EQ(service.Requests().size(), c.requests) << c.why;
        EXPECT_TRUE(Pauses().empty()) << c.why;
    }
}

TEST_F(Service, AnyUrlGoesOverTlsToPort443) {
    service.SetRoutes({{"/o", {{"json", json::object()}}}});
    settings->configurationUrl = "http://127.0.0.1:80/o";
    EXPECT_EQ(api->RequestConfiguration(), json::object());
    EXPECT_EQ(service.Requests().at(0).at("scheme"), "https");
}

TEST_F(Service, ChunkedAnswerIsJoined) {
    service.SetRoutes(
        {{"/o",
          {{"chunks", {"{\"l\":", "\"US\",\"f\":", "{\"m\":1}}"}}, {"chunk_delay_ms", 100}}}});
    EXPECT_EQ(api->RequestConfiguration(), json({{"l", "US"}, {"f", {{"m", 1}}}}));
}

TEST_F(Service, ServerErrorIsAnAnswerToTheSender) {
    service.SetRoutes({{"/x", {{"status", 500}, {"body", "broken"}}}});
    const auto response = SendHttpsPost(Services(), "127.0.0.1", "/x", "{}", {});
    ASSERT_TRUE(response);
    EXPECT_EQ(response->status, 500u);
    EXPECT_EQ(response->body, "broken");
}

TEST_F(Service, EventsAreSignedAndStopAfterAFinalOne) {
    settings->productTitle = kSpanishTitle;
    const auto package = MainPackage();
    package->SendEvent(EventCode::Started);
    package->WaitForEvents();
    package->SendEvent(EventCode::Declined);
    package->WaitForEvents();
    EXPECT_TRUE(package->finalEventSent);
    package->SendEvent(EventCode::Closed);
    package->WaitForEvents();

    const auto requests = service.Requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const auto& request : requests) {
        EXPECT_EQ(request.at("signature"), "valid");
        EXPECT_EQ(HeaderOf(request, "Authorization"), package->context.headers.at(0).second);
        EXPECT_EQ(json::parse(request.at("body").get<std::string>()).at("table"), "zb_analytics");
    }
    const auto payloads = service.EventPayloads();
    EXPECT_EQ(payloads.at(0).at("6"), "1");
    EXPECT_EQ(payloads.at(1).at("6"), "4");
    EXPECT_EQ(payloads.at(0).at("22"), kSpanishTitle);
    EXPECT_EQ(payloads.at(0).at("5"), kSpanishTitle);
    EXPECT_EQ(payloads.at(0).at("1"), settings->GetMachineId());
    EXPECT_NE(payloads.at(0).at("1"), "");
}

TEST_F(Service, ARefusedEventLeavesThePackageOpen) {
    service.SetRoutes({{"/zbd", {{{"status", 500}}, {{"status", 500}}, {{"status", 200}}}}});
    const auto package = MainPackage();
    package->SendEvent(EventCode::NotShown, {{"13", "SKIP ALL CLICKED"}});
    package->WaitForEvents();
    EXPECT_FALSE(package->finalEventSent);
    EXPECT_EQ(Pauses(), (std::vector<std::chrono::milliseconds>{5000ms, 5000ms}));
    package->SendEvent(EventCode::Closed);
    package->WaitForEvents();
    EXPECT_TRUE(package->finalEventSent);

    const auto payloads = service.EventPayloads();
    ASSERT_EQ(payloads.size(), 3u);
    EXPECT_EQ(payloads[0].at("13"), "SKIP ALL CLICKED");
    EXPECT_EQ(payloads[0].at("12"), "");
    EXPECT_EQ(payloads[2].at("6"), "5");
}

TEST_F(Service, AForgedSignatureIsRefused) {
    EventContext forged = api->CreateEventContext();
    forged.headers = {{"Authorization", "Signature=" + std::string(64, '0')}};
    const auto package = std::make_shared<Package>(forged, "PellarClassic", "", "Pellar", "");
    package->SendEvent(EventCode::Declined);
    package->WaitForEvents();
    EXPECT_FALSE(package->finalEventSent);
    const auto requests = service.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].at("signature"), "invalid");
}

}  // namespace
