#include "offers/OfferFilter.h"

#include <chrono>

#include "offers/CombinationRules.h"
#include "offers/Package.h"
#include "offers/PresenceChecks.h"
#include "offers/RegistryChecks.h"
#include "offers/VersionChecks.h"
#include "remote/Md5Hex.h"
#include "settings/ConfigurationManager.h"
#include "settings/RegistryQuery.h"
#include "settings/TimeTexts.h"

namespace {

constexpr int kRejectedEvent = 2;

void ReportByEvent(Package& offer, const std::string& reason) {
    offer.SendEvent(kRejectedEvent, {{"13", reason}});
}

std::int64_t NowSeconds(platform::Clock& clock) {
    constexpr std::int64_t kTicksPerSecond = 10'000'000;
    return clock.Now() / kTicksPerSecond;
}

}  // namespace

OfferFilter::OfferFilter(int offerLimit, OfferFilterServices services, RejectionReport report)
    : maxOffers(offerLimit),
      services_(services),
      report_(report ? std::move(report) : ReportByEvent),
      hardware_(services.probe, services.system.knownFolders),
      appPaths_(services.system.registry, services.system.files,
                services.system.wow64.IsWow64Process()),
      registryCache_(services.system.registry, services.system.wow64.IsWow64Process()) {}

bool OfferFilter::Evaluate(const std::shared_ptr<Package>& offer, bool& stop,
                           const std::vector<std::shared_ptr<Package>>& selected) {
    if (selectedCount >= maxOffers + services_.settings.extraOfferSlots) {
        stop = true;
        return false;
    }
    if (const auto reason = Rejection(*offer, selected)) {
        if (selectedCount < maxOffers) report_(*offer, *reason);
        return false;
    }
    Accept(*offer);
    return true;
}

std::optional<std::string> OfferFilter::Rejection(
    const Package& offer, const std::vector<std::shared_ptr<Package>>& selected) {
    auto& system = services_.system;
    const auto& eligibility = offer.eligibility;
    if (auto reason = CombinationRejection(offer, selectedCount, selectedNames, selected,
                                           services_.settings.extraOfferSlots)) {
        return reason;
    }
    if (auto reason = SelectionRejection(offer)) return reason;
    if (auto reason = RegistryRejection(eligibility, registryCache_)) return reason;
    if (auto reason = hardware_.Rejection(eligibility)) return reason;
    if (auto reason = VersionRejection(offer)) return reason;
    if (auto reason = FileRejection(eligibility, system.files)) return reason;
    if (auto reason = hardware_.ProcessRejection(eligibility.processesMustNotRun)) return reason;
    if (auto reason = AppRejection(offer)) return reason;
    if (auto reason = UninstallRejection(eligibility.uninstallChecks, registryCache_,
                                         NowSeconds(system.clock))) {
        return reason;
    }
    if (auto reason =
            BrowserRejection(eligibility, services_.settings, system.files, registryCache_)) {
        return reason;
    }
    return NoShowRejection(offer);
}

// One offer per vertical, and an exclusive offer only first.
std::optional<std::string> OfferFilter::SelectionRejection(const Package& offer) const {
    const int vertical = offer.eligibility.vertical;
    if (verticals.contains(vertical)) {
        return vertical == -1 ? "MULTIPLE OFFERS W/O VERTICAL"
                              : "SAME VERTICAL OFFER ALREADY PRESENT";
    }
    if (offer.eligibility.exclusive && selectedCount > 0) {
        return "EXCLUSIVE, BUT ANOTHER OFFER ALREADY PRESENT";
    }
    return std::nullopt;
}

// Windows release, installer version and 64-bit Windows.
std::optional<std::string> OfferFilter::VersionRejection(const Package& offer) {
    const auto& eligibility = offer.eligibility;
    if (eligibility.minWindows > 0 && !MeetsWindowsVersion(eligibility.minWindows, services_.os)) {
        return "UNSUPPORTED OS VERSION";
    }
    if (!eligibility.minInstallerVersion.empty() &&
        !MeetsInstallerVersion(eligibility.minInstallerVersion,
                               services_.settings.installerVersion)) {
        return "UNSUPPORTED PLATFORM VERSION";
    }
    if (eligibility.needs64BitWindows && !services_.system.wow64.IsWow64Process()) {
        return "64 BIT OS REQUIRED";
    }
    return std::nullopt;
}

// "iapp" then "eapp".
std::optional<std::string> OfferFilter::AppRejection(const Package& offer) {
    for (const auto& name : offer.eligibility.appsMustBePresent) {
        if (!appPaths_.IsPresent(name)) return "REGISTRY INCLUDE APP NOT FOUND";
    }
    for (const auto& name : offer.eligibility.appsMustBeAbsent) {
        if (appPaths_.IsPresent(name)) return "REGISTRY EXCLUDE APP FOUND";
    }
    return std::nullopt;
}

// An offer with "pn" is held back until the date stored under its "pnr" key.
std::optional<std::string> OfferFilter::NoShowRejection(const Package& offer) {
    if (!offer.offerSettings.pn) return std::nullopt;
    const auto until =
        win32::ReadValueAsText(registryCache_, "hkey_local_machine", offer.offerSettings.pnr,
                               Md5Hex(services_.md5, services_.settings.publisher));
    if (until && TodayText(services_.system.clock) < *until) return "PN NO SHOW";
    return std::nullopt;
}

void OfferFilter::Accept(const Package& offer) {
    ++selectedCount;
    verticals.insert(offer.eligibility.vertical);
    selectedNames.push_back(offer.offerName);
    if (offer.offerSettings.sied && selectedCount > 1) ++services_.settings.extraOfferSlots;
}
