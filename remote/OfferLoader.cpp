#include "remote/OfferLoader.h"

#include "remote/ApiManager.h"
#include "remote/ConfigurationResponse.h"
#include "settings/ConfigurationManager.h"

LoadedOffers LoadOffers(const ApiManager& api, ConfigurationManager& settings,
                        const OfferEnvironment& environment, const OfferFilterServices& services) {
    LoadedOffers loaded;
    const nlohmann::json answer = api.RequestConfiguration();
    const ConfigurationOutcome outcome = ApplyConfiguration(answer, settings);
    if (outcome == ConfigurationOutcome::Failed) {
        loaded.configurationFailed = true;
        return loaded;
    }
    if (outcome != ConfigurationOutcome::WithOffers) return loaded;

    loaded.offers = SelectOffers(answer.at("o"), api, settings, environment, services);
    return loaded;
}

std::vector<std::shared_ptr<Package>> SelectOffers(const nlohmann::json& offers,
                                                   const ApiManager& api,
                                                   ConfigurationManager& settings,
                                                   const OfferEnvironment& environment,
                                                   const OfferFilterServices& services) {
    std::vector<std::shared_ptr<Package>> selected;
    OfferFilter filter(settings.maxOffers, services);
    for (const auto& element : offers) {
        auto offer = std::make_shared<Package>(api.CreateEventContext(), element, "",
                                               static_cast<int>(selected.size()), environment);
        bool stop = false;
        if (filter.Evaluate(offer, stop, selected)) {
            selected.push_back(offer);
            ++settings.selectedOfferCount;
            if (offer->eligibility.exclusive) break;
        }
        if (stop) break;
    }
    return selected;
}
