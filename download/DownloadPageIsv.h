#pragma once

#include <functional>
#include <future>
#include <memory>
#include <string>

#include "app/IPage.h"
#include "app/StaticFromImage.h"
#include "download/DownloadManager.h"
#include "download/InstallSequence.h"
#include "download/LaunchResult.h"

// The installer's working page: downloads the product and every accepted
// offer, runs the product's installer and waits for it, starts the offers'
// installers, and ends on the finish page or, when the product failed, on
// the error page. Progress shows as a bar, then as a marquee.
class DownloadPageIsv : public IPage, private InstallSteps {
public:
    explicit DownloadPageIsv(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override;
    std::string GetPageName() const override { return "DownloadPageISV"; }

    // Set by the host: the installers are about to run / have been run.
    std::function<void()> InstallStartedCallback;
    std::function<void()> InstallFinishedCallback;

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // InstallSteps
    bool ExitRequested() override;
    void StartDownload(const std::string& url) override;
    std::string PrepareInstaller(const std::string& path) override;
    void StartLaunch(const std::string& path, const std::string& arguments, bool wait) override;
    void ReportOutcome(const std::shared_ptr<Package>& package, int eventCode,
                       const std::optional<std::string>& failure) override;
    void SetDownloadedFilePath(const std::string& path) override;
    void InstallStarted() override;
    void InstallFinished() override;
    void Succeeded() override;
    void Failed() override;

    void ShowMarquee(bool on);

    InstallSequence sequence_;
    win::ProgressBar progress_;
    bool marqueeOn_ = false;
    std::shared_ptr<download::DownloadManager> downloads_;
    std::future<download::DownloadResult> downloadTask_;
    std::future<download::LaunchResult> launchTask_;
    CStaticFromImage image_;
};
