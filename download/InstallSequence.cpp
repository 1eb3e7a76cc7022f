#include "download/InstallSequence.h"

namespace {

constexpr int kCompleted = 3;
constexpr int kFailed = -1;

}  // namespace

void InstallSequence::Start(std::vector<InstallItem> items) {
    downloadQueue_.assign(std::make_move_iterator(items.begin()),
                          std::make_move_iterator(items.end()));
    StartNextDownload();
}

void InstallSequence::StartNextDownload() {
    // Closing the wizard lets the transfer in progress end and starts no more.
    if (steps_.ExitRequested() || downloadQueue_.empty()) return;
    steps_.StartDownload(downloadQueue_.front());
}

void InstallSequence::OnDownloadFinished(bool succeeded, const std::string& text,
                                         const std::string& file) {
    if (downloadQueue_.empty()) return;
    InstallItem item = std::move(downloadQueue_.front());
    downloadQueue_.pop_front();
    if (succeeded && item.isMain && product_ == ProductHandling::KeepFile) {
        steps_.SetDownloadedFilePath(file);
        steps_.ReportOutcome(item.package, kCompleted, std::nullopt);
    } else if (succeeded) {
        if (item.isMain) steps_.SetDownloadedFilePath(file);
        installQueue_.emplace_back(std::move(item), file);
    } else {
        ReportFailure(item, "DOWNLOAD FAILED: " + text);
    }

    if (!downloadQueue_.empty()) {
        StartNextDownload();
        return;
    }
    if (product_ == ProductHandling::Install) steps_.InstallStarted();
    StartNextInstall();
}

void InstallSequence::StartNextInstall() {
    while (!installQueue_.empty()) {
        auto& [item, downloaded] = installQueue_.front();
        const std::string path = steps_.PrepareInstaller(downloaded);
        steps_.StartLaunch(path, item.arguments, item.isMain);
        if (item.isMain) {
            mainInstallerPath_ = path;
            return;  // OnLaunchFinished goes on
        }
        // An offer's installer is not waited for.
        steps_.ReportOutcome(item.package, kCompleted, std::nullopt);
        installQueue_.pop_front();
        if (installQueue_.empty() && product_ == ProductHandling::Install) {
            steps_.InstallFinished();
        }
    }
    Finish();
}

void InstallSequence::OnLaunchFinished(std::uint32_t exitCode, const std::string& text) {
    if (installQueue_.empty()) return;
    const InstallItem item = std::move(installQueue_.front().first);
    installQueue_.pop_front();
    steps_.InstallFinished();
    if (exitCode != 0) {
        ReportFailure(item, "EXEC FAILED: " + text);
    } else {
        steps_.SetDownloadedFilePath(mainInstallerPath_);
        steps_.ReportOutcome(item.package, kCompleted, std::nullopt);
    }
    StartNextInstall();
}

void InstallSequence::ReportFailure(const InstallItem& item, const std::string& reason) {
    const bool asCompleted = item.isMain && reportMainProductOutcome_;
    steps_.ReportOutcome(item.package, asCompleted ? kCompleted : kFailed, reason);
    if (item.isMain) failed_ = true;
}

void InstallSequence::Finish() {
    if (failed_) {
        steps_.Failed();
    } else {
        steps_.Succeeded();
    }
}
