#include "offers/CombinationRules.h"

#include <algorithm>

#include "offers/Base62.h"
#include "offers/Package.h"

namespace {

bool Lists(const std::vector<std::string>& encodedNames, const std::string& name) {
    return std::find(encodedNames.begin(), encodedNames.end(), Base62Encode(name)) !=
           encodedNames.end();
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : ",") + name;
    return text;
}

std::optional<std::string> NotAllowedAfter(const std::vector<std::string>& names) {
    if (names.empty()) return std::nullopt;
    return "NOT ALLOWED AFTER " + Joined(names);
}

// "ab": the offers selected so far that this one may not follow.
std::optional<std::string> AllowedBeforeRejection(const Package& offer,
                                                  const std::vector<std::string>& selectedNames) {
    const auto& allowed = offer.offerSettings.ab;
    if (allowed.empty()) return std::nullopt;
    std::vector<std::string> refused;
    for (const auto& name : selectedNames) {
        if (!Lists(allowed, name)) refused.push_back(name);
    }
    return NotAllowedAfter(refused);
}

// "ma" and "aa" of the offers selected so far.
std::optional<std::string> AllowedAfterRejection(
    const Package& offer, const std::vector<std::shared_ptr<Package>>& selected) {
    const auto count = static_cast<long long>(selected.size());
    for (const auto& earlier : selected) {
        const auto after = count - earlier->position - 1;
        if (after >= earlier->offerSettings.ma) {
            return "ONLY " + std::to_string(earlier->offerSettings.ma) +
                   " PRODUCTS ALLOWED TO BE SHOWN AFTER " + earlier->offerName;
        }
    }
    std::vector<std::string> refusing;
    for (const auto& earlier : selected) {
        const auto& allowed = earlier->offerSettings.aa;
        if (!allowed.empty() && !Lists(allowed, offer.offerName)) {
            refusing.push_back(earlier->offerName);
        }
    }
    return NotAllowedAfter(refusing);
}

}  // namespace

std::optional<std::string> CombinationRejection(
    const Package& offer, int selectedCount, const std::vector<std::string>& selectedNames,
    const std::vector<std::shared_ptr<Package>>& selected, int extraOfferSlots) {
    if (offer.offerSettings.mb < selectedCount) {
        return "SHOWED " + std::to_string(selectedCount) + " PRODUCTS BUT ONLY " +
               std::to_string(offer.offerSettings.mb) + " ALLOWED BEFORE";
    }
    if (auto reason = AllowedBeforeRejection(offer, selectedNames)) return reason;
    if (extraOfferSlots != 0) return std::nullopt;
    return AllowedAfterRejection(offer, selected);
}
