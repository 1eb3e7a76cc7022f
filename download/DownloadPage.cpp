#include "download/DownloadPage.h"

#include <chrono>

#include "app/WindowMessages.h"
#include "download/InstallerArguments.h"
#include "download/win32/InstallerLauncher.h"
#include "download/win32/InstallerPreparation.h"
#include "download/win32/WindowProgress.h"
#include "offers/Package.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

namespace {

constexpr UINT_PTR kDownloadTimer = 0x1000;
constexpr UINT_PTR kInstallTimer = 0x1002;
constexpr UINT kPollMs = 100;

template <typename T>
bool IsReady(const std::future<T>& task) {
    return task.valid() && task.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

}  // namespace

DownloadPage::DownloadPage(std::shared_ptr<LanguageManager> manager, UINT templateId,
                           ProductHandling product)
    : IPage(std::move(manager), templateId),
      sequence_(*this, ConfigurationManager::Instance()->reportMainProductOutcome, product),
      downloads_(download::DownloadManager::Instance()) {}

BOOL DownloadPage::OnInitDialog() {
    IPage::OnInitDialog();
    BindTexts({{IDC_PROGRESS_TITLE, "PROGRESS_TITLE"}, {IDC_PROGRESS_DESC, "PROGRESS_DESC"}});
    progress_.Attach(Hwnd(), IDC_DOWNLOAD_PROGRESS);
    image_.Attach(Hwnd(), IDC_PAGE_IMAGE);
    ShowImage(image_);
    return TRUE;
}

void DownloadPage::OnNavigateToPage() {
    const auto settings = ConfigurationManager::Instance();
    std::vector<InstallItem> items;
    if (settings->mainPackage) items.push_back(ProductItem(*settings));
    for (const auto& offer : settings->acceptedOffers) {
        items.push_back({offer, false,
                         ResolvePackageUrl(offer->downloadUrl, settings->fileEndpointUrl),
                         offer->parameters});
    }
    sequence_.Start(std::move(items));
}

bool DownloadPage::ExitRequested() {
    return ConfigurationManager::Instance()->exitRequested;
}

void DownloadPage::StartFileDownload(const std::string& url, const std::string& fileName,
                                     bool useWorkFolder) {
    downloadTask_ = downloads_->DownloadFileAsync(
        url, std::make_shared<download::win32::WindowProgress>(Hwnd()), fileName, useWorkFolder);
    SetTimer(kDownloadTimer, kPollMs);
}

std::string DownloadPage::PrepareInstaller(const std::string& path) {
    const auto kind = download::DetectArchive(path);
    if (kind == download::kNotAnArchive) return path;
    return download::PrepareInstaller(path, kind, ConfigurationManager::Instance()->workFolder);
}

void DownloadPage::StartLaunch(const std::string& path, const std::string& arguments, bool wait) {
    launchTask_ = std::async(std::launch::async, download::LaunchInstaller, path, arguments, wait);
    if (wait) SetTimer(kInstallTimer, kPollMs);
}

void DownloadPage::OnTimer(UINT_PTR timerId) {
    if (timerId == kDownloadTimer && IsReady(downloadTask_)) {
        KillTimer(kDownloadTimer);
        const auto [succeeded, text] = downloadTask_.get();
        sequence_.OnDownloadFinished(succeeded, text, downloads_->lastFile);
    } else if (timerId == kInstallTimer && IsReady(launchTask_)) {
        KillTimer(kInstallTimer);
        const auto [exitCode, text] = launchTask_.get();
        sequence_.OnLaunchFinished(exitCode, text);
    }
}

void DownloadPage::ReportOutcome(const std::shared_ptr<Package>& package, int eventCode,
                                 const std::optional<std::string>& failure) {
    if (failure) {
        package->SendEvent(eventCode, {{"12", *failure}});
    } else {
        package->SendEvent(eventCode);
    }
}

void DownloadPage::SetDownloadedFilePath(const std::string& path) {
    ConfigurationManager::Instance()->SetDownloadedFilePath(path);
}

void DownloadPage::Succeeded() {
    PressButton(ButtonType::Next);
}

void DownloadPage::Failed() {
    const auto [title, text] = ErrorKeys();
    ReportError(Utf8ToWide(languageManager->Translate(title)),
                Utf8ToWide(languageManager->Translate(text)));
}

void DownloadPage::ShowMarquee(bool on) {
    progress_.ShowMarquee(on);
    marqueeOn_ = on;
}

std::optional<LRESULT> DownloadPage::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_DOWNLOAD_PROGRESS) {
        if (marqueeOn_) ShowMarquee(false);
        progress_.SetPosition(static_cast<int>(wParam));
        return 0;
    }
    if (message == WM_DOWNLOAD_LENGTH_UNKNOWN) {
        ShowMarquee(true);
        return 0;
    }
    return std::nullopt;
}
