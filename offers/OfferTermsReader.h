#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "offers/OfferTerms.h"

// Reads an offer's "ps" object into its terms. Wrong JSON types and missing
// required members throw the JSON library's exceptions.

// The "cfs" members that are present.
void ReadCombinationRules(const nlohmann::json& cfs, OfferSettings& settings);

// Everything but "v" and "exc". expandPaths expands path placeholders of
// "fe" and "ife".
void ReadEligibility(const nlohmann::json& ps, Eligibility& eligibility,
                     const std::function<std::string(const std::string&)>& expandPaths);

// The "x" preset: sets requirements, never clears them; unknown presets set
// nothing.
void ApplyPreset(int preset, Eligibility& eligibility);
