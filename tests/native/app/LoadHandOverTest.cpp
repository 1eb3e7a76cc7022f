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
    EXPECT_EQ(handOver->Take().size(), 3u);
    EXPECT_TRUE(handOver->Take().empty()) << "offers are handed over once";
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
    EXPECT_TRUE(handOver->Take().empty());
}

}  // namespace
