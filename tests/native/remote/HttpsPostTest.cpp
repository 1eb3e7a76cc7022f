#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/remote/RemoteRig.h"
#include "remote/HttpsPost.h"
#include "remote/QuilletException.h"

namespace {

using fake::HttpStep;
using platform::kHttpAccessAutomaticProxy;
using platform::kHttpAccessDefaultProxy;
using test::RemoteRig;
using test::Reply;

constexpr std::uint32_t kTls10To12 = 0xA80;
constexpr std::uint32_t kTls10To13 = 0x2A80;
constexpr std::uint32_t kTls12AndEarlier = 0xAA8;  // what systems without TLS 1.3 know

std::optional<PostResponse> Post(RemoteRig& rig, std::string_view body = "{}",
                                 HeaderList headers = {}) {
    return SendHttpsPost(rig.Services(), "service.test", "/o", body, std::move(headers));
}

TEST(SendHttpsPost, ProxyAndProtocolsByWindowsRelease) {
    const struct {
        const char* release;
        fake::OsVersion os;
        std::uint32_t knownProtocols;
        std::uint32_t accessType;
        std::vector<std::uint32_t> offered;
    } cases[] = {
        {"10 with TLS 1.3", fake::Release(10, 0), 0x2AA8, kHttpAccessAutomaticProxy, {kTls10To13}},
        {"10",
         fake::Release(10, 0),
         kTls12AndEarlier,
         kHttpAccessAutomaticProxy,
         {kTls10To13, kTls10To12}},
        {"8.1",
         fake::Release(6, 3),
         kTls12AndEarlier,
         kHttpAccessAutomaticProxy,
         {kTls10To13, kTls10To12}},
        // Before 8.1 WinHTTP has no automatic proxy.
        {"8",
         fake::Release(6, 2),
         kTls12AndEarlier,
         kHttpAccessDefaultProxy,
         {kTls10To13, kTls10To12}},
        {"7 SP1",
         fake::Release(6, 1, 1),
         kTls12AndEarlier,
         kHttpAccessDefaultProxy,
         {kTls10To13, kTls10To12}},
        {"Vista", fake::Release(6, 0, 2), 0xA8, kHttpAccessDefaultProxy, {0x2080, 0x80}},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.os = c.os;
        rig.http.knownProtocols = c.knownProtocols;
        rig.http.replies = {Reply(200, "{}")};
        ASSERT_TRUE(Post(rig)) << c.release;
        const auto sent = rig.http.Sent().at(0);
        EXPECT_EQ(sent.accessType, c.accessType) << c.release;
        EXPECT_EQ(sent.protocolsOffered, c.offered) << c.release;
        for (const auto protocols : sent.protocolsOffered) {
            EXPECT_EQ(protocols & platform::kHttpProtocolSsl3, 0u) << c.release;
        }
    }
}

TEST(SendHttpsPost, SecurePostToPort443WithHeadersInOrderAndBodyUpToNul) {
    RemoteRig rig;
    rig.http.replies = {Reply(200, "ok")};
    const std::string body("{\"a\":\"\xC3\xB1\"}\0tail", 15);
    const auto response = Post(rig, body, {{"Authorization", "Signature=ab"}, {"X-Two", "2"}});

    ASSERT_TRUE(response);
    EXPECT_EQ(response->status, 200u);
    EXPECT_EQ(response->body, "ok");
    const auto sent = rig.http.Sent().at(0);
    EXPECT_EQ(sent.host, "service.test");
    EXPECT_EQ(sent.port, 443);
    EXPECT_EQ(sent.verb, "POST");
    EXPECT_EQ(sent.path, "/o");
    EXPECT_EQ(sent.flags, platform::kHttpFlagSecure);
    EXPECT_EQ(sent.headers,
              (std::vector<std::string>{"Authorization: Signature=ab", "X-Two: 2",
                                        "Expect: 100-continue", "Content-Type: application/json"}));
    EXPECT_EQ(sent.body, "{\"a\":\"\xC3\xB1\"}");
}

TEST(SendHttpsPost, BodyPiecesJoinedInOrderEachCutAtItsNul) {
    const struct {
        std::vector<std::string> chunks;
        std::string body;
    } cases[] = {
        {{"{\"l\":", "\"US\"", "}"}, "{\"l\":\"US\"}"},
        {{"ab", std::string("c\0d", 3), "ef"}, "abcef"},
        {{std::string("\0x", 2), "y"}, "y"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = {{200, c.chunks}};
        EXPECT_EQ(Post(rig).value().body, c.body);
    }
}

TEST(SendHttpsPost, AnyStatusIsAnAnswer) {
    RemoteRig rig;
    rig.http.replies = {Reply(500, "server error")};
    const auto response = Post(rig);
    ASSERT_TRUE(response);
    EXPECT_EQ(response->status, 500u);
    EXPECT_EQ(response->body, "server error");
}

TEST(SendHttpsPost, AnUnreadableStatusIsZero) {
    RemoteRig rig;
    rig.http.replies = {Reply(200, "{}")};
    rig.http.Fail(HttpStep::StatusCode);
    const auto response = Post(rig);
    ASSERT_TRUE(response);
    EXPECT_EQ(response->status, 0u);
    EXPECT_EQ(response->body, "{}");
}

TEST(SendHttpsPost, NoAnswerWhenAStepBeforeTheAnswerFails) {
    const struct {
        HttpStep step;
        int times;
        std::size_t requestsSent;
    } cases[] = {
        {HttpStep::OpenSession, 1, 0}, {HttpStep::SetProtocols, 2, 0}, {HttpStep::Connect, 1, 0},
        {HttpStep::OpenRequest, 1, 0}, {HttpStep::Send, 1, 0},         {HttpStep::Receive, 1, 1},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = {Reply(200, "{}")};
        rig.http.Fail(c.step, c.times);
        EXPECT_FALSE(Post(rig)) << static_cast<int>(c.step);
        EXPECT_EQ(rig.http.Sent().size(), c.requestsSent) << static_cast<int>(c.step);
    }
}

TEST(SendHttpsPost, AFailedHeaderIsReportedAndTheRestSent) {
    RemoteRig rig;
    rig.http.replies = {Reply(200, "{}")};
    rig.http.Fail(HttpStep::AddHeader, 1, 12150);
    ASSERT_TRUE(Post(rig, "{}", {{"Authorization", "Signature=ab"}}));
    EXPECT_EQ(rig.Diagnostics(), std::vector<std::string>{"WinHttpAddRequestHeaders error: 12150"});
    EXPECT_EQ(rig.http.Sent().at(0).headers,
              (std::vector<std::string>{"Expect: 100-continue", "Content-Type: application/json"}));
}

TEST(SendHttpsPost, AFailedReadEndsTheBodyWithADiagnostic) {
    const struct {
        HttpStep step;
        const char* diagnostic;
    } cases[] = {
        {HttpStep::QueryData, "Error 12002 in WinHttpQueryDataAvailable."},
        {HttpStep::Read, "Error 12002 in WinHttpReadData."},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = {{200, {"abc"}}};
        rig.http.Fail(c.step, 1, 12002);
        const auto response = Post(rig);
        ASSERT_TRUE(response);
        EXPECT_EQ(response->status, 200u);
        EXPECT_EQ(response->body, "");
        EXPECT_EQ(rig.Diagnostics(), std::vector<std::string>{c.diagnostic});
    }
}

TEST(PostJson, OnlyHostAndPathOfTheUrlAreUsed) {
    const struct {
        const char* url;
        const char* host;
        const char* path;
    } cases[] = {
        {"https://service.test/o?campaign=7#top", "service.test", "/o"},
        {"http://service.test:8080/zbd", "service.test", "/zbd"},
        {"https://127.0.0.1:8443/f/x?y", "127.0.0.1", "/f/x"},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.http.replies = {Reply(200, "{}")};
        EXPECT_EQ(PostJson(rig.Services(), c.url, "{}", {}).status, 200u);
        const auto sent = rig.http.Sent().at(0);
        EXPECT_EQ(sent.host, c.host) << c.url;
        EXPECT_EQ(sent.port, 443) << c.url;
        EXPECT_EQ(sent.path, c.path) << c.url;
        EXPECT_EQ(sent.flags, platform::kHttpFlagSecure) << c.url;
    }
}

TEST(PostJson, ThrowsWhenNothingCanBeAnswered) {
    const struct {
        const char* why;
        fake::OsVersion os;
        const char* url;
        bool reachable;
    } cases[] = {
        {"Windows 7 without SP1", fake::Release(6, 1, 0), "https://service.test/o", true},
        {"unsplittable URL", fake::Release(10, 0), "service.test/o", true},
        {"transport failure", fake::Release(10, 0), "https://service.test/o", false},
    };
    for (const auto& c : cases) {
        RemoteRig rig;
        rig.os = c.os;
        if (c.reachable) rig.http.replies = {Reply(200, "{}")};
        EXPECT_THROW(PostJson(rig.Services(), c.url, "{}", {}), QuilletException) << c.why;
    }
}

TEST(PostJson, ReleasesAroundWindows7WithoutSp1Pass) {
    for (const auto& os : {fake::Release(6, 0, 2), fake::Release(6, 1, 1), fake::Release(6, 2)}) {
        RemoteRig rig;
        rig.os = os;
        rig.http.replies = {Reply(200, "{}")};
        EXPECT_NO_THROW(PostJson(rig.Services(), "https://service.test/o", "{}", {}));
    }
}

}  // namespace
