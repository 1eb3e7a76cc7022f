#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "offers/Package.h"
#include "tests/native/remote/RemoteRig.h"

namespace {

using nlohmann::json;
using test::RemoteRig;

// An offer with its required members and ps's extra members.
json Offer(const json& ps = json::object()) {
    json offer = {
        {"ad", {{"o", "Lumo"}, {"f", "f-77"}}},
        {"ps", {{"i", "lumo.png"}, {"dn", "Lumo Browser"}, {"u", "https://dl.test/lumo"}}}};
    offer["ps"].update(ps);
    return offer;
}

struct OfferRig {
    RemoteRig remote;
    std::optional<platform::WindowsVersion> windows = platform::WindowsVersion{10, 0, 19045};

    std::shared_ptr<Package> Build(const json& offer, int position = 0) {
        const OfferEnvironment environment{*remote.settings, windows, remote.system.clock};
        return std::make_shared<Package>(remote.api->CreateEventContext(), offer, "", position,
                                         environment);
    }
};

TEST(PackageOffer, ReadsTheOfferAndBuildsItsPayload) {
    OfferRig rig;
    const auto offer =
        rig.Build(Offer({{"p", "/quiet"}, {"c", "c-1"}, {"v", 4}, {"exc", true}}), 2);
    EXPECT_FALSE(offer->isMain);
    EXPECT_EQ(offer->offerName, "Lumo");
    EXPECT_EQ(offer->adfText, "f-77");
    EXPECT_EQ(offer->imageName, "lumo.png");
    EXPECT_EQ(offer->displayName, "Lumo Browser");
    EXPECT_EQ(offer->downloadUrl, "https://dl.test/lumo");
    EXPECT_EQ(offer->parameters, "/quiet");
    EXPECT_EQ(offer->privacyUrl, "");
    EXPECT_EQ(offer->eligibility.vertical, 4);
    EXPECT_TRUE(offer->eligibility.exclusive);
    EXPECT_EQ(offer->eventPayload.at("5"), "Lumo");
    EXPECT_EQ(offer->eventPayload.at("10"), 2);
    EXPECT_EQ(offer->eventPayload.at("16"), "c-1");
    EXPECT_EQ(offer->eventPayload.at("17"), "3");
    EXPECT_EQ(offer->eventPayload.at("18"), "f-77");
}

TEST(PackageOffer, FirstPositionReportsOne) {
    OfferRig rig;
    EXPECT_EQ(rig.Build(Offer())->eventPayload.at("17"), "1");
}

TEST(PackageOffer, UrlGetsTheRunPlaceholders) {
    OfferRig rig;
    rig.remote.settings->countryCode = "US";
    const auto offer = rig.Build(
        Offer({{"u", "https://dl.test/?s={sessionid}&u={userid}&a={aflt}&x={nope}&o={of}"}}));
    EXPECT_EQ(offer->downloadUrl, std::string("https://dl.test/?s=") + test::kSessionTimestamp +
                                      "&u=" + test::kMachineGuid + "&a=91088&x={nope}&o=f-77");
}

TEST(PackageOffer, RunPlaceholdersInTheirOrder) {
    OfferRig rig;
    rig.remote.settings->publisherId = "pub";
    const auto offer = rig.Build(Offer());
    std::vector<std::string> names;
    for (const auto& [name, value] : offer->placeholderValues.Entries()) names.push_back(name);
    // "cc" and "ispb" are empty and left out.
    EXPECT_EQ(names,
              (std::vector<std::string>{"userid", "sessionid", "pubid", "aflt", "pxl", "of"}));
    EXPECT_EQ(*offer->placeholderValues.Find("aflt"), "91082");
    EXPECT_FALSE(offer->placeholderValues.Find("pxl")->empty());
}

TEST(PackageOffer, WithoutPnTheRulesKeepTheirDefaults) {
    const json cfs = {{"mb", 0},      {"ma", 1},      {"mo", 1},
                      {"saad", true}, {"sied", true}, {"ab", {"x"}}};
    for (const json& ps : {json{{"cfs", cfs}}, json{{"pn", false}, {"pnak", "k"}, {"cfs", cfs}}}) {
        OfferRig rig;
        const auto offer = rig.Build(Offer(ps));
        EXPECT_EQ(offer->offerSettings.mb, INT_MAX);
        EXPECT_TRUE(offer->offerSettings.ab.empty());
        EXPECT_EQ(offer->offerSettings.pnak, "");
        EXPECT_EQ(offer->FlowRules().maxOffersInFlow, INT_MAX);
        EXPECT_FALSE(offer->FlowRules().stopAfterDecline);
        EXPECT_FALSE(offer->placeholderValues.Has("pnapikey"));
        EXPECT_FALSE(offer->placeholderValues.Has("pnsid"));
    }
}

TEST(PackageOffer, PnReadsItsCompanionsAndRules) {
    OfferRig rig;
    rig.remote.settings->publisher = "Norvik";
    const auto offer =
        rig.Build(Offer({{"pn", true},
                         {"pnak", "KEY"},
                         {"pnr", "SOFTWARE\\Lumo"},
                         {"sp", "--id={pnapikey} --of={of}"},
                         {"u", "https://dl.test/{pnapikey}"},
                         {"p", "/k={pnapikey} /a={account} /s={pnstubparams}"},
                         {"cfs", {{"mb", 1}, {"aa", {"qMin"}}, {"mo", 3}, {"sied", true}}}}));
    EXPECT_EQ(offer->offerSettings.pnr, "SOFTWARE\\Lumo");
    EXPECT_EQ(offer->offerSettings.mb, 1);
    EXPECT_EQ(offer->offerSettings.aa, std::vector<std::string>{"qMin"});
    EXPECT_EQ(offer->offerSettings.ma, INT_MAX);
    EXPECT_EQ(offer->FlowRules().maxOffersInFlow, 3);
    EXPECT_TRUE(offer->FlowRules().skipAfterAnyDecline);
    // "u" is read before the pn placeholders exist; "sp" before "pnapikey".
    EXPECT_EQ(offer->downloadUrl, "https://dl.test/{pnapikey}");
    EXPECT_EQ(offer->offerSettings.sp, "--id={pnapikey} --of=f-77");
    // "pnstubparams" comes before "pnapikey", so its value is expanded again.
    EXPECT_EQ(offer->parameters, "/k=KEY /a=Norvik /s=--id=KEY --of=f-77");
    EXPECT_EQ(*offer->placeholderValues.Find("pnsid"), "1740839107000");
}

TEST(PackageOffer, PnrpFollowsTheWindowsVersion) {
    const json both = {{"10.0", "ten"}, {"default", "other"}};
    const struct {
        std::optional<platform::WindowsVersion> windows;
        json pnrp;
        const char* chosen;
    } cases[] = {
        {platform::WindowsVersion{10, 0, 0}, both, "ten"},
        {platform::WindowsVersion{6, 1, 0}, both, "other"},
        {std::nullopt, both, "other"},
        {platform::WindowsVersion{6, 1, 0}, {{"10.0", "ten"}}, ""},
        {platform::WindowsVersion{10, 0, 0}, nullptr, ""},
    };
    for (const auto& [windows, pnrp, chosen] : cases) {
        OfferRig rig;
        rig.windows = windows;
        json ps = {{"pn", true}};
        if (!pnrp.is_null()) ps["pnrp"] = pnrp;
        EXPECT_EQ(*rig.Build(Offer(ps))->placeholderValues.Find("pnrparam"), chosen) << pnrp;
    }
}

TEST(PackageOffer, NumbersAcceptTheirJsonTypes) {
    OfferRig rig;
    const auto offer =
        rig.Build(Offer({{"v", 2.9}, {"ov", true}, {"disk", 3.5}, {"ram", 4096u}, {"cpu", 1}}));
    EXPECT_EQ(offer->eligibility.vertical, 2);
    EXPECT_EQ(offer->eligibility.minWindows, 1);
    EXPECT_EQ(offer->eligibility.minDiskMiB, 3u);
    EXPECT_EQ(offer->eligibility.minRamMiB, 4096u);
    EXPECT_EQ(offer->eligibility.minCpuMHz, 1u);
}

TEST(PackageOffer, MalformedOffersThrow) {
    json missingName = Offer();
    missingName["ad"].erase("o");
    json missingUrl = Offer();
    missingUrl["ps"].erase("u");
    const json cases[] = {
        missingName,
        missingUrl,
        Offer({{"dn", 5}}),
        Offer({{"p", nullptr}}),
        Offer({{"pn", 1}}),
        Offer({{"exc", "true"}}),
        Offer({{"v", "3"}}),
        Offer({{"disk", true}}),
        Offer({{"fe", "C:\\a"}}),
        Offer({{"fe", {1}}}),
        Offer({{"cmdu", {{{"utr", "hkcu"}, {"utk", "k"}, {"utvn", "n"}, {"utvt", "t"}}}}}),
        Offer({{"pn", true}, {"cfs", {{"saad", 0}}}}),
    };
    for (const auto& offer : cases) {
        OfferRig rig;
        EXPECT_THROW(rig.Build(offer), json::exception) << offer;
    }
}

TEST(PackageOffer, PresetsSetAfterTheirKeysWhateverTheOrder) {
    OfferRig rig;
    json offer = Offer();
    offer["ps"] = {{"x", 3},   {"disk", 1}, {"ram", 1}, {"cpu", 1},
                   {"i", "i"}, {"dn", "d"}, {"u", "u"}};
    const auto package = rig.Build(offer);
    const auto& eligibility = package->eligibility;
    EXPECT_EQ(eligibility.minDiskMiB, 512u);
    EXPECT_EQ(eligibility.minRamMiB, 1536u);
    EXPECT_EQ(eligibility.minCpuMHz, 1500u);
}

TEST(PackageOffer, ReadsEligibilityLists) {
    OfferRig rig;
    const auto offer = rig.Build(Offer({{"fe", {"{localappdata}\\Lumo\\lumo.exe"}},
                                        {"a", {"Lumo"}},
                                        {"cmdu",
                                         {{{"utr", "hkcu"},
                                           {"utk", "k"},
                                           {"utvn", "n"},
                                           {"utvt", "t"},
                                           {"umd", 3},
                                           {"utms", true}}}},
                                        {"x", 13}}));
    const auto& eligibility = offer->eligibility;
    EXPECT_EQ(eligibility.filesMustBeAbsent,
              std::vector<std::string>{"C:\\Users\\user\\AppData\\Local\\Lumo\\lumo.exe"});
    EXPECT_EQ(eligibility.processesMustNotRun, std::vector<std::string>{"Lumo"});
    ASSERT_EQ(eligibility.uninstallChecks.size(), 1u);
    EXPECT_EQ(eligibility.uninstallChecks[0].minDays, 3);
    EXPECT_TRUE(eligibility.uninstallChecks[0].milliseconds);
    EXPECT_TRUE(eligibility.chromeForbidden);
    EXPECT_FALSE(eligibility.chromeRequired);
}

}  // namespace
