#include "remote/ConfigurationRequest.h"

#include <string>

namespace {

constexpr std::string_view kProtocolVersion = "0.1";

std::string LanguageCode(std::string_view localeName) {
    std::string code(localeName.substr(0, 2));
    for (char& c : code) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return code;
}

}  // namespace

nlohmann::json BuildConfigurationRequest(const ConfigurationManager& settings,
                                         std::string_view installerTag,
                                         std::string_view osVersion) {
    return {
        {"prv", kProtocolVersion},
        {"plv", settings.installerVersion},
        {"l", LanguageCode(settings.localeName)},
        {"a", settings.publisher},
        {"i", settings.productId},
        {"s", settings.campaignId},
        {"u", installerTag},
        {"o", osVersion},
    };
}
