// Reading one offer of the configuration into a Package.
#include <exception>
#include <utility>

#include "offers/Base62.h"
#include "offers/OfferTermsReader.h"
#include "offers/OfferValues.h"
#include "offers/Package.h"
#include "remote/AffiliateIds.h"
#include "settings/ConfigurationManager.h"
#include "settings/TimeTexts.h"

using namespace offer_values;

namespace {

// The offer's identity: machine id, offer and session in Base62; "" when it
// cannot be encoded.
std::string IdentityText(ConfigurationManager& settings, const std::string& offerName) {
    try {
        return Base62Encode(settings.GetMachineId() + "|" + offerName + "|" +
                            settings.GetSessionTimestamp());
    } catch (const std::exception&) {
        return "";
    }
}

// The "pnrp" member for this Windows version, else its "default", else "".
std::string PnrpChoice(const nlohmann::json& ps,
                       const std::optional<platform::WindowsVersion>& version) {
    if (!ps.contains("pnrp")) return "";
    const auto& choices = ps.at("pnrp");
    const std::string ownKey =
        version ? std::to_string(version->major) + "." + std::to_string(version->minor) : "";
    std::string chosen;
    ReadText(choices, version && choices.contains(ownKey) ? ownKey.c_str() : "default", chosen);
    return chosen;
}

}  // namespace

Package::Package(EventContext eventContext, const nlohmann::json& offer, std::string defaultC,
                 int offerPosition, const OfferEnvironment& environment)
    : context(std::move(eventContext)), cText(std::move(defaultC)), position(offerPosition) {
    auto& settings = environment.settings;
    AddRunPlaceholders(settings);
    const auto& ad = offer.at("ad");
    adfText = RequiredText(ad, "f");
    offerName = RequiredText(ad, "o");
    placeholderValues.Add("pxl", IdentityText(settings, offerName));
    placeholderValues.Add("of", adfText);
    const auto& ps = offer.at("ps");
    imageName = ExpandPlaceholders(RequiredText(ps, "i"));
    displayName = ExpandPlaceholders(RequiredText(ps, "dn"));
    downloadUrl = ExpandPlaceholders(RequiredText(ps, "u"));
    ReadOfferSettings(ps, environment);
    ReadTerms(ps, settings);
    BuildEventPayload();
}

void Package::AddRunPlaceholders(ConfigurationManager& settings) {
    const auto addIfSet = [this](const char* name, std::string value) {
        if (!value.empty()) placeholderValues.Add(name, std::move(value));
    };
    addIfSet("userid", settings.GetMachineId());
    addIfSet("sessionid", settings.GetSessionTimestamp());
    addIfSet("cc", settings.countryCode);
    addIfSet("pubid", settings.publisherId);
    addIfSet("ispb", settings.cbText);
    placeholderValues.Add("aflt", CountryToAffiliateId(settings.countryCode));
}

void Package::ReadOfferSettings(const nlohmann::json& ps, const OfferEnvironment& environment) {
    ReadFlag(ps, "pn", offerSettings.pn);
    if (!offerSettings.pn) return;
    auto& settings = environment.settings;
    ReadText(ps, "pnau", offerSettings.pnau);
    ReadText(ps, "pnak", offerSettings.pnak);
    ReadText(ps, "pnr", offerSettings.pnr);
    ReadText(ps, "pnop", offerSettings.pnop);
    ReadFlag(ps, "pnsi", offerSettings.pnsi);
    ReadText(ps, "la", offerSettings.la);
    placeholderValues.Add("pnrparam", PnrpChoice(ps, environment.windowsVersion));
    ReadText(ps, "sp", offerSettings.sp);
    offerSettings.sp = ExpandPlaceholders(offerSettings.sp);
    placeholderValues.Add("pnstubparams", offerSettings.sp);
    placeholderValues.Add("pnapiurl", offerSettings.pnau);
    placeholderValues.Add("pnapikey", offerSettings.pnak);
    placeholderValues.Add("pnop", offerSettings.pnop);
    placeholderValues.Add("account", settings.publisher);
    placeholderValues.Add("installer", settings.productId);
    placeholderValues.Add("pnsid", NowMillisecondsText(environment.clock));
    if (ps.contains("cfs")) ReadCombinationRules(ps.at("cfs"), offerSettings);
}

void Package::ReadTerms(const nlohmann::json& ps, ConfigurationManager& settings) {
    const auto readExpanded = [&](const char* key, std::string& target) {
        ReadText(ps, key, target);
        target = ExpandPlaceholders(target);
    };
    readExpanded("p", parameters);
    readExpanded("cp", privacyUrl);
    readExpanded("ctu", eulaUrl);
    ReadInt(ps, "v", eligibility.vertical);
    ReadFlag(ps, "exc", eligibility.exclusive);
    if (ps.contains("c")) readExpanded("c", cText);
    ReadEligibility(ps, eligibility, [&settings](const std::string& path) {
        return settings.ExpandPathPlaceholders(path);
    });
}
