#include "download/DownloadManager.h"

#include <thread>

#include "download/DownloadFailure.h"
#include "download/HttpExchange.h"
#include "download/TargetPath.h"
#include "settings/ConfigurationManager.h"

namespace download {

DownloadManager::DownloadManager(DownloadServices services,
                                 std::shared_ptr<ConfigurationManager> settings)
    : services_(std::move(services)), settings_(std::move(settings)) {}

DownloadResult DownloadManager::DownloadFile(const std::string& url, ProgressSink& progress,
                                             const std::string& fileName, bool useWorkFolder) {
    DownloadResult result = DownloadWithWinHttp(url, progress, fileName, useWorkFolder);
    if (result.first) return result;
    services_.pause(kPauseBeforeFallback);
    const std::string path = ResolveTargetPath(url, fileName, useWorkFolder);
    auto [ok, text] = WinInetToFile(url, progress, path);
    if (ok) {
        result.first = true;
    } else {
        result.second += text;
        if (!path.empty()) services_.files.Remove(path);
    }
    return result;
}

DownloadResult DownloadManager::DownloadWithWinHttp(const std::string& url, ProgressSink& progress,
                                                    const std::string& fileName,
                                                    bool useWorkFolder) {
    return WinHttpToFile(url, progress, ResolveTargetPath(url, fileName, useWorkFolder));
}

DownloadResult DownloadManager::DownloadWithWinInet(const std::string& url, ProgressSink& progress,
                                                    const std::string& fileName,
                                                    bool useWorkFolder) {
    return WinInetToFile(url, progress, ResolveTargetPath(url, fileName, useWorkFolder));
}

std::future<DownloadResult> DownloadManager::DownloadFileAsync(
    std::string url, std::shared_ptr<ProgressSink> progress, std::string fileName,
    bool useWorkFolder) {
    return std::async(std::launch::async, [self = shared_from_this(), url = std::move(url),
                                           progress = std::move(progress),
                                           fileName = std::move(fileName), useWorkFolder] {
        return self->DownloadFile(url, *progress, fileName, useWorkFolder);
    });
}

Bytes DownloadManager::GetToMemory(const std::string& url) {
    const RequestProfile profile = MemoryDownloadProfile(services_.release);
    for (int attempt = 0; attempt < kMemoryAttempts; ++attempt) {
        Bytes body;
        const auto failure = FailureOf([&] {
            HttpExchange exchange = HttpExchange::Open(services_.http, url, profile);
            exchange.ReadBody(cancelled, [&](std::span<const std::uint8_t> bytes) {
                body.insert(body.end(), bytes.begin(), bytes.end());
            });
        });
        if (!failure) return body;
    }
    return {};
}

void DownloadManager::DownloadToMemoryAsync(std::string url, std::function<void(Bytes)> done) {
    std::thread([self = shared_from_this(), url = std::move(url), done = std::move(done)] {
        Bytes body = self->GetToMemory(url);
        done(self->cancelled ? Bytes{} : std::move(body));
    }).detach();
}

std::string DownloadManager::ResolveTargetPath(const std::string& url, const std::string& fileName,
                                               bool useWorkFolder) {
    const std::string& folder = useWorkFolder ? settings_->workFolder : settings_->targetFolder;
    return download::ResolveTargetPath(services_.files, services_.messageBoxes, folder, url,
                                       fileName);
}

}  // namespace download
