#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "offers/OfferFlow.h"
#include "offers/OfferTerms.h"
#include "offers/PlaceholderValues.h"
#include "platform/Clock.h"
#include "platform/OsVersion.h"
#include "remote/EventContext.h"

class ConfigurationManager;
namespace gfx {
class Image;  // a decoded picture; defined by the drawing layer
}
namespace download {
class DownloadManager;
}

// Turns an image file's bytes into a picture; null when they are none.
using ImageDecoder =
    std::function<std::shared_ptr<gfx::Image>(const std::vector<std::uint8_t>& bytes)>;

// What reading an offer takes from the run and the machine.
struct OfferEnvironment {
    ConfigurationManager& settings;
    // RtlGetVersion's answer: picks the offer's "pnrp" member.
    std::optional<platform::WindowsVersion> windowsVersion;
    platform::Clock& clock;
};

// One thing the wizard may download and run: the main product or an offer.
// Always held by a std::shared_ptr (make_shared): its reports keep it alive
// while they run.
class Package : public std::enable_shared_from_this<Package> {
public:
    // The main product, named in its events by the title of context's body.
    Package(EventContext context, std::string offerName, std::string adfText,
            std::string displayName, std::string cText);

    // An offer: one element of the configuration's "o" list. position: the
    // number of offers selected before it was built. A missing required
    // member or a value of the wrong JSON type throws the JSON library's
    // exception.
    Package(EventContext context, const nlohmann::json& offer, std::string defaultC, int position,
            const OfferEnvironment& environment);

    // Makes this the main product again, with a fresh context and texts,
    // once the configuration has arrived.
    void Refresh(EventContext context, std::string offerName, std::string adfText,
                 std::string displayName, std::string cText);

    // Reports code to the reporting endpoint on a thread of its own and
    // returns at once. extra: null, or an object whose members are added to
    // the payload (an extra of another kind reports nothing). Nothing is sent
    // once a final event of this package has been delivered. Any thread.
    void SendEvent(int code, const nlohmann::json& extra = nullptr);

    // Blocks until no report of this package is in flight.
    void WaitForEvents();

    // An offer fetches its image (fileEndpointUrl + imageName) on a thread
    // of downloads, keeps it decoded as image when bytes arrived, then calls
    // done if it is set. The main product has no image: it calls done at
    // once, which must then be set.
    void DownloadImage(download::DownloadManager& downloads, const std::string& fileEndpointUrl,
                       ImageDecoder decode, const std::function<void()>& done);

    // text with this offer's placeholder values substituted.
    std::string ExpandPlaceholders(std::string_view text) const {
        return placeholderValues.Expand(text);
    }

    // The rules that decide when the offer flow passes this offer over.
    OfferRules FlowRules() const {
        return {offerSettings.mo, offerSettings.saad, offerSettings.sied};
    }

    // Guards pendingEvents, and context and eventPayload against a report
    // taking its copy while they are replaced.
    std::mutex eventMutex;
    std::condition_variable eventsDone;  // notified when pendingEvents drops to 0
    int pendingEvents = 0;
    EventContext context;
    bool isMain = false;
    std::string displayName;
    std::string offerName;
    std::string adfText;
    std::string cText;
    std::string imageName;  // on the file endpoint
    std::string downloadUrl;
    std::string parameters;  // the installer's command line
    std::string privacyUrl;
    std::string eulaUrl;
    Eligibility eligibility;
    int position = 0;
    // Set by the report that delivered a final event; never cleared.
    std::atomic<bool> finalEventSent{false};
    nlohmann::json eventPayload;
    std::shared_ptr<gfx::Image> image;  // set once the offer's image is fetched
    PlaceholderValues placeholderValues;
    OfferSettings offerSettings;

private:
    void AddRunPlaceholders(ConfigurationManager& settings);
    void ReadOfferSettings(const nlohmann::json& ps, const OfferEnvironment& environment);
    void ReadTerms(const nlohmann::json& ps, ConfigurationManager& settings);
    void BuildEventPayload();
    // Delivers one report; runs on the report's own thread.
    static void Report(std::shared_ptr<Package> self, int code, nlohmann::json payload,
                       HeaderList headers, std::shared_ptr<const ApiManager> api);
    void EndReport();
};
