#include <gtest/gtest.h>

#include <future>

#include "offers/Package.h"
#include "tests/native/download/DownloadRig.h"

namespace {

using download::Bytes;

const std::string kEndpoint = "https://api.example/f/";

// An offer whose image the rig serves, and a decoder that records what it
// was given and answers with a picture of its own.
struct ImageRig {
    test::DownloadRig downloads;
    Bytes decoded;
    // Stands for a decoded picture; never looked into.
    std::shared_ptr<int> pictureOwner = std::make_shared<int>(0);
    std::shared_ptr<gfx::Image> picture{pictureOwner,
                                        reinterpret_cast<gfx::Image*>(pictureOwner.get())};
    std::promise<void> done;

    std::shared_ptr<Package> Offer() {
        const OfferEnvironment environment{*downloads.settings, platform::WindowsVersion{10, 0, 0},
                                           downloads.system.clock};
        const nlohmann::json offer = {
            {"ad", {{"o", "Lumen"}, {"f", "f"}}},
            {"ps", {{"i", "lumen.png"}, {"dn", "Lumen"}, {"u", "https://dl.example/l.exe"}}}};
        return std::make_shared<Package>(EventContext{}, offer, "", 0, environment);
    }

    // Fetches package's image and waits until done has been called.
    void Fetch(Package& package) {
        package.DownloadImage(
            *downloads.manager, kEndpoint,
            [this](const Bytes& bytes) {
                decoded = bytes;
                return picture;
            },
            [this] { done.set_value(); });
        ASSERT_EQ(done.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);
    }
};

TEST(PackageImage, TheOffersImageIsFetchedFromTheFileEndpointAndDecoded) {
    ImageRig rig;
    const auto image = fake::Body(5000, 1000);
    rig.downloads.http.answers[kEndpoint + "lumen.png"] = image;
    const auto offer = rig.Offer();
    rig.Fetch(*offer);
    const std::string body = fake::BodyOf(image);
    EXPECT_EQ(rig.decoded, Bytes(body.begin(), body.end()));
    EXPECT_EQ(offer->image, rig.picture);
}

TEST(PackageImage, AFailedFetchKeepsNoImageAndStillCallsDone) {
    ImageRig rig;
    rig.downloads.http.answers[kEndpoint + "lumen.png"] = fake::Status(404);
    const auto offer = rig.Offer();
    rig.Fetch(*offer);
    EXPECT_TRUE(rig.decoded.empty()) << "nothing to decode";
    EXPECT_EQ(offer->image, nullptr);
}

TEST(PackageImage, TheMainProductHasNoImageToFetch) {
    ImageRig rig;
    const auto product = std::make_shared<Package>(EventContext{{{"22", "Pellar"}}, {}, nullptr},
                                                   "Pellar", "", "Pellar", "");
    bool called = false;
    product->DownloadImage(*rig.downloads.manager, kEndpoint, {}, [&] { called = true; });
    EXPECT_TRUE(called) << "at once, on the caller's thread";
    EXPECT_TRUE(rig.downloads.http.Requests().empty());
}

}  // namespace
