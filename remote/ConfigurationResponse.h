#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

#include "settings/ConfigurationManager.h"

// What the loading task does once an answer has been applied.
enum class ConfigurationOutcome {
    Failed,         // a download-manager answer without product title or URL
    WithoutOffers,  // no offer list, or offers switched off by "ch" "00xA"
    WithOffers,     // build the offers of the answer's "o"
};

// chText that switches every offer off.
inline constexpr std::string_view kOffersOff = "00xA";

// The configuration answer parsed from text. Throws QuilletException when
// text is blank and the JSON library's parse_error when it is not JSON.
nlohmann::json ParseConfiguration(std::string_view text);

// Copies the answer's values into settings: "l" as countryCode, in the
// download-manager flavour the product of "i", "f"."a" as publisherId, and
// "f"."m" as maxOffers when offers follow. Throws the JSON library's
// exceptions for a missing required key or a value of the wrong type.
ConfigurationOutcome ApplyConfiguration(const nlohmann::json& answer,
                                        ConfigurationManager& settings);
