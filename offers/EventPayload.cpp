#include "offers/EventPayload.h"

#include <string>

namespace {

constexpr int kMainProduct = 1;
constexpr int kOffer = 2;

}  // namespace

nlohmann::json MainProductPayload(const nlohmann::json& contextBody) {
    nlohmann::json payload = contextBody;
    payload["5"] = contextBody.at("22");
    payload["10"] = kMainProduct;
    payload["18"] = "";
    return payload;
}

nlohmann::json OfferPayload(const nlohmann::json& contextBody, std::string_view offerName,
                            std::string_view cText, int position, std::string_view adfText) {
    nlohmann::json payload = contextBody;
    payload["5"] = offerName;
    payload["10"] = kOffer;
    payload["16"] = cText;
    payload["17"] = std::to_string(position + 1);
    payload["18"] = adfText;
    return payload;
}
