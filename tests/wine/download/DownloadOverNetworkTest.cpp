// The download engines over real WinHTTP and WinINet, against the servers
// of with-servers.sh on 127.0.0.1, with its test CA trusted (the
// wine-downloads test).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "TestSupport.h"
#include "app/DeleteFolderTree.h"
#include "app/WindowMessages.h"
#include "download/DownloadManager.h"
#include "download/WineTestFolder.h"
#include "download/fake/RecordingProgress.h"
#include "download/win32/SystemMessage.h"
#include "download/win32/Win32DownloadServices.h"
#include "download/win32/WindowProgress.h"
#include "platform/win32/Win32FileSystem.h"
#include "settings/ConfigurationManager.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace {

using download::DownloadResult;
using test_support::FileExists;
using test_support::InTempFolder;
using test_support::ReadWholeFile;
using test_support::TestFolder;

const std::string kHttp = "http://127.0.0.1";
const std::string kHttps = "https://127.0.0.1";

// What serve.py sends for /bytes/N.
std::string Pattern(std::size_t size) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + i % 26);
    return text;
}

// Records the message boxes instead of showing them.
class RecordingBoxes : public platform::MessageBoxes {
public:
    std::vector<std::string> shown;
    void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
};

class DownloadOverNetwork : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::getenv("QUILLET_TEST_CA")) << "run by tests/wine/download/with-servers.sh";
        // The record makes a work folder of its own, which is not needed.
        platform::win32::FileSystem files;
        DeleteFolderTree(files, settings->workFolder);
        settings->workFolder = work.Path();
        auto services = download::win32::Win32DownloadServices(boxes);
        services.pause = [](std::chrono::milliseconds) {};
        manager = std::make_shared<download::DownloadManager>(std::move(services), settings);
    }

    DownloadResult Download(const std::string& url, const std::string& fileName = "") {
        return manager->DownloadFile(url, progress, fileName, true);
    }
    std::string Downloaded(const std::string& name) { return ReadWholeFile(work / name); }

    TestFolder work{InTempFolder("Quillet download")};
    RecordingBoxes boxes;
    std::shared_ptr<ConfigurationManager> settings =
        std::make_shared<ConfigurationManager>("ISV", platform::CurrentSystem());
    std::shared_ptr<download::DownloadManager> manager;
    fake::RecordingProgress progress;
};

TEST_F(DownloadOverNetwork, EachStackFetchesOverHttpAndHttps) {
    for (const std::string& server : {kHttp, kHttps}) {
        for (const bool primary : {true, false}) {
            SCOPED_TRACE(server + (primary ? " WinHTTP" : " WinINet"));
            const std::string url = server + "/bytes/300000";
            const auto [ok, text] = primary ? manager->DownloadWithWinHttp(url, progress, "", true)
                                            : manager->DownloadWithWinInet(url, progress, "", true);

            EXPECT_TRUE(ok) << text;
            EXPECT_TRUE(Downloaded("300000") == Pattern(300000));
            EXPECT_EQ(manager->lastFile, work / "300000");
            ASSERT_FALSE(progress.percents.empty());
            EXPECT_EQ(progress.percents.back(), 100u);
        }
    }
}

TEST_F(DownloadOverNetwork, PrimaryStackFollowsFiveRedirectsAcrossSchemesAndRefusesTheSixth) {
    for (const std::string& server : {kHttp, kHttps}) {
        SCOPED_TRACE(server);
        const auto five =
            manager->DownloadWithWinHttp(server + "/chain/5/bytes/1000", progress, "five", true);
        const auto six =
            manager->DownloadWithWinHttp(server + "/chain/6/bytes/1000", progress, "six", true);

        EXPECT_TRUE(five.first) << five.second;
        EXPECT_EQ(Downloaded("five"), Pattern(1000));
        EXPECT_EQ(six, (DownloadResult{false, "[WINHTTP] Too many redirects."}));
    }
}

TEST_F(DownloadOverNetwork, SixRedirectsAreLeftToTheFallbackStack) {
    const auto [ok, text] = Download(kHttp + "/chain/6/bytes/1000");

    EXPECT_TRUE(ok) << text;
    EXPECT_EQ(text, "[WINHTTP] Too many redirects.");
    EXPECT_EQ(Downloaded("1000"), Pattern(1000));
}

TEST_F(DownloadOverNetwork, LocationLongerThanAPathIsFollowedWhole) {
    const auto [ok, text] =
        manager->DownloadWithWinHttp(kHttps + "/long-redirect/2000/bytes/1000", progress, "", true);

    EXPECT_TRUE(ok) << text;
    EXPECT_EQ(Downloaded("1000"), Pattern(1000));
}

TEST_F(DownloadOverNetwork, RelativeLocationFailsToSplitAndTheFallbackFollowsIt) {
    const auto [ok, text] = Download(kHttp + "/relative-redirect/bytes/1000");

    EXPECT_TRUE(ok);
    EXPECT_EQ(text.rfind("[WINHTTP] Failed to split URL: ", 0), 0u) << text;
    EXPECT_EQ(Downloaded("1000"), Pattern(1000));
}

TEST_F(DownloadOverNetwork, ChunkedBodyWithoutLengthIsKeptWhole) {
    for (const std::string& server : {kHttp, kHttps}) {
        SCOPED_TRACE(server);
        fake::RecordingProgress chunked;

        const auto [ok, text] = manager->DownloadFile(server + "/chunked/55555", chunked, "", true);

        EXPECT_TRUE(ok) << text;
        EXPECT_EQ(chunked.lengthUnknown, 1);
        EXPECT_TRUE(chunked.percents.empty());
        EXPECT_TRUE(Downloaded("55555") == Pattern(55555));
    }
}

TEST_F(DownloadOverNetwork, NotFoundOnBothStacksLeavesNoFile) {
    const auto [ok, text] = Download(kHttps + "/status/404");

    EXPECT_FALSE(ok);
    const std::string expected =
        "[WINHTTP] Download failed: Server returned status code: 404 [WININET] Server returned "
        "status code: HTTP 404 - ";
    EXPECT_EQ(text.substr(0, expected.size()), expected) << text;
    EXPECT_FALSE(FileExists(work / "404"));
}

TEST_F(DownloadOverNetwork, DroppedConnectionFailsBothStacksAndLeavesNoFile) {
    for (const std::string& server : {kHttp, kHttps}) {
        SCOPED_TRACE(server);
        const auto [ok, text] = Download(server + "/drop/200000");

        EXPECT_FALSE(ok);
        EXPECT_EQ(text.rfind("[WINHTTP] ", 0), 0u) << text;
        EXPECT_NE(text.find(" [WININET] Download was incomplete: content length: 200000, "
                            "downloaded: 100000"),
                  std::string::npos)
            << text;
        EXPECT_FALSE(FileExists(work / "200000"));
    }
}

TEST_F(DownloadOverNetwork, MissingWorkFolderSaysInvalidPathForEachStack) {
    settings->workFolder = work / "gone";

    const auto [ok, text] = Download(kHttp + "/bytes/100");

    EXPECT_FALSE(ok);
    const std::string noFile =
        "Failed to open file for writing: 3 - " + download::win32::SystemMessage(3);
    EXPECT_EQ(text, "[WINHTTP] " + noFile + " [WININET] " + noFile);
    EXPECT_EQ(boxes.shown, (std::vector<std::string>{"Invalid path", "Invalid path"}));
}

TEST_F(DownloadOverNetwork, CancellingThePrimaryTransferLeavesTheFileToTheFallback) {
    progress.onProgress = [&](unsigned) { manager->cancelled = true; };

    const auto [ok, text] = Download(kHttps + "/bytes/3000000");

    EXPECT_TRUE(ok);
    EXPECT_EQ(text, "[WINHTTP] Download cancelled.");
    EXPECT_TRUE(Downloaded("3000000") == Pattern(3000000));
}

// A window of the test's thread that keeps what the download posts to it.
std::vector<MSG> PostedDownloadMessages(HWND window) {
    std::vector<MSG> messages;
    MSG message;
    while (::PeekMessageW(&message, window, WM_DOWNLOAD_PROGRESS, WM_DOWNLOAD_LENGTH_UNKNOWN,
                          PM_REMOVE)) {
        messages.push_back(message);
    }
    return messages;
}

TEST_F(DownloadOverNetwork, ProgressIsPostedToTheWindow) {
    const win::UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                     nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    const auto sink = std::make_shared<download::win32::WindowProgress>(window.Get());

    const auto known = manager->DownloadFileAsync(kHttp + "/bytes/1048576", sink, "", true).get();
    const auto posted = PostedDownloadMessages(window.Get());
    const auto unknown = manager->DownloadFileAsync(kHttp + "/chunked/1000", sink, "", true).get();
    const auto lengthUnknown = PostedDownloadMessages(window.Get());

    EXPECT_TRUE(known.first) << known.second;
    ASSERT_GE(posted.size(), 2u);
    EXPECT_LE(posted.size(), 102u);
    for (std::size_t i = 0; i < posted.size(); ++i) {
        EXPECT_EQ(posted[i].message, WM_DOWNLOAD_PROGRESS);
        EXPECT_EQ(posted[i].lParam, 0);
        if (i > 0 && i + 1 < posted.size()) {
            EXPECT_GT(posted[i].wParam, posted[i - 1].wParam);
        }
    }
    EXPECT_EQ(posted.back().wParam, 100u);
    EXPECT_TRUE(unknown.first) << unknown.second;
    ASSERT_EQ(lengthUnknown.size(), 1u);
    EXPECT_EQ(lengthUnknown[0].message, WM_DOWNLOAD_LENGTH_UNKNOWN);
}

TEST_F(DownloadOverNetwork, MemoryDownloadsCarryTheSampleAgentAndFileDownloadsNone) {
    const auto agent = manager->GetToMemory(kHttps + "/agent");
    const auto missing = manager->GetToMemory(kHttps + "/status/404");
    const auto [ok, text] = manager->DownloadWithWinHttp(kHttps + "/agent", progress, "", true);

    EXPECT_EQ(std::string(agent.begin(), agent.end()), "A WinHTTP Example Program/1.0");
    EXPECT_TRUE(missing.empty());
    EXPECT_TRUE(ok) << text;
    EXPECT_EQ(Downloaded("agent"), "(none)");
}

}  // namespace
