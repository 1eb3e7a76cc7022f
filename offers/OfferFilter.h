#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "offers/AppPathsIndex.h"
#include "offers/HardwareChecks.h"
#include "platform/MachineProbe.h"
#include "platform/Md5.h"
#include "platform/OsVersion.h"
#include "platform/System.h"
#include "settings/RegistryCache.h"

class ConfigurationManager;
class Package;

// What the filter asks of the run and the machine.
struct OfferFilterServices {
    ConfigurationManager& settings;
    platform::System& system;
    platform::OsVersion& os;
    platform::Md5& md5;
    platform::MachineProbe& probe;
};

// Decides, offer by offer in configuration order, which offers this machine
// may be shown, and enforces the run's offer limit. One per evaluation run;
// not for use from two threads.
class OfferFilter {
public:
    // Told of every rejected offer while fewer than maxOffers are selected.
    using RejectionReport = std::function<void(Package& offer, const std::string& reason)>;

    // report defaults to event 2 of the offer with {"13": reason}.
    OfferFilter(int maxOffers, OfferFilterServices services, RejectionReport report = {});

    // True when offer passes; the caller then appends it to selected, its
    // list of the offers selected so far. stop is set once the run's limit
    // (maxOffers plus the settings' extraOfferSlots) is reached.
    bool Evaluate(const std::shared_ptr<Package>& offer, bool& stop,
                  const std::vector<std::shared_ptr<Package>>& selected);

    std::set<int> verticals;
    std::vector<std::string> selectedNames;
    int selectedCount = 0;
    int maxOffers;

private:
    std::optional<std::string> Rejection(const Package& offer,
                                         const std::vector<std::shared_ptr<Package>>& selected);
    std::optional<std::string> SelectionRejection(const Package& offer) const;
    std::optional<std::string> VersionRejection(const Package& offer);
    std::optional<std::string> AppRejection(const Package& offer);
    std::optional<std::string> NoShowRejection(const Package& offer);
    void Accept(const Package& offer);

    OfferFilterServices services_;
    RejectionReport report_;
    HardwareChecks hardware_;
    AppPathsIndex appPaths_;
    win32::RegistryCache registryCache_;
};
