// The locale documents the program carries, read as the program reads them.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "i18n/LanguageManager.h"
#include "i18n/LocaleDocuments.h"
#include "platform/fake/FakeSystem.h"
#include "settings/ConfigurationManager.h"

namespace {

constexpr int kIsvEnglish = 101, kIsvSpanish = 102, kDlmEnglish = 105, kDlmSpanish = 106,
              kFragment = 108;
const int kDocuments[] = {kIsvEnglish, kIsvSpanish, kDlmEnglish, kDlmSpanish};

// The keys of the four language documents and their English texts, as
// stored. docs: I = installer English and Spanish, i = installer English
// only, D = download manager English and Spanish. A null download-manager
// text means the same as the installer's.
struct Key {
    const char* name;
    const char* docs;
    const char* isv;
    const char* dlm = nullptr;
};

const Key kKeys[] = {
    {"SPLASH_TEXT", "ID",
     "To continue, please select your preferred language, and click \"{BUTTON_NEXT}\"."},
    {"WELCOME_TITLE", "ID", "Welcome to"},
    {"WELCOME_TEXT", "ID",
     "This will install {PRODUCT_TITLE} on your computer. Click \"{BUTTON_NEXT}\" to continue.",
     "This will download {PRODUCT_TITLE} on your computer. Click \"{BUTTON_NEXT}\" to continue."},
    {"PRIVACY_LINK", "ID", "Privacy Policy"},
    {"EULA_LINK", "I", "End User License Agreement"},
    {"SDK_LINK", "iD", "SDK License"},
    {"PROGRESS_TITLE", "ID", "Installation Status", "Downloading"},
    {"PROGRESS_DESC", "ID",
     "Please wait while the installer wizard downloads and optimizes necessary packages.",
     "Downloading {PRODUCT_TITLE}, sit back and relax"},
    {"PROGRESS_STAT_TEXT", "ID", "out of"},
    {"PROGRESS_STAT_INSTALLING", "I", "Installing..."},
    {"PROGRESS_STAT_FINISHED", "I",
     "Installation completed. Please click \"{BUTTON_FINISH}\" to continue."},
    {"PROGRESS_STATUS_MAIN", "I", "Installing {PRODUCT_TITLE}"},
    {"PROGRESS_STATUS", "ID", "$percent$ Completed"},
    {"PROGRESS_STATUS_START", "ID", "0% Completed"},
    {"PRODUCT_DISCLAIMER", "ID",
     "When you click \"{BUTTON_ACCEPT}\", you agree to the installation of \"[PACKAGE_NAME]\" and "
     "that you have read the &lt;a href=\"[PACKAGE_PRIVACY_URL]\"&gt;{PRIVACY_LINK}&lt;/a&gt; and "
     "agree to the terms of its &lt;a href=\"[PACKAGE_EULA_URL]\"&gt;{EULA_LINK}&lt;/a&gt;. Check "
     "\"Add/Remove Programs\" to uninstall.",
     "When you click \"{BUTTON_ACCEPT}\", you agree to the installation of \"[PACKAGE_NAME]\" and "
     "that you have read the &lt;a href=\"[PACKAGE_PRIVACY_URL]\"&gt;{PRIVACY_LINK}&lt;/a&gt; and "
     "agree to the terms of its &lt;a href=\"[PACKAGE_EULA_URL]\"&gt;{TOS_LINK}&lt;/a&gt;. Check "
     "\"Add/Remove Programs\" to uninstall."},
    {"PAGE_FINISH_TITLE", "ID", "Thank you.&#13;&#10;Your installation is complete.",
     "Thank you.&#13;&#10;You have successfully downloaded {PRODUCT_TITLE}."},
    {"PAGE_FINISH_TEXT", "ID",
     "You have successfully installed {PRODUCT_TITLE}. Click \"{BUTTON_FINISH}\" to proceed.",
     "To install the software on your machine, click \"{LAUNCH_RADIO}\"&#13;&#10;Click the "
     "\"{BUTTON_FINISH}\" button to exit the Setup Wizard"},
    {"LAUNCH_CHECKBOX", "I", "Launch the application on exit"},
    {"UNINSTALL_TEXT", "I",
     "&#13;&#10;To uninstall all softwares installed during this installation process, please go "
     "to \"Add/Remove Programs\" and click \"{PRODUCT_TITLE} Packages\"."},
    {"PAGE_ERROR_TITLE", "I", "Error occurred while installing {PRODUCT_TITLE}."},
    {"PAGE_ERROR_TEXT", "I", "Click on \"{BUTTON_CLOSE}\" and try again later."},
    {"BUTTON_DECLINE", "ID", "Decline"},
    {"BUTTON_CLOSE", "ID", "Close"},
    {"BUTTON_ACCEPT", "ID", "Accept"},
    {"BUTTON_NEXT", "ID", "Next"},
    {"BUTTON_RETRY", "ID", "Retry"},
    {"BUTTON_FINISH", "ID", "Finish"},
    {"BUTTON_SKIP_ALL", "ID", "Skip All"},
    {"BUTTON_AGREE", "i", "Agree"},
    {"BUTTON_BACK", "i", "Back"},
    {"MSG_EXIT", "ID", "Are you sure you want to exit the installer?"},
    {"PROGRESS_QUIT", "ID",
     "Some installer processes are already running in the background and will finish "
     "momentarily. Are you sure you would like to exit?"},
    {"TOS_LINK", "D", nullptr, "End User License Agreement"},
    {"LAUNCH_RADIO", "D", nullptr, "Launch"},
    {"OPEN_FOLDER_RADIO", "D", nullptr, "Open Folder"},
    {"OPEN_PRODUCT_SITE_CHECKBOX", "D", nullptr, "open product's site"},
    {"PAGE_DOWNLOAD_ERROR_TITLE", "D", nullptr, "Error in downloading"},
    {"PAGE_DOWNLOAD_ERROR_DESC", "D", nullptr, "Please try to download later"},
    {"PAGE_CONFIGURATION_ERROR_TITLE", "D", nullptr, "Something went wrong"},
    {"PAGE_CONFIGURATION_ERROR_DESC", "D", nullptr, "Please try to download later"},
};

// The publisher's fragment; a null text is a long one, checked on its own.
const std::pair<const char*, const char*> kFragmentKeys[] = {
    {"SPLASH_TITLE_NORVIK", "Welcome to {PRODUCT_TITLE}\u00AE Setup Wizard"},
    {"SPLASH_TEXT_NORVIK", nullptr},
    {"WARNING_TITLE", "Warning"},
    {"WARNING_SUBTITLE", "From Norvik, Inc. - the publisher of Pellar\u00AE"},
    {"WARNING_TEXT", nullptr},
    {"OPTIONS_TITLE", "Choose Install Options:"},
    {"OPTIONS_CHECK_1", "Create Start Menu Entry"},
    {"OPTIONS_CHECK_2", "Create Quick Launch Icon"},
    {"OPTIONS_CHECK_3", "Create Desktop Icon"},
    {"CONFIGURATIONS_TITLE", "Configurations"},
    {"CONFIGURATIONS_SUBTITLE_1", "Additional Settings"},
    {"CONFIGURATIONS_TEXT_1",
     "The following options automate the configuration of some additional settings in Windows."},
    {"CONFIGURATIONS_CHECK_1",
     "Add an exception for Pellar in Windows Firewall to allow Norvik protocol direct "
     "connections to other peers"},
    {"CONFIGURATIONS_CHECK_2", "Start Pellar when Windows starts up"},
    {"CONFIGURATIONS_SUBTITLE_2", "File Types"},
    {"CONFIGURATIONS_TEXT_2",
     "Select which file types you would like Pellar to handle by default."},
    {"CONFIGURATIONS_CHECK_3", ".torrent (Norvik files)"},
    {"CONFIGURATIONS_CHECK_4", "Magnet URIs"},
    {"CONFIGURATIONS_CHECK_5", ".norviksearch (Norvik Search engine file)"},
    {"LICENSE_TITLE", "License Agreement and Privacy Policy"},
    {"LICENSE_TEXT",
     "Please review the license terms before installing {PRODUCT_TITLE}\u00AE. Please scroll "
     "down to see the rest of the agreement."},
    {"LICENSE_DISCLAIMER",
     "By clicking \"{BUTTON_ACCEPT}\", acknowledge that you have read and agreed to the &lt;a "
     "href=\"[LICENSE_TOS_URL]\"&gt;Terms&lt;/a&gt; and &lt;a "
     "href=\"[LICENSE_PRIVACY_URL]\"&gt;Privacy Policy&lt;/a&gt;."},
    {"LICENSE_EULA", nullptr},
};

bool InDocument(const Key& key, int id) {
    const std::string docs = key.docs;
    switch (id) {
        case kIsvEnglish:
            return docs.find_first_of("Ii") != std::string::npos;
        case kIsvSpanish:
            return docs.find('I') != std::string::npos;
        default:
            return docs.find('D') != std::string::npos;
    }
}

std::string Bytes(int id) {
    fake::Resources resources;
    const platform::Resource resource = resources.Read(kLocaleResourceType, id);
    EXPECT_EQ(resource.status, platform::Resource::Status::Found) << id;
    return resource.bytes;
}

// The stored text of an element, entity references and all.
std::string RawText(const std::string& bytes, const std::string& key) {
    const std::string open = "<" + key + ">", close = "</" + key + ">";
    const auto start = bytes.find(open);
    const auto end = bytes.find(close, start);
    if (start == std::string::npos || end == std::string::npos) return "(missing " + key + ")";
    return bytes.substr(start + open.size(), end - start - open.size());
}

// The element names under parent, in document order.
std::vector<std::string> ElementNames(const tinyxml2::XMLNode& parent) {
    std::vector<std::string> names;
    for (auto* element = parent.FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        names.emplace_back(element->Name());
    }
    return names;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(LocaleDocuments, WizardTypesListTheirDocumentsInOrder) {
    EXPECT_EQ(LocaleDocumentIds(WizardType::ISV), (std::vector<int>{kIsvEnglish, kIsvSpanish}));
    EXPECT_EQ(LocaleDocumentIds(WizardType::DLM), (std::vector<int>{kDlmEnglish, kDlmSpanish}));
    EXPECT_EQ(LocaleDocumentIds(WizardType::Unknown), std::vector<int>{});
    EXPECT_EQ(LocaleDocumentIds(3), std::vector<int>{});
    EXPECT_EQ(kPublisherFragmentId, kFragment);
}

TEST(LocaleDocuments, DocumentsAreUtf8WithCrLfAndOneTabIndent) {
    const std::pair<int, std::string> names[] = {
        {kIsvEnglish, "en_US"}, {kIsvSpanish, "es"}, {kDlmEnglish, "en_US"}, {kDlmSpanish, "es"}};
    for (const auto& [id, name] : names) {
        const std::string bytes = Bytes(id);
        EXPECT_EQ(bytes.rfind("<?xml version='1.0' encoding='utf-8'?>\r\n\r\n<Locale name=\"" +
                                  name + "\">\r\n",
                              0),
                  0u)
            << id;
        EXPECT_EQ(bytes.substr(bytes.size() - 11), "</Locale>\r\n") << id;
        EXPECT_EQ(Count(bytes, "\n"), Count(bytes, "\r\n")) << id;
        EXPECT_EQ(Count(bytes, "\r"), Count(bytes, "\r\n")) << id;
        // Every line between the root's tags is one tab in: a key or a comment.
        const auto body = bytes.substr(bytes.find("\">\r\n") + 4);
        EXPECT_TRUE(std::regex_match(body, std::regex("(\t<[^\r\n]*\r\n)*</Locale>\r\n"))) << id;
        EXPECT_NE(body.find("\t<!-- Buttons -->\r\n"), std::string::npos) << id;
    }
}

TEST(LocaleDocuments, FragmentHasNoDeclarationNoRootAndNoFinalLineEnd) {
    const std::string bytes = Bytes(kFragment);
    EXPECT_EQ(bytes.rfind("<!-- ", 0), 0u);
    EXPECT_EQ(bytes.find("<?xml"), std::string::npos);
    EXPECT_EQ(bytes.find("<Locale"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 15), "</LICENSE_EULA>");
    EXPECT_EQ(Count(bytes, "\n"), Count(bytes, "\r\n"));
    EXPECT_EQ(Count(bytes, "\r"), Count(bytes, "\r\n"));
}

TEST(LocaleDocuments, EveryDocumentIsWellFormedWithoutByteOrderMark) {
    for (const int id : {kIsvEnglish, kIsvSpanish, kDlmEnglish, kDlmSpanish, kFragment}) {
        const std::string bytes = Bytes(id);
        EXPECT_NE(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << id;
        tinyxml2::XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
        EXPECT_EQ(document.Parse(bytes.data(), bytes.size()), tinyxml2::XML_SUCCESS)
            << id << ": " << document.ErrorStr();
    }
}

TEST(LocaleDocuments, EachDocumentHoldsExactlyItsKeysOnce) {
    const std::pair<int, std::size_t> counts[] = {
        {kIsvEnglish, 32}, {kIsvSpanish, 29}, {kDlmEnglish, 30}, {kDlmSpanish, 30}};
    for (const auto& [id, count] : counts) {
        const std::string bytes = Bytes(id);
        tinyxml2::XMLDocument document;
        document.Parse(bytes.data(), bytes.size());
        ASSERT_NE(document.FirstChildElement("Locale"), nullptr) << id;
        auto names = ElementNames(*document.FirstChildElement("Locale"));
        std::multiset<std::string> found(names.begin(), names.end()), expected;
        for (const Key& key : kKeys) {
            if (InDocument(key, id)) expected.insert(key.name);
        }
        EXPECT_EQ(found, expected) << id;
        EXPECT_EQ(names.size(), count) << id;
    }

    const std::string bytes = Bytes(kFragment);
    tinyxml2::XMLDocument fragment;
    fragment.Parse(bytes.data(), bytes.size());
    std::vector<std::string> expected;
    for (const auto& [name, text] : kFragmentKeys) expected.emplace_back(name);
    EXPECT_EQ(ElementNames(fragment), expected);
}

TEST(LocaleDocuments, EnglishTextsAreStoredExactly) {
    const std::string isv = Bytes(kIsvEnglish), dlm = Bytes(kDlmEnglish);
    for (const Key& key : kKeys) {
        if (key.isv) {
            EXPECT_EQ(RawText(isv, key.name), key.isv) << key.name;
        }
        if (InDocument(key, kDlmEnglish)) {
            EXPECT_EQ(RawText(dlm, key.name), key.dlm ? key.dlm : key.isv) << key.name;
        }
    }
    const std::string fragment = Bytes(kFragment);
    for (const auto& [name, text] : kFragmentKeys) {
        if (text) {
            EXPECT_EQ(RawText(fragment, name), text) << name;
        }
    }
}

TEST(LocaleDocuments, LongPublisherTextsHaveTheirShape) {
    const std::string fragment = Bytes(kFragment);

    const std::string splash = RawText(fragment, "SPLASH_TEXT_NORVIK");
    const std::string paragraph = "&#13;&#10;&#13;&#10;";
    EXPECT_EQ(Count(splash, paragraph), 3u);
    EXPECT_EQ(Count(splash, "&#13;&#10;"), 6u);
    EXPECT_NE(splash.find("{PRODUCT_TITLE}\u00AE"), std::string::npos);
    EXPECT_EQ(splash.substr(splash.rfind(paragraph) + paragraph.size()),
              "Click \"{BUTTON_NEXT}\" to continue.");

    const std::string warning = RawText(fragment, "WARNING_TEXT");
    EXPECT_EQ(Count(warning, "&lt;a href=\"https://"), 1u);
    EXPECT_EQ(Count(warning, "&lt;/a&gt;"), 1u);
    EXPECT_GT(warning.size(), 400u);

    const std::string eula = RawText(fragment, "LICENSE_EULA");
    EXPECT_GT(eula.size(), 6000u);
    EXPECT_LT(eula.size(), 8000u);
    const auto firstLine = eula.find("\r\n");
    EXPECT_EQ(eula.substr(firstLine + 2, 14), "Last revised: ");
    EXPECT_EQ(eula[eula.find("\r\n", firstLine + 2) + 2], '\r') << "empty line after the date";
    EXPECT_GT(Count(eula, "\r\n\r\n"), 10u);
    EXPECT_GT(Count(eula, "\r\n\t"), 10u);
}

TEST(LocaleDocuments, SpanishButtonCaptionsAreCapitals) {
    for (const int id : {kIsvSpanish, kDlmSpanish}) {
        const std::string bytes = Bytes(id);
        EXPECT_EQ(RawText(bytes, "BUTTON_NEXT"), "SIGUIENTE") << id;
        EXPECT_EQ(RawText(bytes, "BUTTON_SKIP_ALL"), "SALTAR TODOS") << id;
        for (const Key& key : kKeys) {
            const std::string name = key.name;
            if (name.rfind("BUTTON_", 0) != 0 || !InDocument(key, id)) continue;
            const std::string text = RawText(bytes, name);
            EXPECT_TRUE(std::none_of(text.begin(), text.end(),
                                     [](unsigned char c) { return std::islower(c); }))
                << id << " " << name;
            EXPECT_NE(text, key.isv) << id << " " << name;
        }
    }
}

// Every reference in every language names a key of that language, and the
// only placeholders left are those the pages fill.
TEST(LocaleDocuments, EveryTextOfEveryLanguageExpandsCompletely) {
    const std::regex placeholder(R"(\[([A-Z_]+)\])");
    const std::set<std::string> pageValues = {"PACKAGE_NAME", "PACKAGE_PRIVACY_URL",
                                              "PACKAGE_EULA_URL", "LICENSE_TOS_URL",
                                              "LICENSE_PRIVACY_URL"};
    for (const char* type : {"ISV", "DLM"}) {
        fake::System system;
        ConfigurationManager settings(type, system.services);
        LanguageManager languages(settings, system.resources, system.locales, system.messageBoxes);
        for (const std::string& language : languages.FillLanguageList().displayNames) {
            ASSERT_TRUE(languages.SetLanguage(language));
            std::vector<std::string> keys;
            for (const Key& key : kKeys) keys.emplace_back(key.name);
            for (const auto& [name, text] : kFragmentKeys) keys.emplace_back(name);
            for (const std::string& key : keys) {
                const std::string text = languages.Translate(key);
                EXPECT_EQ(text.find('{'), std::string::npos)
                    << type << " " << language << " " << key;
                for (std::sregex_iterator it(text.begin(), text.end(), placeholder), end; it != end;
                     ++it) {
                    EXPECT_TRUE(pageValues.count((*it)[1]))
                        << language << " " << key << " " << (*it)[0];
                }
            }
        }
        EXPECT_EQ(system.messageBoxes.shown, std::vector<std::string>{}) << type;
    }
}

}  // namespace
