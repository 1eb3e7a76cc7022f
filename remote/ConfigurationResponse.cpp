#include "remote/ConfigurationResponse.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "remote/QuilletException.h"

namespace {

using nlohmann::json;

std::string OptionalText(const json& object, const char* key, std::string otherwise = "") {
    return object.contains(key) ? object.at(key).get<std::string>() : otherwise;
}

// The product of a download-manager answer; false when it names no title or
// no URL.
bool ApplyProduct(const json& product, ConfigurationManager& settings) {
    auto title = product.at("ct").get<std::string>();
    auto url = product.at("cu").get<std::string>();
    if (title.empty() || url.empty()) return false;
    settings.clText = OptionalText(product, "cl");
    settings.productFileName = OptionalText(product, "cf", title + ".exe");
    settings.privacyPolicyUrl = OptionalText(product, "cp");
    settings.termsOfUseUrl = OptionalText(product, "ctu");
    settings.chText = OptionalText(product, "ch");
    settings.cflText = OptionalText(product, "cfl");
    settings.cbText = OptionalText(product, "cb");
    settings.productTitle = std::move(title);
    settings.productDownloadUrl = std::move(url);
    return true;
}

}  // namespace

nlohmann::json ParseConfiguration(std::string_view text) {
    const bool blank = std::all_of(text.begin(), text.end(), [](char c) {
        return std::isspace(static_cast<unsigned char>(c)) != 0;
    });
    if (blank) throw QuilletException("blank configuration");
    return json::parse(text, nullptr, /*allow_exceptions=*/true, /*ignore_comments=*/false);
}

ConfigurationOutcome ApplyConfiguration(const nlohmann::json& answer,
                                        ConfigurationManager& settings) {
    if (answer.contains("l")) settings.countryCode = answer.at("l").get<std::string>();
    if (settings.wizardType == WizardType::DLM && !ApplyProduct(answer.at("i"), settings)) {
        return ConfigurationOutcome::Failed;
    }
    if (answer.contains("f") && answer.at("f").is_object() && answer.at("f").contains("a")) {
        settings.publisherId = answer.at("f").at("a").get<std::string>();
    }
    if (!answer.contains("o") || settings.chText == kOffersOff) {
        return ConfigurationOutcome::WithoutOffers;
    }
    settings.maxOffers = answer.at("f").at("m").get<int>();
    return ConfigurationOutcome::WithOffers;
}
