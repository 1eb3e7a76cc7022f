#include "i18n/LanguageManager.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "i18n/LanguageDisplayName.h"
#include "platform/fake/FakeSystem.h"
#include "settings/ConfigurationManager.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kSpanish = "espa\u00F1ol";
const std::string kParseFailure = "Failed to parse language xml file, error code: ";

// A page that notes each refresh with the text it reads at that moment.
class RecordingPage : public TextRefresher {
public:
    RecordingPage(const LanguageManager& languages, Strings& log, std::string name)
        : languages_(languages), log_(log), name_(std::move(name)) {}
    void UpdateTexts() override {
        log_.push_back(name_ + ":" + languages_.Translate("BUTTON_NEXT"));
    }

private:
    const LanguageManager& languages_;
    Strings& log_;
    std::string name_;
};

// An installer's language manager over fake services.
struct Installer {
    fake::System system;
    ConfigurationManager settings{"ISV", system.services};
    LanguageManager languages{settings, system.resources, system.locales, system.messageBoxes};

    // Replaces a LOCALE resource; nullopt removes it.
    void SetResource(int id, std::optional<platform::Resource> resource) {
        if (resource) {
            system.resources.entries[{"LOCALE", id}] = std::move(*resource);
        } else {
            system.resources.entries.erase({"LOCALE", id});
        }
    }
    void SetDocument(int id, std::string bytes) {
        SetResource(id, platform::Resource{platform::Resource::Status::Found, std::move(bytes)});
    }
    // Lists the languages and applies the default one, as the language page does.
    LanguageList ChooseDefault() {
        LanguageList list = languages.FillLanguageList();
        if (!list.displayNames.empty()) languages.SetLanguage(list.displayNames[list.selection]);
        return list;
    }
    Strings& Shown() { return system.messageBoxes.shown; }
};

class LanguageManagerTest : public ::testing::Test, protected Installer {};

TEST(LanguageDisplayName, NativeNameOfTheLocaleOrOfItsLanguageOrTheNameItself) {
    fake::Locales locales;
    const std::pair<std::string, std::string> cases[] = {
        {"en-US", "English"}, {"en_US", "English"},  // the system knows no "en_US"
        {"es-MX", kSpanish},  {"es", kSpanish},     {"fr-FR", "fran\u00E7ais"},
        {"xx_YY", "xx_YY"},   {"zz", "zz"},         {"", ""},
    };
    for (const auto& [localeName, expected] : cases) {
        EXPECT_EQ(LanguageDisplayName(locales, localeName), expected) << localeName;
    }
}

TEST_F(LanguageManagerTest, DefaultLanguageFollowsTheUserLocale) {
    struct Case {
        std::optional<std::string> userLocale;
        int selection;
        std::string text;
    };
    const Case cases[] = {
        {"en-US", 0, "To continue"},      {"es-ES", 1, "Para continuar"},
        {"es-MX", 1, "Para continuar"},   {"fr-FR", 0, "To continue"},
        {std::nullopt, 0, "To continue"}, {"es_ES", 1, "Para continuar"},  // retried as "es"
    };
    for (const auto& c : cases) {
        system.locales.userDefault = c.userLocale;
        const LanguageList list = ChooseDefault();
        const std::string where = c.userLocale.value_or("(no locale)");
        EXPECT_EQ(list.displayNames, (Strings{"English", kSpanish})) << where;
        EXPECT_EQ(list.selection, c.selection) << where;
        EXPECT_EQ(languages.Translate("SPLASH_TEXT").rfind(c.text, 0), 0u) << where;
    }
    EXPECT_EQ(Shown(), Strings{});
}

TEST_F(LanguageManagerTest, OfTwoMatchingDocumentsTheLaterIsSelected) {
    SetDocument(102, "<Locale name=\"en-GB\"><BUTTON_NEXT>Onward</BUTTON_NEXT></Locale>");
    const LanguageList list = ChooseDefault();
    EXPECT_EQ(list.displayNames, (Strings{"English", "English"}));
    EXPECT_EQ(list.selection, 1);
    EXPECT_EQ(languages.Translate("BUTTON_NEXT"), "Onward");
    EXPECT_EQ(settings.localeName, "en-GB");
}

TEST_F(LanguageManagerTest, ListIsHiddenOnlyInThePublisherVariant) {
    EXPECT_TRUE(languages.FillLanguageList().hidden);
    settings.publisherVariant = false;
    EXPECT_FALSE(languages.FillLanguageList().hidden);
}

TEST_F(LanguageManagerTest, EachWizardTypeOffersItsOwnDocuments) {
    // Only the download manager's documents carry TOS_LINK; only the
    // installer's carry EULA_LINK.
    settings.wizardType = WizardType::DLM;
    ChooseDefault();
    EXPECT_EQ(languages.Translate("TOS_LINK"), "End User License Agreement");
    EXPECT_EQ(languages.Translate("EULA_LINK"), "");

    settings.wizardType = WizardType::Unknown;
    const LanguageList list = languages.FillLanguageList();
    EXPECT_TRUE(list.displayNames.empty());
    EXPECT_EQ(Shown(), Strings{"Unknown wizard type (language manager"});
    // The list is rebuilt, so the languages of before are gone.
    EXPECT_FALSE(languages.SetLanguage("English"));
}

TEST_F(LanguageManagerTest, SettingALanguageExpandsItsTextsAndRecordsIt) {
    languages.FillLanguageList();

    ASSERT_TRUE(languages.SetLanguage("English"));
    EXPECT_EQ(languages.Translate("SPLASH_TEXT"),
              "To continue, please select your preferred language, and click \"Next\".");
    EXPECT_EQ(languages.Translate("PRODUCT_TITLE"), "Pellar Classic");
    EXPECT_EQ(languages.Translate("PAGE_FINISH_TITLE"),
              "Thank you.\r\nYour installation is complete.");
    EXPECT_EQ(
        languages.Translate("PRODUCT_DISCLAIMER"),
        "When you click \"Accept\", you agree to the installation of \"[PACKAGE_NAME]\" and "
        "that you have read the <a href=\"[PACKAGE_PRIVACY_URL]\">Privacy Policy</a> and agree "
        "to the terms of its <a href=\"[PACKAGE_EULA_URL]\">End User License Agreement</a>. "
        "Check \"Add/Remove Programs\" to uninstall.");
    // The publisher's fragment, in English for every language.
    EXPECT_EQ(languages.Translate("SPLASH_TITLE_NORVIK"),
              "Welcome to Pellar Classic\u00AE Setup Wizard");
    EXPECT_EQ(settings.languageDisplayName, "English");
    EXPECT_EQ(settings.localeName, "en_US");

    ASSERT_TRUE(languages.SetLanguage(kSpanish));
    EXPECT_EQ(languages.Translate("SPLASH_TEXT"),
              "Para continuar, seleccione su idioma preferido y haga clic en \"SIGUIENTE\".");
    EXPECT_EQ(languages.Translate("SPLASH_TITLE_NORVIK"),
              "Welcome to Pellar Classic\u00AE Setup Wizard");
    EXPECT_NE(languages.Translate("LICENSE_DISCLAIMER").find("\"ACEPTAR\""), std::string::npos);
    // The Spanish installer document has no texts for these: their controls
    // keep the English captions.
    for (const char* key : {"BUTTON_AGREE", "BUTTON_BACK", "SDK_LINK"}) {
        EXPECT_EQ(languages.Translate(key), "") << key;
    }
    EXPECT_EQ(settings.languageDisplayName, kSpanish);
    EXPECT_EQ(settings.localeName, "es");
    EXPECT_EQ(Shown(), Strings{});
}

TEST_F(LanguageManagerTest, FragmentIsMergedOnlyInThePublisherVariant) {
    settings.publisherVariant = false;
    ChooseDefault();
    EXPECT_EQ(languages.Translate("WARNING_TITLE"), "");
    EXPECT_EQ(languages.Translate("BUTTON_NEXT"), "Next");
    EXPECT_EQ(Shown(), Strings{});
}

TEST_F(LanguageManagerTest, UnknownLanguageChangesNothing) {
    Strings log;
    RecordingPage page(languages, log, "page");
    ChooseDefault();
    languages.RegisterPage(&page);

    EXPECT_FALSE(languages.SetLanguage("Deutsch"));
    EXPECT_FALSE(languages.SetLanguage("english"));
    EXPECT_EQ(languages.Translate("BUTTON_NEXT"), "Next");
    EXPECT_EQ(settings.languageDisplayName, "English");
    EXPECT_EQ(settings.localeName, "en_US");
    EXPECT_EQ(log, Strings{});
    EXPECT_EQ(Shown(), Strings{});
}

TEST_F(LanguageManagerTest, NothingIsTranslatedBeforeALanguageIsSet) {
    languages.FillLanguageList();
    EXPECT_EQ(languages.Translate("BUTTON_NEXT"), "");
    EXPECT_EQ(settings.languageDisplayName, "");
}

TEST_F(LanguageManagerTest, RegisteredPagesAreRefreshedInOrderWithTheNewTexts) {
    Strings log;
    RecordingPage first(languages, log, "first"), second(languages, log, "second"),
        third(languages, log, "third");
    for (RecordingPage* page : {&first, &second, &third}) languages.RegisterPage(page);
    languages.FillLanguageList();

    languages.SetLanguage("English");
    languages.SetLanguage(kSpanish);
    EXPECT_EQ(log, (Strings{"first:Next", "second:Next", "third:Next", "first:SIGUIENTE",
                            "second:SIGUIENTE", "third:SIGUIENTE"}));
}

TEST_F(LanguageManagerTest, UnregisteringRemovesEveryRegistrationOfThePage) {
    Strings log;
    RecordingPage twice(languages, log, "twice"), once(languages, log, "once");
    languages.RegisterPage(&twice);
    languages.RegisterPage(&once);
    languages.RegisterPage(&twice);
    languages.UnregisterPage(&twice);
    languages.FillLanguageList();

    languages.SetLanguage("English");
    EXPECT_EQ(log, Strings{"once:Next"});
}

TEST(LanguageManager, UnusableDocumentsAreReportedAndLeftOutOfTheList) {
    struct Case {
        const char* what;
        std::optional<platform::Resource> english;  // none: the resource is missing
        std::string message;                        // empty: no message
    };
    using Status = platform::Resource::Status;
    const Case cases[] = {
        {"missing", std::nullopt, "Failed to find resource with id: 101"},
        {"cannot be loaded", platform::Resource{Status::CannotLoad, ""},
         "Failed to load resource with id: 101"},
        {"empty", platform::Resource{Status::Found, ""},
         kParseFailure + "Error=XML_ERROR_EMPTY_DOCUMENT"},
        {"malformed", platform::Resource{Status::Found, "<Locale name=\"en_US\"><A>a</B></Locale>"},
         kParseFailure + "Error=XML_ERROR_MISMATCHED_ELEMENT"},
        {"no name attribute", platform::Resource{Status::Found, "<Locale><A>a</A></Locale>"},
         kParseFailure + "No name attribute"},
        {"no Locale element", platform::Resource{Status::Found, "<Other name=\"en_US\"/>"}, ""},
    };
    for (const auto& c : cases) {
        Installer installer;
        installer.SetResource(101, c.english);

        const LanguageList list = installer.languages.FillLanguageList();
        EXPECT_EQ(list.displayNames, Strings{kSpanish}) << c.what;
        EXPECT_EQ(list.selection, 0) << c.what;
        const Strings& shown = installer.Shown();
        if (c.message.empty()) {
            EXPECT_EQ(shown, Strings{}) << c.what;
        } else {
            // The parser's error text goes on with details of its own.
            ASSERT_EQ(shown.size(), 1u) << c.what;
            EXPECT_EQ(shown[0].rfind(c.message, 0), 0u) << c.what << ": " << shown[0];
        }
    }
}

TEST_F(LanguageManagerTest, DocumentWithoutLocaleElementLeavesTheTableAsItWas) {
    ChooseDefault();
    SetDocument(101, "<?xml version='1.0'?><Other/>");

    EXPECT_TRUE(languages.SetLanguage("English"));
    EXPECT_EQ(Shown(), Strings{kParseFailure + "No Locale element"});
    EXPECT_EQ(languages.Translate("BUTTON_NEXT"), "Next");
}

TEST_F(LanguageManagerTest, ElementWithoutTextStopsTheDocumentUnexpanded) {
    languages.FillLanguageList();
    SetDocument(101, "<Locale name=\"en_US\"><A>{B}</A><B>b</B><EMPTY/><C>c</C></Locale>");

    EXPECT_TRUE(languages.SetLanguage("English"));
    EXPECT_EQ(Shown(), Strings{kParseFailure + "No name or text attribute"});
    EXPECT_EQ(languages.Translate("A"), "{B}");
    EXPECT_EQ(languages.Translate("B"), "b");
    EXPECT_EQ(languages.Translate("C"), "");
}

TEST_F(LanguageManagerTest, DocumentTextsFollowTheDocumentRules) {
    languages.FillLanguageList();
    SetDocument(101,
                "<?xml version='1.0' encoding='utf-8'?>\r\n\r\n<Locale name=\"en_US\">\r\n"
                "\t<!-- Buttons -->\r\n"
                "\t<TWICE>first</TWICE>\r\n"
                "\t<TWICE>second</TWICE>\r\n"
                "\t<PRODUCT_TITLE>Own Title</PRODUCT_TITLE>\r\n"
                "\t<WELCOME>Welcome to {PRODUCT_TITLE}</WELCOME>\r\n"
                "\t<WARNING_TITLE>Document wins over {TWICE}</WARNING_TITLE>\r\n"
                "\t<COMMENTED><!-- note -->after the note</COMMENTED>\r\n"
                "\t<LINES>one\r\ntwo&#13;&#10;three &lt;a&gt; &amp; &#xE9;</LINES>\r\n"
                "\t<SPACES>  padded  </SPACES>\r\n"
                "</Locale>\r\n");

    ASSERT_TRUE(languages.SetLanguage("English"));
    EXPECT_EQ(Shown(), Strings{});
    EXPECT_EQ(languages.Translate("TWICE"), "second");
    EXPECT_EQ(languages.Translate("WELCOME"), "Welcome to Own Title");
    EXPECT_EQ(languages.Translate("SPLASH_TITLE_NORVIK"),
              "Welcome to Own Title\u00AE Setup Wizard");
    EXPECT_EQ(languages.Translate("WARNING_TITLE"), "Document wins over second");
    EXPECT_EQ(languages.Translate("COMMENTED"), "after the note");
    EXPECT_EQ(languages.Translate("LINES"), "one\ntwo\r\nthree <a> & \u00E9");
    EXPECT_EQ(languages.Translate("SPACES"), "  padded  ");
    EXPECT_EQ(languages.Translate("BUTTON_NEXT"), "");
}

TEST(LanguageManager, BrokenFragmentCostsOnlyItsOwnTexts) {
    struct Case {
        const char* what;
        std::optional<std::string> fragment;  // none: the resource is missing
        std::string message;
        std::string warningTitle;
    };
    const Case cases[] = {
        {"missing", std::nullopt, "Failed to find resource with id: 108", ""},
        {"malformed", "<WARNING_TITLE>Warning</WARNING_SUBTITLE>",
         kParseFailure + "Error=XML_ERROR_MISMATCHED_ELEMENT", ""},
        {"element without text", "<WARNING_TITLE>Careful</WARNING_TITLE><EMPTY/><LATER>x</LATER>",
         kParseFailure + "No name or text attribute", "Careful"},
    };
    for (const auto& c : cases) {
        Installer installer;
        if (c.fragment) {
            installer.SetDocument(108, *c.fragment);
        } else {
            installer.SetResource(108, std::nullopt);
        }
        installer.languages.FillLanguageList();

        const LanguageManager& languages = installer.languages;
        EXPECT_TRUE(installer.languages.SetLanguage("English")) << c.what;
        ASSERT_EQ(installer.Shown().size(), 1u) << c.what;
        EXPECT_EQ(installer.Shown()[0].rfind(c.message, 0), 0u) << c.what;
        EXPECT_EQ(languages.Translate("WARNING_TITLE"), c.warningTitle) << c.what;
        EXPECT_EQ(languages.Translate("LATER"), "") << c.what;
        EXPECT_EQ(languages.Translate("SPLASH_TEXT"),
                  "To continue, please select your preferred language, and click \"Next\".")
            << c.what;
    }
}

}  // namespace
