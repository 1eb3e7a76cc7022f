#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

// The base of every event payload of a package, from its event context's
// body. The main product: "5" the product title (the body's "22"), "10" 1,
// "18" "".
nlohmann::json MainProductPayload(const nlohmann::json& contextBody);

// An offer: "5" its offerName, "10" 2, "16" its cText, "17" its position + 1
// in decimal, "18" its adfText.
nlohmann::json OfferPayload(const nlohmann::json& contextBody, std::string_view offerName,
                            std::string_view cText, int position, std::string_view adfText);
