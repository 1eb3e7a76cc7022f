#include <gtest/gtest.h>

#include "tests/native/download/DownloadRig.h"

namespace {

using download::SystemError;
using fake::Body;
using fake::BodyOf;
using fake::HttpStep;
using fake::Redirect;
using fake::Status;
using test::DownloadRig;

const std::string kUrl = "https://dl.example/files/setup.exe";
const SystemError kNoConnection{12029, "A connection with the server could not be established"};
const std::string kNoFolder =
    "Failed to open file for writing: 3 - The system cannot find the "
    "path specified.";

// A chain of `redirects` hops that alternate between http and https and end
// at kUrl.
std::string ServeRedirectChain(DownloadRig& rig, int redirects) {
    std::string next = kUrl;
    for (int hop = redirects; hop > 0; --hop) {
        const std::string url =
            std::string(hop % 2 ? "http" : "https") + "://dl.example/hop" + std::to_string(hop);
        rig.Serve(url, Redirect(next));
        next = url;
    }
    return next;
}

TEST(DownloadFile, FollowsFiveRedirectsWithASessionEachAndFailsTheSixthOverToTheFallback) {
    for (const int redirects : {5, 6}) {
        SCOPED_TRACE(redirects);
        DownloadRig rig;
        const auto body = Body(3000);
        rig.Serve(kUrl, body);
        const std::string start = ServeRedirectChain(rig, redirects);

        const auto [ok, text] = rig.Download(start);

        EXPECT_TRUE(ok);
        // Named after the URL asked for, not the one redirected to.
        EXPECT_EQ(rig.files.files.at(rig.InWorkFolder("hop1")), BodyOf(body));
        // The sixth answer is a redirect too many.
        const auto requests = rig.http.Requests();
        ASSERT_EQ(requests.size(), 6u);
        EXPECT_EQ(rig.http.SessionsOpened(), 6);
        for (const auto& request : requests) {
            const bool secure = request.url.starts_with("https:");
            EXPECT_EQ(request.flags, secure ? download::kRequestSecure : 0u) << request.url;
        }
        if (redirects == 5) {
            EXPECT_EQ(requests.back().url, kUrl);
            EXPECT_TRUE(rig.urls.requests.empty());
            EXPECT_TRUE(rig.pauses.empty());
        } else {
            EXPECT_EQ(text, "[WINHTTP] Too many redirects.");
            ASSERT_EQ(rig.urls.requests.size(), 1u);
            EXPECT_EQ(rig.urls.requests[0].url, start);
            EXPECT_EQ(rig.pauses, std::vector{download::DownloadManager::kPauseBeforeFallback});
        }
    }
}

TEST(DownloadFile, WithoutContentLengthReportsLengthUnknownAndKeepsWhatArrived) {
    DownloadRig rig;
    auto chunked = Body(5000, 700);
    chunked.contentLength.reset();
    rig.Serve(kUrl, chunked);

    const auto [ok, text] = rig.Download(kUrl);

    EXPECT_TRUE(ok) << text;
    EXPECT_EQ(rig.progress.lengthUnknown, 1);
    EXPECT_TRUE(rig.progress.percents.empty());
    EXPECT_EQ(rig.files.files.at(rig.InWorkFolder("setup.exe")), BodyOf(chunked));
    EXPECT_EQ(rig.manager->lastFile, rig.InWorkFolder("setup.exe"));
}

TEST(DownloadFile, ShortBodyFailsTheSizeCheckOnEachStack) {
    auto shortBody = Body(900);
    shortBody.contentLength = 1000;
    struct Case {
        fake::HttpAnswer fallbackAnswer;
        bool ok;
        std::string text;
    };
    const std::string primaryText =
        "[WINHTTP] Download was incomplete: content length: 1000, downloaded: 900";
    const Case cases[] = {
        {Body(1000), true, primaryText},
        {shortBody, false,
         primaryText + " [WININET] Download was incomplete: content length: 1000, downloaded: 900"},
    };
    for (const auto& c : cases) {
        DownloadRig rig;
        rig.http.answers[kUrl] = shortBody;
        rig.urls.answers[kUrl] = c.fallbackAnswer;

        const auto [ok, text] = rig.Download(kUrl);

        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(rig.pauses.size(), 1u);
        const std::string target = rig.InWorkFolder("setup.exe");
        if (c.ok) {
            EXPECT_EQ(rig.files.files.at(target), BodyOf(c.fallbackAnswer));
            EXPECT_EQ(rig.manager->lastFile, target);
        } else {
            EXPECT_FALSE(rig.files.files.count(target));
            EXPECT_EQ(rig.manager->lastFile, "");
        }
    }
}

TEST(DownloadFile, NotFoundOnBothStacksGivesBothTextsAndLeavesNoFile) {
    DownloadRig rig;
    rig.Serve(kUrl, Status(404));

    const auto [ok, text] = rig.Download(kUrl);

    EXPECT_FALSE(ok);
    EXPECT_EQ(text,
              "[WINHTTP] Download failed: Server returned status code: 404 [WININET] Server "
              "returned status code: HTTP 404 - The operation completed successfully.");
    EXPECT_TRUE(rig.files.files.empty());
}

TEST(DownloadFile, PrimaryStackAcceptsEvery2xxStatusAndTheFallbackOnly200) {
    const struct {
        std::uint32_t status;
        bool primaryAccepts;
    } cases[] = {{200, true}, {204, true}, {299, true}, {199, false}, {500, false}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        DownloadRig rig;
        rig.Serve(kUrl, Status(c.status));

        const auto primary = rig.manager->DownloadWithWinHttp(kUrl, rig.progress, "", true);
        const auto fallback = rig.manager->DownloadWithWinInet(kUrl, rig.progress, "", true);

        EXPECT_EQ(primary.first, c.primaryAccepts) << primary.second;
        if (!c.primaryAccepts) {
            EXPECT_EQ(primary.second, "[WINHTTP] Download failed: Server returned status code: " +
                                          std::to_string(c.status));
        }
        EXPECT_EQ(fallback.first, c.status == 200) << fallback.second;
    }
}

TEST(DownloadFile, CancellingStopsThePrimaryTransferButNotTheFallback) {
    DownloadRig rig;
    auto body = Body(10 * 1000, 1000);
    rig.urls.answers[kUrl] = body;
    body.beforeChunk = [&](std::size_t chunk) {
        if (chunk == 3) rig.manager->cancelled = true;
    };
    rig.http.answers[kUrl] = body;

    const auto [ok, text] = rig.Download(kUrl);

    EXPECT_TRUE(ok);
    EXPECT_EQ(text, "[WINHTTP] Download cancelled.");
    EXPECT_EQ(rig.files.files.at(rig.InWorkFolder("setup.exe")), BodyOf(body));
    EXPECT_EQ(rig.manager->lastFile, rig.InWorkFolder("setup.exe"));
}

TEST(DownloadFile, ProgressOfOneMegabyteRisesByAtLeastOnePercentAndEndsAt100) {
    constexpr std::size_t kMegabyte = 1 << 20;
    for (const bool fallback : {false, true}) {
        for (const std::size_t chunk : {std::size_t{1000}, std::size_t{4096}, kMegabyte}) {
            SCOPED_TRACE(testing::Message() << "fallback " << fallback << ", chunk " << chunk);
            DownloadRig rig;
            rig.Serve(kUrl, Body(kMegabyte, chunk));
            if (fallback) rig.http.failures[HttpStep::Connect] = {kNoConnection};

            ASSERT_TRUE(rig.Download(kUrl).first);

            const auto& percents = rig.progress.percents;
            ASSERT_GE(percents.size(), 2u);
            EXPECT_LE(percents.size(), 102u);
            for (std::size_t i = 1; i + 1 < percents.size(); ++i) {
                EXPECT_GE(percents[i], percents[i - 1] + 1) << i;
            }
            EXPECT_EQ(percents.back(), 100u);
            EXPECT_LE(percents[percents.size() - 2], 100u);
            EXPECT_EQ(rig.progress.lengthUnknown, 0);
        }
    }
}

TEST(DownloadFile, EachFailingCallOfThePrimaryStackIsNamedAndTheFallbackTakesOver) {
    const struct {
        HttpStep step;
        std::string what;
    } cases[] = {
        {HttpStep::OpenSession, "Failed to open HTTP session: "},
        {HttpStep::SetProtocols, "Failed to set secure protocols: "},
        {HttpStep::CrackUrl, "Failed to split URL: "},
        {HttpStep::Connect, "Failed to connect: "},
        {HttpStep::OpenRequest, "Failed to open request: "},
        {HttpStep::Send, "Failed to send request: "},
        {HttpStep::Receive, "Failed to receive response: "},
        {HttpStep::QueryData, "Failed to query data: "},
        {HttpStep::Read, "Failed to read data: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DownloadRig rig;
        rig.Serve(kUrl, Body(2000));
        rig.http.failures[c.step] = {kNoConnection};

        const auto [ok, text] = rig.Download(kUrl);

        EXPECT_TRUE(ok);
        EXPECT_EQ(text, "[WINHTTP] " + c.what +
                            "12029 - A connection with the server could not be established");
        EXPECT_EQ(rig.files.files.at(rig.InWorkFolder("setup.exe")).size(), 2000u);
    }
}

TEST(DownloadFile, EachFailingCallOfTheFallbackStackIsNamed) {
    const struct {
        fake::UrlStep step;
        std::string what;
    } cases[] = {
        {fake::UrlStep::Open, "Failed to initialize WinINet:: "},
        {fake::UrlStep::OpenUrl, "Failed to open URL:: "},
        {fake::UrlStep::QueryStatus, "Failed to query HTTP status code: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DownloadRig rig;
        rig.Serve(kUrl, Body(2000));
        rig.http.failures[HttpStep::Connect] = {kNoConnection};
        rig.urls.failures[c.step] = {{12007, "The server name could not be resolved"}};

        const auto [ok, text] = rig.Download(kUrl);

        EXPECT_FALSE(ok);
        EXPECT_EQ(text,
                  "[WINHTTP] Failed to connect: 12029 - A connection with the server could not be "
                  "established [WININET] " +
                      c.what + "12007 - The server name could not be resolved");
        EXPECT_TRUE(rig.files.files.empty());
    }
}

TEST(DownloadFile, AnswersThePrimaryStackCannotFollowGoToTheFallback) {
    auto withoutLocation = Status(302);
    const struct {
        fake::HttpAnswer answer;
        std::string text;
    } cases[] = {
        {Redirect("/files/setup.exe"),
         "[WINHTTP] Failed to split URL: 12006 - The URL does not use a recognized protocol"},
        {Redirect("ftp://dl.example/setup.exe"),
         "[WINHTTP] Failed to split URL: 12006 - The URL does not use a recognized protocol"},
        {withoutLocation,
         "[WINHTTP] Failed to read redirect location: 12150 - The header could not be found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        DownloadRig rig;
        rig.http.answers[kUrl] = c.answer;
        rig.urls.answers[kUrl] = Body(100);

        const auto [ok, text] = rig.Download(kUrl);

        EXPECT_TRUE(ok);
        EXPECT_EQ(text, c.text);
    }
}

TEST(DownloadFile, MissingWorkFolderShowsInvalidPathOncePerStack) {
    DownloadRig rig;
    rig.files.folders.erase(rig.settings->workFolder);
    rig.Serve(kUrl, Body(100));

    const auto [ok, text] = rig.Download(kUrl);

    EXPECT_FALSE(ok);
    EXPECT_EQ(text, "[WINHTTP] " + kNoFolder + " [WININET] " + kNoFolder);
    EXPECT_EQ(rig.system.messageBoxes.shown,
              (std::vector<std::string>{"Invalid path", "Invalid path"}));
    EXPECT_TRUE(rig.files.files.empty());
}

TEST(DownloadFile, NamesThatWouldLeaveTheWorkFolderFailAsTheOutputFile) {
    const struct {
        std::string url;
        std::string fileName;
    } cases[] = {
        {"https://dl.example/a/..\\..\\evil.exe", ""},
        {"https://dl.example/a/..", ""},
        {kUrl, "..\\evil.exe"},
        {kUrl, "..\\..\\..\\..\\..\\evil.exe"},
        {kUrl, "C:\\evil.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url + " " + c.fileName);
        DownloadRig rig;
        rig.Serve(c.url, Body(100));

        const auto [ok, text] = rig.Download(c.url, c.fileName);

        EXPECT_FALSE(ok);
        EXPECT_EQ(text, "[WINHTTP] " + kNoFolder + " [WININET] " + kNoFolder);
        EXPECT_TRUE(rig.files.files.empty());
        EXPECT_TRUE(rig.system.messageBoxes.shown.empty());
    }
}

TEST(DownloadFile, WriteThatFallsShortFailsEvenWithoutALength) {
    DownloadRig rig;
    auto chunked = Body(1000, 300);
    chunked.contentLength.reset();
    rig.Serve(kUrl, chunked);
    rig.files.spaceLeft = 500;

    const auto [ok, text] = rig.Download(kUrl);

    EXPECT_FALSE(ok);
    const std::string diskFull =
        "Failed to write to file: 112 - There is not enough space on the disk.";
    EXPECT_EQ(text, "[WINHTTP] " + diskFull + " [WININET] " + diskFull);
    EXPECT_TRUE(rig.files.files.empty());
}

TEST(DownloadFile, WrittenFileThatCannotBeReopenedFails) {
    DownloadRig rig;
    rig.Serve(kUrl, Body(100));
    rig.files.unreadable = {rig.InWorkFolder("setup.exe")};

    const auto [ok, text] = rig.Download(kUrl);

    EXPECT_FALSE(ok);
    EXPECT_EQ(text,
              "[WINHTTP] Failed to open downloaded file. [WININET] Failed to open downloaded "
              "file: 2 - The system cannot find the file specified.");
}

TEST(DownloadFile, EnginesUseTheirOwnAgentsProxiesAndFlags) {
    const struct {
        download::WindowsRelease release;
        std::uint32_t accessType;
        std::uint32_t protocols;
    } cases[] = {
        {{false, false}, download::kAccessDefaultProxy, 0xA0},  // Windows 7 before SP1
        {{true, false}, download::kAccessDefaultProxy, 0xAA0},  // Windows 7 SP1, Windows 8
        {{true, true}, download::kAccessAutomaticProxy, 0xAA0},
    };
    for (const auto& c : cases) {
        DownloadRig rig(c.release);
        rig.Serve(kUrl, Body(10));
        rig.http.failures[HttpStep::Read] = {kNoConnection};

        rig.Download(kUrl);
        rig.manager->GetToMemory(kUrl);

        const auto requests = rig.http.Requests();
        ASSERT_EQ(requests.size(), 3u);  // the file, then two attempts into memory
        EXPECT_EQ(requests[0].agent, std::nullopt);
        EXPECT_EQ(requests[0].accessType, c.accessType);
        EXPECT_EQ(requests[0].protocols, c.protocols);
        EXPECT_EQ(requests[0].flags, 0x800000u);
        for (const auto& memory : {requests[1], requests[2]}) {
            EXPECT_EQ(memory.agent, "A WinHTTP Example Program/1.0");
            EXPECT_EQ(memory.accessType, download::kAccessDefaultProxy);
            EXPECT_EQ(memory.protocols, c.protocols);
            EXPECT_EQ(memory.flags, 0x800100u);
        }
        ASSERT_EQ(rig.urls.requests.size(), 1u);
        EXPECT_EQ(rig.urls.requests[0].agent, "");
        EXPECT_EQ(rig.urls.requests[0].accessType, 0u);
        EXPECT_EQ(rig.urls.requests[0].flags, 0x80000000u);
    }
}

TEST(DownloadFile, RunsAsATaskWhoseFutureCarriesTheResult) {
    DownloadRig rig;
    rig.Serve(kUrl, Body(5000));
    auto progress = std::make_shared<fake::RecordingProgress>();

    auto task = rig.manager->DownloadFileAsync(kUrl, progress, "named.bin", true);
    const auto [ok, text] = task.get();

    EXPECT_TRUE(ok) << text;
    EXPECT_EQ(rig.manager->lastFile, rig.InWorkFolder("named.bin"));
    EXPECT_EQ(progress->percents.back(), 100u);
}

}  // namespace
