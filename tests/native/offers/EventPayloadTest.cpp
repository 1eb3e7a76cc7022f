#include <gtest/gtest.h>

#include "offers/EventPayload.h"

namespace {

using nlohmann::json;

const json kContextBody = {{"0", ""},           {"5", ""},  {"16", ""},
                           {"17", ""},          {"18", ""}, {"22", "Pellar Classic"},
                           {"31", "10.0.19045"}};

TEST(EventPayload, MainProductNamedByTheProductTitle) {
    json expected = kContextBody;
    expected["5"] = "Pellar Classic";
    expected["10"] = 1;
    EXPECT_EQ(MainProductPayload(kContextBody), expected);
}

TEST(EventPayload, OfferNamedByItselfWithItsPositionCountedFromOne) {
    json expected = kContextBody;
    expected["5"] = "Offer Cl\xC3\xA1sica";
    expected["10"] = 2;
    expected["16"] = "c-7";
    expected["17"] = "1";
    expected["18"] = "adf";
    EXPECT_EQ(OfferPayload(kContextBody, "Offer Cl\xC3\xA1sica", "c-7", 0, "adf"), expected);
    EXPECT_EQ(OfferPayload(kContextBody, "o", "", 4, "").at("17"), "5");
}

}  // namespace
