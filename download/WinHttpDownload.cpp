#include "download/DownloadFailure.h"
#include "download/DownloadManager.h"
#include "download/HttpExchange.h"
#include "download/ProgressMeter.h"
#include "download/TargetFile.h"

namespace download {

DownloadResult DownloadManager::WinHttpToFile(const std::string& url, ProgressSink& progress,
                                              const std::string& path) {
    TargetFile target(services_.files, path);
    const auto failure = FailureOf([&] {
        HttpExchange exchange =
            HttpExchange::Open(services_.http, url, FileDownloadProfile(services_.release));
        ProgressMeter meter(progress, exchange.ContentLength());
        target.RequireOpen();
        exchange.ReadBody(cancelled, [&](std::span<const std::uint8_t> bytes) {
            target.Write(bytes);
            meter.Received(bytes.size());
        });
        target.Complete(meter.Length(), ReopenFailure::Plain);
        lastFile = path;
        meter.Finished();
    });
    if (!failure) return {true, ""};
    return {false, "[WINHTTP] " + *failure};
}

}  // namespace download
