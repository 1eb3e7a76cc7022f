#include <array>

#include "download/DownloadFailure.h"
#include "download/DownloadManager.h"
#include "download/ProgressMeter.h"
#include "download/TargetFile.h"

namespace download {

namespace {

constexpr std::size_t kReadBuffer = 4096;

// An opened URL with a 200 answer; the response closes before its session.
struct OpenedUrl {
    std::unique_ptr<UrlSession> session;
    std::unique_ptr<UrlResponse> response;
};

OpenedUrl OpenUrl(UrlStack& stack, const std::string& url) {
    OpenedUrl opened;
    opened.session = stack.Open("", kOpenPreconfig);
    if (!opened.session) FailWith("Failed to initialize WinINet:: ", stack.LastError());
    opened.response = opened.session->OpenUrl(url, kOpenUrlReload);
    if (!opened.response) FailWith("Failed to open URL:: ", stack.LastError());
    const auto status = opened.response->StatusCode();
    if (!status) FailWith("Failed to query HTTP status code: ", stack.LastError());
    if (*status != 200) {
        Fail("Server returned status code: HTTP " + std::to_string(*status) + " - " +
             stack.LastError().message);
    }
    return opened;
}

}  // namespace

DownloadResult DownloadManager::WinInetToFile(const std::string& url, ProgressSink& progress,
                                              const std::string& path) {
    TargetFile target(services_.files, path);
    const auto failure = FailureOf([&] {
        const OpenedUrl opened = OpenUrl(services_.fallback, url);
        ProgressMeter meter(progress, opened.response->ContentLength());
        target.RequireOpen();
        // Reading stops at the end of the body or at the first failed read;
        // the size check tells the two apart when the length is known.
        std::array<std::uint8_t, kReadBuffer> buffer;
        while (const std::size_t read = opened.response->Read(buffer)) {
            target.Write(std::span(buffer).first(read));
            meter.Received(read);
        }
        target.Complete(meter.Length(), ReopenFailure::WithSystemError);
        lastFile = path;
        meter.Finished();
    });
    if (!failure) return {true, ""};
    return {false, " [WININET] " + *failure};
}

}  // namespace download
