#pragma once

#include <optional>
#include <string>

#include "offers/OfferTerms.h"
#include "settings/RegistryCache.h"

// The registry keys and values an offer names: "r", "ir", "rvn", then "rvd".
// The reason of the first check that fails; nullopt when all pass. Entries
// are lower-cased before use; registry failures count as absent keys and
// values.
std::optional<std::string> RegistryRejection(const Eligibility& eligibility,
                                             win32::RegistryCache& cache);
