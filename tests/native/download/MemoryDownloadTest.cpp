#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>

#include "tests/native/download/DownloadRig.h"

namespace {

using download::Bytes;
using fake::Body;
using fake::BodyOf;
using fake::HttpStep;
using test::DownloadRig;

const std::string kImage = "https://api.example/f/offer.png";
const download::SystemError kReset{12030, "The connection with the server was terminated"};

Bytes BytesOf(const fake::HttpAnswer& answer) {
    const std::string body = BodyOf(answer);
    return Bytes(body.begin(), body.end());
}

// Waits for the bytes handed to a completion callback.
struct Completion {
    std::promise<Bytes> promise;
    std::future<Bytes> future = promise.get_future();
    std::function<void(Bytes)> Callback() {
        return [this](Bytes bytes) { promise.set_value(std::move(bytes)); };
    }
    Bytes Wait() {
        EXPECT_EQ(future.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        return future.get();
    }
};

TEST(GetToMemory, ReturnsTheBodyBehindRedirects) {
    DownloadRig rig;
    const auto image = Body(20000, 3000);
    rig.http.answers[kImage] = fake::Redirect("http://cdn.example/offer.png");
    rig.http.answers["http://cdn.example/offer.png"] = image;

    EXPECT_EQ(rig.manager->GetToMemory(kImage), BytesOf(image));
    EXPECT_TRUE(rig.progress.percents.empty());
}

TEST(GetToMemory, SecondAttemptStartsAfreshWithoutPauseAndAThirdIsNeverMade) {
    const struct {
        int failures;
        bool delivered;
    } cases[] = {{1, true}, {2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failures);
        DownloadRig rig;
        const auto image = Body(20000, 3000);
        rig.http.answers[kImage] = image;
        // An attempt that fails has read part of the body already.
        auto& read = rig.http.failures[HttpStep::Read] = {kReset, 0};
        int failed = 0;
        rig.http.answers[kImage].beforeChunk = [&](std::size_t chunk) {
            if (chunk == 1 && failed++ < c.failures) read.times = 1;
        };

        const Bytes body = rig.manager->GetToMemory(kImage);

        EXPECT_EQ(body, c.delivered ? BytesOf(image) : Bytes{});
        EXPECT_EQ(rig.http.Requests().size(), 2u);
        EXPECT_TRUE(rig.pauses.empty());
    }
}

TEST(GetToMemory, CancelledTransferGivesNothing) {
    DownloadRig rig;
    rig.http.answers[kImage] = Body(20000, 3000);
    rig.http.answers[kImage].beforeChunk = [&](std::size_t chunk) {
        if (chunk == 2) rig.manager->cancelled = true;
    };

    EXPECT_TRUE(rig.manager->GetToMemory(kImage).empty());
}

TEST(DownloadToMemoryAsync, CallsBackWithTheBodyOrNothingOnceCancelled) {
    const struct {
        const char* name;
        std::optional<std::size_t> cancelBeforeChunk;  // 3: after the last chunk
        bool delivered;
    } cases[] = {
        {"not cancelled", std::nullopt, true},
        {"cancelled during the transfer", 1, false},
        {"cancelled once the body is complete", 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DownloadRig rig;
        const auto image = Body(9000, 3000);
        rig.http.answers[kImage] = image;
        rig.http.answers[kImage].beforeChunk = [&](std::size_t chunk) {
            if (chunk == c.cancelBeforeChunk) rig.manager->cancelled = true;
        };
        Completion completion;

        rig.manager->DownloadToMemoryAsync(kImage, completion.Callback());

        EXPECT_EQ(completion.Wait(), c.delivered ? BytesOf(image) : Bytes{});
    }
}

TEST(DownloadToMemoryAsync, TwoDownloadsRunSideBySideAndEachGetsItsOwnBody) {
    DownloadRig rig;
    const std::string other = "https://api.example/f/other.png";
    const auto first = Body(7000, 1000);
    const auto second = Body(12000, 5000);
    rig.http.answers[kImage] = first;
    rig.http.answers[other] = second;
    // Each transfer waits at its first chunk until the other has begun.
    std::mutex mutex;
    std::condition_variable changed;
    int started = 0;
    bool sideBySide = true;
    const auto meet = [&](std::size_t chunk) {
        if (chunk != 0) return;
        std::unique_lock lock(mutex);
        ++started;
        changed.notify_all();
        if (!changed.wait_for(lock, std::chrono::seconds(5), [&] { return started == 2; })) {
            sideBySide = false;
        }
    };
    rig.http.answers[kImage].beforeChunk = meet;
    rig.http.answers[other].beforeChunk = meet;
    Completion firstDone;
    Completion secondDone;

    rig.manager->DownloadToMemoryAsync(kImage, firstDone.Callback());
    rig.manager->DownloadToMemoryAsync(other, secondDone.Callback());

    EXPECT_EQ(firstDone.Wait(), BytesOf(first));
    EXPECT_EQ(secondDone.Wait(), BytesOf(second));
    const std::lock_guard lock(mutex);
    EXPECT_TRUE(sideBySide);
}

}  // namespace
