#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

class ConfigurationManager;
namespace platform {
class Locales;
class MessageBoxes;
class Resources;
}  // namespace platform
namespace tinyxml2 {
class XMLDocument;
class XMLNode;
}  // namespace tinyxml2

// Something that shows texts of the current language and re-reads them when
// the language changes (every wizard page).
class TextRefresher {
public:
    virtual ~TextRefresher() = default;
    virtual void UpdateTexts() = 0;
};

// The languages a user can choose, in the order they are offered.
struct LanguageList {
    std::vector<std::string> displayNames;
    int selection = 0;    // index of the default language
    bool hidden = false;  // the list is not shown: the language follows the locale
};

// Owns the string table of the current language: loads the locale documents
// from the program's resources, expands references between their strings,
// hands out texts by key and refreshes every registered page when the
// language changes. Texts are UTF-8. UI thread only.
class LanguageManager {
public:
    LanguageManager(ConfigurationManager& settings, platform::Resources& resources,
                    platform::Locales& locales, platform::MessageBoxes& messages);

    // Rebuilds the list of languages of the wizard type and picks the
    // default one from the user's locale.
    LanguageList FillLanguageList();

    // Makes the language with this display name current. False when the
    // name is not listed or its document cannot be read; nothing changes then.
    bool SetLanguage(const std::string& displayName);

    // The string of key in the current language; empty when it has none.
    std::string Translate(const std::string& key) const;

    void RegisterPage(TextRefresher* page);
    // Removes every registration of page.
    void UnregisterPage(TextRefresher* page);

private:
    // Rebuilds the string table from a language document. False, with the
    // failure shown, when the document cannot be used; without a Locale
    // element the table stays as it was.
    bool LoadStrings(const tinyxml2::XMLDocument& document);
    // Adds the text of each child element of parent under the element's
    // name. Stops at an element without text, shows it and answers false.
    bool AddStrings(const tinyxml2::XMLNode& parent);

    ConfigurationManager& settings_;
    platform::Resources& resources_;
    platform::Locales& locales_;
    platform::MessageBoxes& messages_;
    // Both keyed by display name, rebuilt together by FillLanguageList.
    std::unordered_map<std::string, int> languageIds_;
    std::unordered_map<std::string, std::string> localeNames_;
    std::vector<TextRefresher*> pages_;  // not owned, in registration order
    std::map<std::string, std::string> strings_;
};
