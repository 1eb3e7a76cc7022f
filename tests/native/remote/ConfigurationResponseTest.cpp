#include <gtest/gtest.h>

#include "platform/fake/FakeSystem.h"
#include "remote/ConfigurationResponse.h"
#include "remote/QuilletException.h"

namespace {

using nlohmann::json;

TEST(ParseConfiguration, BlankTextIsRefusedBeforeParsing) {
    for (const char* text : {"", " ", " \r\n", "\t\n\v\f\r "}) {
        EXPECT_THROW(ParseConfiguration(text), QuilletException) << json(text);
    }
    EXPECT_EQ(ParseConfiguration(" {\"l\":\"US\"}\r\n"), json({{"l", "US"}}));
    EXPECT_THROW(ParseConfiguration("{/* no comments */}"), json::parse_error);
}

struct Applied {
    fake::System system;
    ConfigurationManager settings;
    ConfigurationOutcome outcome;

    Applied(const char* wizardType, const char* answer)
        : settings(wizardType, system.services),
          outcome(ApplyConfiguration(json::parse(answer), settings)) {}
};

TEST(ApplyConfiguration, InstallerTakesCountryPublisherAndOfferLimit) {
    const Applied applied("ISV", R"({"l":"US","f":{"a":"pub-7","m":3},"o":[],
                                     "i":{"ct":"Other","cu":""}})");
    EXPECT_EQ(applied.outcome, ConfigurationOutcome::WithOffers);
    EXPECT_EQ(applied.settings.countryCode, "US");
    EXPECT_EQ(applied.settings.publisherId, "pub-7");
    EXPECT_EQ(applied.settings.maxOffers, 3);
    // The installer's product is compiled in.
    EXPECT_EQ(applied.settings.productTitle, "Pellar Classic");
}

TEST(ApplyConfiguration, OfferLimitOnlyWhenOffersFollow) {
    const struct {
        const char* wizardType;
        const char* answer;
        ConfigurationOutcome outcome;
    } cases[] = {
        {"ISV", R"({"l":"US"})", ConfigurationOutcome::WithoutOffers},
        {"ISV", R"({"f":"not an object"})", ConfigurationOutcome::WithoutOffers},
        {"ISV", R"([1,2])", ConfigurationOutcome::WithoutOffers},
        {"DLM", R"({"i":{"ct":"T","cu":"https://x/t.exe","ch":"00xA"},"o":[{}]})",
         ConfigurationOutcome::WithoutOffers},
        {"DLM", R"({"i":{"ct":"T","cu":"https://x/t.exe"},"f":{"m":2},"o":[]})",
         ConfigurationOutcome::WithOffers},
    };
    for (const auto& c : cases) {
        fake::System system;
        ConfigurationManager settings(c.wizardType, system.services);
        EXPECT_EQ(ApplyConfiguration(json::parse(c.answer), settings), c.outcome) << c.answer;
    }
}

TEST(ApplyConfiguration, MalformedAnswersThrow) {
    const struct {
        const char* wizardType;
        const char* answer;
    } cases[] = {
        {"ISV", R"({"o":[]})"},
        {"ISV", R"({"f":{"a":"p"},"o":[]})"},
        {"ISV", R"({"f":{"m":"3"},"o":[]})"},
        {"ISV", R"({"l":5})"},
        {"ISV", R"({"f":{"a":7}})"},
        {"DLM", R"({"l":"US"})"},
        {"DLM", R"({"i":{"ct":"T"}})"},
        {"DLM", R"({"i":{"ct":"T","cu":"u","cf":false}})"},
        {"DLM", R"([])"},
    };
    for (const auto& c : cases) {
        fake::System system;
        ConfigurationManager settings(c.wizardType, system.services);
        EXPECT_THROW(ApplyConfiguration(json::parse(c.answer), settings), json::exception)
            << c.wizardType << " " << c.answer;
    }
}

TEST(ApplyConfiguration, DownloadManagerProductWithDefaults) {
    const Applied applied("DLM", R"({"l":"ES","i":{"ct":"Pellar Cl\u00e1sico",
                                     "cu":"https://dl.test/p.exe","ch":"7","cfl":"c",
                                     "cb":"b"}})");
    EXPECT_EQ(applied.outcome, ConfigurationOutcome::WithoutOffers);
    const ConfigurationManager& settings = applied.settings;
    EXPECT_EQ(settings.countryCode, "ES");
    EXPECT_EQ(settings.productTitle, "Pellar Cl\xC3\xA1sico");
    EXPECT_EQ(settings.productDownloadUrl, "https://dl.test/p.exe");
    EXPECT_EQ(settings.productFileName, "Pellar Cl\xC3\xA1sico.exe");
    EXPECT_EQ(settings.chText, "7");
    EXPECT_EQ(settings.cflText, "c");
    EXPECT_EQ(settings.cbText, "b");
    EXPECT_EQ(settings.clText, "");
    EXPECT_EQ(settings.privacyPolicyUrl, "");
    EXPECT_EQ(settings.termsOfUseUrl, "");

    const Applied named("DLM", R"({"i":{"ct":"T","cu":"u","cf":"setup.exe","cl":"l","cp":"p",
                                   "ctu":"t"}})");
    EXPECT_EQ(named.settings.productFileName, "setup.exe");
    EXPECT_EQ(named.settings.clText, "l");
    EXPECT_EQ(named.settings.privacyPolicyUrl, "p");
    EXPECT_EQ(named.settings.termsOfUseUrl, "t");
}

TEST(ApplyConfiguration, DownloadManagerWithoutTitleOrUrlFailsQuietly) {
    for (const char* answer : {R"({"l":"US","i":{"ct":"T","cu":""},"f":{"a":"p"},"o":[]})",
                               R"({"l":"US","i":{"ct":"","cu":"u"},"f":{"a":"p"},"o":[]})"}) {
        const Applied applied("DLM", answer);
        EXPECT_EQ(applied.outcome, ConfigurationOutcome::Failed) << answer;
        EXPECT_EQ(applied.settings.productTitle, "") << answer;
        EXPECT_EQ(applied.settings.productDownloadUrl, "") << answer;
        EXPECT_EQ(applied.settings.publisherId, "") << answer;
    }
}

}  // namespace
