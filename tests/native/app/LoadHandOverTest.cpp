#include "app/LoadHandOver.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

LoadHandOver::Offers SomeOffers(std::size_t count) { return LoadHandOver::Offers(count); }

TEST(LoadHandOver, DeliveryStoresTheOffersThenNotifies) {
    int notifications = 0;
    auto handOver = std::make_shared<LoadHandOver>([&] { ++notifications; });
    handOver->Deliver(SomeOffers(3));
    EXPECT_EQ(notifications, 1);
    const auto offers = handOver->Take();
    ASSERT_TRUE(offers.has_value());
    EXPECT_EQ(offers->size(), 3u);
    EXPECT_FALSE(handOver->Take().has_value()) << "offers are handed over once";
}

TEST(LoadHandOver, DeliveryAfterCloseIsDroppedWithoutNotifying) {
    int notifications = 0;
    auto handOver = std::make_shared<LoadHandOver>([&] { ++notifications; });
    handOver->Close();
    // A worker that finishes after the host closed, as the loading page's
    // image downloads may.
    std::thread worker([handOver] { handOver->Deliver(SomeOffers(2)); });
    worker.join();
    EXPECT_EQ(notifications, 0);
    EXPECT_FALSE(handOver->Take().has_value());
}

TEST(LoadHandOver, NothingToTakeBeforeADelivery) {
    auto handOver = std::make_shared<LoadHandOver>([] {});
    EXPECT_FALSE(handOver->Take().has_value());
    handOver->Deliver({});
    const auto offers = handOver->Take();
    ASSERT_TRUE(offers.has_value()) << "an empty list is a delivery too";
    EXPECT_TRUE(offers->empty());
}

}  // namespace
