#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/System.h"
#include "settings/PathPlaceholders.h"
#include "settings/WizardType.h"

class Package;
namespace gfx {
class Image;  // a decoded picture; defined by the drawing layer
}

// A colour in the layout of a Windows COLORREF: 0x00BBGGRR.
using ColorRef = std::uint32_t;
constexpr ColorRef MakeColorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColorRef{red} | ColorRef{green} << 8 | ColorRef{blue} << 16;
}

// The process-wide record of everything the wizard knows about itself and
// about the run. Members are public: the pages and tasks read and write them
// in place. Texts are UTF-8.
class ConfigurationManager {
public:
    // The record of this process, built on first use from the compiled-in
    // wizard type and the process's own system services.
    static std::shared_ptr<ConfigurationManager> Instance();

    // Builds a record for the wizard type named wizardTypeName. An unknown
    // name is reported through system.messageBoxes and leaves wizardType 0.
    // publisherPages selects the publisher's page set (its language page,
    // warning, licence and install-option pages) over the plain one.
    ConfigurationManager(std::string_view wizardTypeName, platform::System& system,
                         bool publisherPages = true);

    void SetDownloadedFilePath(const std::string& path) { downloadedFilePath = path; }

    // The session's local time stamp, "%Y%m%d%H%M%S", fixed by the first
    // call that could read the local time; "" until then.
    std::string GetSessionTimestamp();
    // The machine id (MachineGuid); read again by every call until a read
    // succeeds.
    std::string GetMachineId();
    // A copy of the path placeholder table, built by the first call.
    PlaceholderTable GetPlaceholders();
    // text with this machine's path placeholders expanded.
    std::string ExpandPathPlaceholders(std::string_view text);

    int wizardType = WizardType::Unknown;
    bool publisherVariant = false;
    bool classicExtras = false;
    bool reportMainProductOutcome = false;
    std::string productTitle;
    std::string productDownloadUrl;
    std::string clText;
    std::string privacyPolicyUrl;
    std::string termsOfUseUrl;
    std::string extraLinkUrl;
    std::string targetFolder;
    std::string productFileName;
    std::string workFolder;
    std::string installerArguments;
    std::array<bool, 3> installOptions{};
    std::array<bool, 5> configurationOptions{};
    std::string installedProductPath;
    std::string launchArguments;
    std::string productId;
    std::string downloadedFilePath;
    std::string installerVersion;
    std::string configurationUrl;
    std::string reportingUrl;
    std::string publisher;
    std::string campaignId;
    std::string chText;
    std::string cflText;
    ColorRef backgroundColor = 0;
    ColorRef accentColor = 0;
    int maxOffers = 0;
    int extraOfferSlots = 0;
    int selectedOfferCount = 0;
    std::string fileEndpointUrl;
    std::string languageDisplayName;
    std::string localeName;
    std::string countryCode;
    std::string publisherId;
    std::string cbText;
    std::vector<std::shared_ptr<Package>> acceptedOffers;
    std::vector<std::shared_ptr<Package>> shownOffers;
    std::shared_ptr<Package> mainPackage;
    std::shared_ptr<gfx::Image> headerImage;
    std::string sessionTimestamp;
    std::string machineId;
    PlaceholderTable placeholders;
    bool placeholdersReady = false;
    bool exitRequested = false;
    bool offerDeclined = false;

private:
    void InitializeDownloadManager(platform::System& system);
    void InitializeInstaller(platform::System& system);

    platform::System* system_;
    // Guards the lazily filled members above: the first callers may be the
    // UI thread, the loading task and event threads at once.
    std::mutex lazyMembers_;
};
