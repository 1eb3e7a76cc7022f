#include "remote/OfferLoader.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeMachineProbe.h"
#include "platform/fake/FakeMd5.h"
#include "tests/native/remote/RemoteRig.h"

namespace {

using nlohmann::json;
using test::RemoteRig;
using test::Reply;

json Offer(const std::string& name, int vertical) {
    return {{"ad", {{"o", name}, {"f", name + "-feed"}}},
            {"ps",
             {{"i", "logo.png"},
              {"dn", name},
              {"u", "https://127.0.0.1/f/offer.exe"},
              {"v", vertical}}}};
}

// The loading task's work over a scripted service and a fake machine.
struct Loading : ::testing::Test {
    RemoteRig rig;
    fake::Md5 md5;
    fake::MachineProbe probe;

    LoadedOffers Load(const json& answer) {
        rig.http.replies = {Reply(200, answer.dump())};
        const OfferEnvironment environment{*rig.settings, rig.os.TrueVersion(), rig.system.clock};
        return LoadOffers(*rig.api, *rig.settings, environment,
                          {*rig.settings, rig.system.services, rig.os, md5, probe});
    }
};

// A rejection would be reported on a thread of its own that outlives the
// rig, so the offers here pass until the limit, which stops without a report.
TEST_F(Loading, OffersThatPassAreKeptInOrderUpToTheLimit) {
    const auto loaded = Load({{"l", "US"},
                              {"f", {{"a", "pub"}, {"m", 2}}},
                              {"o", {Offer("Lumen", 1), Offer("Vela", 2), Offer("Atlas", 3)}}});
    ASSERT_EQ(loaded.offers.size(), 2u);
    EXPECT_EQ(loaded.offers[0]->offerName, "Lumen");
    EXPECT_EQ(loaded.offers[1]->offerName, "Vela");
    EXPECT_EQ(loaded.offers[1]->position, 1);
    EXPECT_EQ(rig.settings->selectedOfferCount, 2);
    EXPECT_FALSE(loaded.configurationFailed);
}

TEST_F(Loading, NoOfferListGivesNoOffers) {
    const auto loaded = Load({{"l", "US"}, {"f", {{"a", "pub"}}}});
    EXPECT_TRUE(loaded.offers.empty());
    EXPECT_EQ(rig.settings->countryCode, "US");
}

TEST_F(Loading, AMalformedOfferFailsTheWholeConfiguration) {
    json broken = Offer("Lumen", 1);
    broken["ps"].erase("dn");
    EXPECT_THROW(Load({{"l", "US"}, {"f", {{"a", "pub"}, {"m", 5}}}, {"o", {broken}}}),
                 nlohmann::json::exception);
}

}  // namespace
