#include "i18n/LanguageManager.h"

#include <algorithm>

#include "i18n/LanguageDisplayName.h"
#include "i18n/LocaleDocuments.h"
#include "i18n/LocaleResource.h"
#include "i18n/ReferenceExpansion.h"
#include "platform/MessageBoxes.h"
#include "settings/ConfigurationManager.h"

LanguageManager::LanguageManager(ConfigurationManager& settings, platform::Resources& resources,
                                 platform::Locales& locales, platform::MessageBoxes& messages)
    : settings_(settings), resources_(resources), locales_(locales), messages_(messages) {}

LanguageList LanguageManager::FillLanguageList() {
    languageIds_.clear();
    localeNames_.clear();
    LanguageList list;
    list.hidden = settings_.publisherVariant;

    const std::vector<int> ids = LocaleDocumentIds(settings_.wizardType);
    if (ids.empty()) messages_.ShowMessage("Unknown wizard type (language manager");
    const std::string userLanguage = UserLanguageDisplayName(locales_);
    for (const int id : ids) {
        auto localeName = ReadLocaleName(id, resources_, messages_);
        if (!localeName) continue;
        std::string displayName = LanguageDisplayName(locales_, *localeName);
        // The later of two matching documents wins.
        if (displayName == userLanguage)
            list.selection = static_cast<int>(list.displayNames.size());
        languageIds_[displayName] = id;
        localeNames_[displayName] = std::move(*localeName);
        list.displayNames.push_back(std::move(displayName));
    }
    return list;
}

bool LanguageManager::SetLanguage(const std::string& displayName) {
    const auto id = languageIds_.find(displayName);
    if (id == languageIds_.end()) return false;
    const auto document = LoadLocaleResource(id->second, resources_, messages_);
    if (!document) return false;
    LoadStrings(*document);  // a partly read document still makes the language current
    for (TextRefresher* page : pages_) page->UpdateTexts();
    const auto localeName = localeNames_.find(displayName);
    settings_.localeName = localeName != localeNames_.end() ? localeName->second : std::string();
    settings_.languageDisplayName = displayName;
    return true;
}

std::string LanguageManager::Translate(const std::string& key) const {
    const auto found = strings_.find(key);
    return found != strings_.end() ? found->second : std::string();
}

void LanguageManager::RegisterPage(TextRefresher* page) {
    pages_.push_back(page);
}

void LanguageManager::UnregisterPage(TextRefresher* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
}

bool LanguageManager::LoadStrings(const tinyxml2::XMLDocument& document) {
    const tinyxml2::XMLElement* locale = document.FirstChildElement("Locale");
    if (!locale) {
        ReportParseFailure(messages_, "No Locale element");
        return false;
    }
    strings_.clear();
    strings_["PRODUCT_TITLE"] = settings_.productTitle;
    if (settings_.publisherVariant) {
        // A broken fragment element costs only the fragment's later texts.
        if (const auto fragment = LoadLocaleResource(kPublisherFragmentId, resources_, messages_)) {
            AddStrings(*fragment);
        }
    }
    if (!AddStrings(*locale)) return false;
    ExpandReferences(strings_);
    return true;
}

bool LanguageManager::AddStrings(const tinyxml2::XMLNode& parent) {
    for (const tinyxml2::XMLElement* element = parent.FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        const char* text = ElementText(*element);
        if (!text) {
            ReportParseFailure(messages_, "No name or text attribute");
            return false;
        }
        strings_[element->Name()] = text;
    }
    return true;
}
