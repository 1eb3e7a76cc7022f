#pragma once

#include <memory>
#include <vector>

#include "offers/OfferFilter.h"
#include "offers/Package.h"

class ApiManager;

// What the loading task hands back.
struct LoadedOffers {
    std::vector<std::shared_ptr<Package>> offers;  // in display order
    bool configurationFailed = false;              // a download-manager answer without its product
};

// Requests the configuration, applies it to the settings, and builds and
// screens the offers in configuration order: an exclusive offer that passes
// ends the list, and so does the filter's limit. Throws what the request,
// the answer or an offer throws.
LoadedOffers LoadOffers(const ApiManager& api, ConfigurationManager& settings,
                        const OfferEnvironment& environment, const OfferFilterServices& services);

// The offers of an applied configuration answer "o", built and screened as
// above.
std::vector<std::shared_ptr<Package>> SelectOffers(const nlohmann::json& offers,
                                                   const ApiManager& api,
                                                   ConfigurationManager& settings,
                                                   const OfferEnvironment& environment,
                                                   const OfferFilterServices& services);
