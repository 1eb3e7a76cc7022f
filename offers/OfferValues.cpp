#include "offers/OfferValues.h"

namespace offer_values {

std::string RequiredText(const nlohmann::json& object, const char* key) {
    return object.at(key).get<std::string>();
}

void ReadText(const nlohmann::json& object, const char* key, std::string& target) {
    if (object.contains(key)) target = RequiredText(object, key);
}

void ReadFlag(const nlohmann::json& object, const char* key, bool& target) {
    if (object.contains(key)) target = object.at(key).get<bool>();
}

void ReadInt(const nlohmann::json& object, const char* key, int& target) {
    if (object.contains(key)) target = object.at(key).get<int>();
}

void ReadSize(const nlohmann::json& object, const char* key, std::uint64_t& target) {
    if (!object.contains(key)) return;
    const auto& value = object.at(key);
    if (!value.is_number()) {
        throw nlohmann::json::type_error::create(
            302, std::string("type must be number, but is ") + value.type_name(), &value);
    }
    target = value.get<std::uint64_t>();
}

void ReadTexts(const nlohmann::json& object, const char* key, std::vector<std::string>& target) {
    if (object.contains(key)) target = object.at(key).get<std::vector<std::string>>();
}

}  // namespace offer_values
