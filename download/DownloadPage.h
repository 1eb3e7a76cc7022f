#pragma once

#include <future>
#include <memory>
#include <string>

#include "app/IPage.h"
#include "app/StaticFromImage.h"
#include "download/DownloadManager.h"
#include "download/InstallSequence.h"
#include "download/LaunchResult.h"

class ConfigurationManager;

// What the download pages of both flavours share: the run over the product
// and the accepted offers, the background downloads and launches polled by
// timers, the outcome events, and the progress bar fed by the downloads.
class DownloadPage : public IPage, protected InstallSteps {
public:
    void OnNavigateToPage() override;

protected:
    DownloadPage(std::shared_ptr<LanguageManager> manager, UINT templateId,
                 ProductHandling product);

    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The product's entry of the run: where it comes from and its arguments.
    virtual InstallItem ProductItem(ConfigurationManager& settings) = 0;
    // Into control IDC_PAGE_IMAGE.
    virtual void ShowImage(CStaticFromImage& image) = 0;
    // The error page's title and text keys.
    virtual std::pair<const char*, const char*> ErrorKeys() const = 0;

    // InstallSteps
    bool ExitRequested() override;
    std::string PrepareInstaller(const std::string& path) override;
    void StartLaunch(const std::string& path, const std::string& arguments, bool wait) override;
    void ReportOutcome(const std::shared_ptr<Package>& package, int eventCode,
                       const std::optional<std::string>& failure) override;
    void SetDownloadedFilePath(const std::string& path) override;
    void InstallStarted() override {}
    void InstallFinished() override {}
    void Succeeded() override;
    void Failed() override;

    // Downloads url on a task of its own, into the work folder or as
    // fileName into the target folder.
    void StartFileDownload(const std::string& url, const std::string& fileName, bool useWorkFolder);
    void ShowMarquee(bool on);

private:
    InstallSequence sequence_;
    win::ProgressBar progress_;
    bool marqueeOn_ = false;
    std::shared_ptr<download::DownloadManager> downloads_;
    std::future<download::DownloadResult> downloadTask_;
    std::future<download::LaunchResult> launchTask_;
    CStaticFromImage image_;
};
