#include "settings/ConfigurationManager.h"

#include <mutex>

#include "settings/BuildConfig.h"
#include "settings/MachineId.h"
#include "settings/TimeTexts.h"
#include "settings/WorkFolder.h"

namespace {

std::string Url(std::string_view scheme, std::string_view host, std::string_view path) {
    std::string url(scheme);
    url += "://";
    url += host;
    url += path;
    return url;
}

}  // namespace

std::shared_ptr<ConfigurationManager> ConfigurationManager::Instance() {
    static std::shared_ptr<ConfigurationManager> instance;
    static std::once_flag once;
    std::call_once(once, [] {
        instance = std::make_shared<ConfigurationManager>(
            build::kWizardTypeName, platform::CurrentSystem(), build::kPublisherPages);
    });
    return instance;
}

ConfigurationManager::ConfigurationManager(std::string_view wizardTypeName,
                                           platform::System& system, bool publisherPages)
    : system_(&system) {
    wizardType = LookUpWizardType(wizardTypeName);
    if (wizardType == WizardType::Unknown) system.messageBoxes.ShowMessage("Unknown wizard type");

    publisherVariant = publisherPages;
    classicExtras = publisherPages;
    reportMainProductOutcome = true;

    if (const auto version = system.module.OwnFileVersion()) {
        installerVersion = platform::FormatFileVersion(*version);
    }

    configurationUrl = Url("https", build::kServiceHost, "/o");
    reportingUrl = Url("https", build::kServiceHost, "/zbd");
    fileEndpointUrl = Url("https", build::kServiceHost, "/f/");
    publisher = "Norvik";
    productId = "PellarClassic";
    campaignId = "PellarClassic_Quillet";
    backgroundColor = MakeColorRef(0xFF, 0xFF, 0xFF);
    accentColor = MakeColorRef(0x7F, 0xBC, 0x42);
    extraLinkUrl.clear();

    if (wizardType == WizardType::DLM) InitializeDownloadManager(system);
    if (wizardType == WizardType::ISV) InitializeInstaller(system);
}

void ConfigurationManager::InitializeDownloadManager(platform::System& system) {
    if (auto downloads = system.knownFolders.Downloads()) {
        targetFolder = std::move(*downloads);
    } else if (auto documents = system.knownFolders.Documents()) {
        targetFolder = std::move(*documents);
    } else if (auto temp = system.files.TempFolder()) {
        targetFolder = std::move(*temp);
    } else {
        targetFolder = "C:\\";
    }
    workFolder = CreateFreshWorkFolder(system.files).value_or("");
}

void ConfigurationManager::InitializeInstaller(platform::System& system) {
    productTitle = "Pellar Classic";
    // https: an installer run with administrator rights must not be
    // replaceable on the way.
    productDownloadUrl =
        Url("https", build::kDownloadHost, "/endpoint/pellar/os/riserollout/track/stable");
    privacyPolicyUrl = Url("https", build::kWebHost, "/legal/privacy-policy/");
    termsOfUseUrl = Url("https", build::kWebHost, "/legal/terms-of-use/");
    installerArguments = "/S";
    installedProductPath = "{commonappdata}\\Pellar\\Pellar.exe";
    launchArguments.clear();
    workFolder = CreateFreshWorkFolder(system.files).value_or("");
    targetFolder = workFolder;
}

std::string ConfigurationManager::GetSessionTimestamp() {
    const std::lock_guard lock(lazyMembers_);
    if (sessionTimestamp.empty()) sessionTimestamp = LocalTimestampText(system_->clock);
    return sessionTimestamp;
}

std::string ConfigurationManager::GetMachineId() {
    const std::lock_guard lock(lazyMembers_);
    if (machineId.empty()) machineId = ReadMachineId(system_->registry);
    return machineId;
}

PlaceholderTable ConfigurationManager::GetPlaceholders() {
    const std::lock_guard lock(lazyMembers_);
    if (!placeholdersReady) {
        placeholders = BuildPlaceholderTable(*system_);
        placeholdersReady = true;
    }
    return placeholders;
}

std::string ConfigurationManager::ExpandPathPlaceholders(std::string_view text) {
    return ::ExpandPathPlaceholders(text, GetPlaceholders());
}
