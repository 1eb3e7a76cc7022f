#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <latch>
#include <semaphore>
#include <thread>
#include <vector>

#include "tests/native/remote/RemoteRig.h"
#include "offers/Package.h"
#include "remote/EventCodes.h"

namespace {

using namespace std::chrono_literals;
using nlohmann::json;
using test::RemoteRig;
using test::Reply;

std::shared_ptr<Package> MainPackage(RemoteRig& rig) {
    return std::make_shared<Package>(rig.api->CreateEventContext(), rig.settings->productId, "",
                                     rig.settings->productTitle, "");
}

int PendingEvents(Package& package) {
    const std::lock_guard lock(package.eventMutex);
    return package.pendingEvents;
}

TEST(PackageEvents, ReportBodyCarriesThePayloadAsAString) {
    RemoteRig rig;
    rig.settings->productTitle = "Pellar Cl\xC3\xA1sico";
    rig.http.replies = {Reply(200)};
    const auto package = MainPackage(rig);
    package->SendEvent(EventCode::Started);
    package->WaitForEvents();

    const auto sent = rig.http.Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].path, "/zbd");
    EXPECT_EQ(sent[0].headers.at(0), "Authorization: " + package->context.headers.at(0).second);
    const json body = json::parse(sent[0].body);
    EXPECT_EQ(body.size(), 2u);
    EXPECT_EQ(body.at("table"), "zb_analytics");
    ASSERT_TRUE(body.at("data").is_string());
    // Non-ASCII text travels as UTF-8, not as \u escapes.
    EXPECT_NE(sent[0].body.find("Pellar Cl\xC3\xA1sico"), std::string::npos) << sent[0].body;

    json expected = package->context.body;
    expected["5"] = "Pellar Cl\xC3\xA1sico";
    expected["6"] = "1";
    expected["10"] = 1;
    EXPECT_EQ(json::parse(body.at("data").get<std::string>()), expected);
}

TEST(PackageEvents, ExtraMembersJoinThePayload) {
    const struct {
        int code;
        json extra;
        json expected;  // keys of the payload that differ from the base
    } cases[] = {
        {EventCode::NotShown,
         {{"13", "SKIP ALL CLICKED"}},
         {{"6", "2"}, {"13", "SKIP ALL CLICKED"}}},
        {EventCode::Failed,
         {{"12", "DOWNLOAD FAILED: 404"}},
         {{"6", "-1"}, {"12", "DOWNLOAD FAILED: 404"}}},
        {EventCode::Completed, nullptr, {{"6", "3"}}},
        {EventCode::Completed, json::object(), {{"6", "3"}}},
        {EventCode::Completed, json::array(), {{"6", "3"}}},
        {EventCode::Completed,
         {{"6", "overwritten"}, {"40", 7}},
         {{"6", "overwritten"}, {"40", 7}}},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = {Reply(200)};
        const auto package = MainPackage(rig);
        package->SendEvent(c.code, c.extra);
        package->WaitForEvents();
        json expected = package->eventPayload;
        expected.update(c.expected);
        EXPECT_EQ(rig.ReceivedPayloads(), std::vector<json>{expected}) << c.extra;
    }
}

TEST(PackageEvents, AnExtraThatIsNotAnObjectReportsNothing) {
    for (const json& extra : {json("text"), json(5), json(true), json::array({"13"})}) {
        RemoteRig rig;
        rig.http.replies = {Reply(200)};
        const auto package = MainPackage(rig);
        package->SendEvent(EventCode::NotShown, extra);
        package->WaitForEvents();
        EXPECT_TRUE(rig.http.Sent().empty()) << extra;
        EXPECT_FALSE(package->finalEventSent) << extra;
    }
}

TEST(PackageEvents, NothingFollowsADeliveredFinalEvent) {
    const struct {
        const char* scenario;
        int first;
        std::vector<fake::HttpReply> replies;
        std::vector<std::string> codesReceived;
    } cases[] = {
        {"declined, then closed", EventCode::Declined, {Reply(200), Reply(200)}, {"4"}},
        {"started, then closed", EventCode::Started, {Reply(200), Reply(200)}, {"1", "5"}},
        {"not shown but refused twice, then closed",
         EventCode::NotShown,
         {Reply(500), Reply(500), Reply(200)},
         {"2", "2", "5"}},
        {"failed, then closed", EventCode::Failed, {Reply(302), Reply(200)}, {"-1"}},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = c.replies;
        const auto package = MainPackage(rig);
        package->SendEvent(c.first);
        package->WaitForEvents();
        package->SendEvent(EventCode::Closed);
        package->WaitForEvents();
        std::vector<std::string> codes;
        for (const auto& payload : rig.ReceivedPayloads()) codes.push_back(payload.at("6"));
        EXPECT_EQ(codes, c.codesReceived) << c.scenario;
        EXPECT_TRUE(package->finalEventSent) << c.scenario;
    }
}

TEST(PackageEvents, ATransportFailureLeavesThePackageOpen) {
    RemoteRig rig;
    rig.http.Fail(fake::HttpStep::Send);
    rig.http.replies = {Reply(200)};
    const auto package = MainPackage(rig);
    package->SendEvent(EventCode::Declined);
    package->WaitForEvents();
    EXPECT_FALSE(package->finalEventSent);
    EXPECT_TRUE(rig.Pauses().empty());
    package->SendEvent(EventCode::Closed);
    package->WaitForEvents();
    ASSERT_EQ(rig.ReceivedPayloads().size(), 1u);
    EXPECT_EQ(rig.ReceivedPayloads()[0].at("6"), "5");
}

TEST(PackageEvents, WaitForEventsReturnsOnceEveryReportHasEnded) {
    RemoteRig rig;
    rig.http.replies = {Reply(200), Reply(200)};
    std::latch bothSent(2);
    std::counting_semaphore<2> answer(0);
    rig.http.onSend = [&](const fake::HttpExchangeRecord&) {
        bothSent.count_down();
        answer.acquire();
    };
    const auto package = MainPackage(rig);
    package->WaitForEvents();  // nothing in flight: returns at once

    package->SendEvent(EventCode::Started);
    package->SendEvent(EventCode::Started);
    bothSent.wait();
    auto waiter = std::async(std::launch::async, [&] { package->WaitForEvents(); });
    answer.release();
    while (PendingEvents(*package) != 1) std::this_thread::yield();
    EXPECT_EQ(waiter.wait_for(100ms), std::future_status::timeout);
    answer.release();
    waiter.get();
    EXPECT_EQ(PendingEvents(*package), 0);
    EXPECT_EQ(rig.http.Sent().size(), 2u);
}

TEST(PackageEvents, RefreshMakesAFreshMainProduct) {
    RemoteRig rig;
    rig.http.replies = {Reply(200)};
    const auto package = MainPackage(rig);
    package->position = 3;
    rig.settings->productTitle = "Pellar Cl\xC3\xA1sico";
    rig.settings->chText = "ch-2";
    package->Refresh(rig.api->CreateEventContext(), "PellarClassic", "cfl", "Pellar Cl\xC3\xA1sico",
                     "ch-2");
    EXPECT_TRUE(package->isMain);
    EXPECT_EQ(package->position, 0);
    EXPECT_EQ(package->displayName, "Pellar Cl\xC3\xA1sico");
    EXPECT_EQ(package->adfText, "cfl");
    package->SendEvent(EventCode::Started);
    package->WaitForEvents();
    const json payload = rig.ReceivedPayloads().at(0);
    EXPECT_EQ(payload.at("5"), "Pellar Cl\xC3\xA1sico");
    EXPECT_EQ(payload.at("21"), "ch-2");
    EXPECT_EQ(payload.at("18"), "");
}

// Reports from several threads while the host refreshes the package: every
// report goes out once, and WaitForEvents sees them all end.
TEST(PackageEvents, ConcurrentReportsAndRefresh) {
    constexpr int kThreads = 4;
    constexpr int kEventsPerThread = 25;
    RemoteRig rig;
    rig.http.replies.assign(kThreads * kEventsPerThread, Reply(200));
    const auto package = MainPackage(rig);
    std::latch start(kThreads + 1);
    std::vector<std::jthread> senders;
    for (int i = 0; i < kThreads; ++i) {
        senders.emplace_back([&] {
            start.arrive_and_wait();
            for (int event = 0; event < kEventsPerThread; ++event) {
                package->SendEvent(EventCode::Started, {{"13", "thread"}});
            }
        });
    }
    start.arrive_and_wait();
    for (int refresh = 0; refresh < 10; ++refresh) {
        package->Refresh(rig.api->CreateEventContext(), "PellarClassic", "", "Pellar Classic", "");
    }
    senders.clear();
    package->WaitForEvents();
    EXPECT_EQ(rig.http.Sent().size(), static_cast<std::size_t>(kThreads * kEventsPerThread));
    EXPECT_FALSE(package->finalEventSent);
}

}  // namespace
