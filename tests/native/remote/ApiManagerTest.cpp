#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "tests/native/remote/RemoteRig.h"
#include "remote/QuilletException.h"
#include "remote/Sha256.h"

namespace {

using namespace std::chrono_literals;
using nlohmann::json;
using test::RemoteRig;
using test::Reply;

std::set<std::string> Keys(const json& object) {
    std::set<std::string> keys;
    for (const auto& [key, value] : object.items()) keys.insert(key);
    return keys;
}

TEST(CreateEventContext, SignedBaseOfEveryEvent) {
    RemoteRig rig;
    rig.settings->cflText = "cfl";
    rig.settings->chText = "ch";
    rig.settings->productTitle = "Pellar Cl\xC3\xA1sico";
    const EventContext context = rig.api->CreateEventContext();

    EXPECT_EQ(
        context.headers,
        (HeaderList{{"Authorization", "Signature=" + Sha256Hex(std::string(test::kMachineGuid) +
                                                               test::kSessionTimestamp)}}));
    std::set<std::string> expectedKeys = {"31", "38"};
    for (int key = 0; key <= 22; ++key) expectedKeys.insert(std::to_string(key));
    EXPECT_EQ(Keys(context.body), expectedKeys);
    const json expectedValues = {
        {"1", test::kMachineGuid},
        {"2", test::kSessionTimestamp},
        {"3", "Norvik"},
        {"4", "PellarClassic"},
        {"7", "3.1.0.11073"},
        {"15", 0},
        {"19", "cfl"},
        {"21", "ch"},
        {"22", "Pellar Cl\xC3\xA1sico"},
        {"31", "10.0.19045"},
        {"38", "1"},
    };
    for (const auto& key : expectedKeys) {
        EXPECT_EQ(context.body.at(key), expectedValues.value(key, json(""))) << key;
    }
    EXPECT_EQ(context.api, rig.api);
}

TEST(CreateEventContext, MachineWithoutGuidSignsTheTimestampAlone) {
    RemoteRig rig("");
    rig.system.wow64.wow64 = false;
    rig.os.version.reset();
    const EventContext context = rig.api->CreateEventContext();
    EXPECT_EQ(context.headers.at(0).second, "Signature=" + Sha256Hex(test::kSessionTimestamp));
    EXPECT_EQ(context.body.at("1"), "");
    EXPECT_EQ(context.body.at("2"), test::kSessionTimestamp);
    EXPECT_EQ(context.body.at("31"), "");
    EXPECT_EQ(context.body.at("38"), "0");
}

TEST(RequestConfiguration, PostsTheRequestUnsignedToTheConfigurationUrl) {
    RemoteRig rig;
    rig.settings->configurationUrl = "https://service.test/o?ignored=1";
    rig.settings->localeName = "es";
    rig.system.module.filePath = "C:\\Downloads\\PellarClassic_ab1-cd2.exe";
    rig.http.replies = {Reply(200, R"({"l":"ES"})")};

    EXPECT_EQ(rig.api->RequestConfiguration(), json({{"l", "ES"}}));
    const auto sent = rig.http.Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].path, "/o");
    EXPECT_EQ(sent[0].body,
              R"({"a":"Norvik","i":"PellarClassic","l":"es","o":"10.0.19045","plv":"3.1.0.11073",)"
              R"("prv":"0.1","s":"PellarClassic_Quillet","u":"ab1-cd2"})");
    EXPECT_EQ(sent[0].headers,
              (std::vector<std::string>{"Expect: 100-continue", "Content-Type: application/json"}));
}

TEST(RequestConfiguration, RetriesRefusedAnswersThenUsesTheLast) {
    const std::string valid = R"({"l":"US","f":{"m":3}})";
    const struct {
        const char* scenario;
        std::vector<fake::HttpReply> replies;
        std::size_t attempts;
        std::size_t pauses;
    } cases[] = {
        {"503 then 200", {Reply(503, "busy"), Reply(200, valid)}, 2, 1},
        {"three refusals, the last valid", {Reply(500), Reply(502, "{}"), Reply(503, valid)}, 3, 3},
        {"a redirect status is taken", {Reply(302, valid)}, 1, 0},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = c.replies;
        EXPECT_EQ(rig.api->RequestConfiguration(), json::parse(valid)) << c.scenario;
        EXPECT_EQ(rig.http.Sent().size(), c.attempts) << c.scenario;
        EXPECT_EQ(rig.Pauses(), std::vector<std::chrono::milliseconds>(c.pauses, 5000ms))
            << c.scenario;
    }
}

TEST(RequestConfiguration, FailsWithoutAUsableAnswer) {
    const struct {
        const char* scenario;
        std::vector<fake::HttpReply> replies;
        std::size_t attempts;
    } cases[] = {
        {"blank", {Reply(200, " \r\n \r\n")}, 1},
        {"empty", {Reply(200, "")}, 1},
        {"three refusals, the last blank",
         {Reply(503, "{}"), Reply(503, "{}"), Reply(503, "\n")},
         3},
        {"unreachable, not retried", {}, 1},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = c.replies;
        EXPECT_THROW(rig.api->RequestConfiguration(), QuilletException) << c.scenario;
        EXPECT_EQ(rig.http.Sent().size(), c.attempts) << c.scenario;
    }
}

TEST(RequestConfiguration, InvalidJsonIsTheParsersError) {
    for (const char* body : {"{\"l\":", "<html>", "{\"l\":\"US\"} // comment"}) {
        RemoteRig rig;
        rig.http.replies = {Reply(200, body)};
        EXPECT_THROW(rig.api->RequestConfiguration(), json::parse_error) << body;
    }
}

TEST(RequestConfiguration, NoUrlNoRequest) {
    RemoteRig rig;
    rig.settings->configurationUrl.clear();
    rig.http.replies = {Reply(200, "{}")};
    EXPECT_THROW(rig.api->RequestConfiguration(), QuilletException);
    EXPECT_TRUE(rig.http.Sent().empty());
}

TEST(DeliverEvent, TwoAttemptsWithAPauseAfterEachRefusal) {
    const struct {
        std::vector<fake::HttpReply> replies;
        bool delivered;
        std::size_t pauses;
    } cases[] = {
        {{Reply(200)}, true, 0},
        {{Reply(500), Reply(204)}, true, 1},
        {{Reply(500), Reply(500), Reply(200)}, false, 2},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = c.replies;
        EXPECT_EQ(rig.api->DeliverEvent("{}", {{"Authorization", "Signature=x"}}), c.delivered);
        EXPECT_EQ(rig.Pauses(), std::vector<std::chrono::milliseconds>(c.pauses, 5000ms));
        EXPECT_EQ(rig.http.Sent().at(0).path, "/zbd");
        EXPECT_EQ(rig.http.Sent().at(0).headers.at(0), "Authorization: Signature=x");
    }
}

}  // namespace
