#include "remote/LoadingPage.h"

#include <mutex>

#include "app/WindowMessages.h"
#include "download/DownloadManager.h"
#include "offers/Package.h"
#include "platform/win32/Win32Md5.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32MachineProbe.h"
#include "remote/ApiManager.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Image.h"
#include "win/Text.h"

// Counts the image downloads still running; the last one to end hands the
// offers over. Shared with the download threads, which may outlive the page.
struct LoadingPage::ImageCountDown {
    std::mutex imageMutex;
    int pendingImages = 0;
    Offers offers;
    std::function<void(Offers)> callback;

    void CountDown() {
        std::lock_guard lock(imageMutex);
        if (--pendingImages == 0 && callback) callback(offers);
    }
};

namespace {

LoadedOffers RunLoadingTask(HWND page) {
    static platform::win32::OsVersion os;
    static platform::win32::Md5 md5;
    static platform::win32::MachineProbe probe;
    const auto settings = ConfigurationManager::Instance();
    auto& system = platform::CurrentSystem();
    try {
        const OfferEnvironment environment{*settings, os.TrueVersion(), system.clock};
        LoadedOffers loaded = LoadOffers(*ApiManager::Instance(), *settings, environment,
                                         {*settings, system, os, md5, probe});
        ::PostMessageW(page, WM_REQUEST_COMPLETE, 0, 0);
        return loaded;
    } catch (const std::exception&) {
        // The page learns of the failure when it takes the result.
        ::PostMessageW(page, WM_REQUEST_COMPLETE, 0, 0);
        throw;
    }
}

}  // namespace

LoadingPage::LoadingPage(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_LOADING_PAGE) {}

BOOL LoadingPage::OnInitDialog() {
    IPage::OnInitDialog();
    progress_.Attach(Hwnd(), IDC_LOADING_PROGRESS);
    UpdateTexts();
    return TRUE;
}

void LoadingPage::OnNavigateToPage() {
    progress_.ShowMarquee(true);
    loadResult_ = std::async(std::launch::async, RunLoadingTask, Hwnd());
}

std::optional<LRESULT> LoadingPage::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message != WM_REQUEST_COMPLETE) return std::nullopt;
    OnRequestComplete();
    return 0;
}

void LoadingPage::OnRequestComplete() {
    if (!loadResult_.valid()) return;
    const bool downloadManager = ConfigurationManager::Instance()->wizardType == WizardType::DLM;
    LoadedOffers loaded;
    try {
        loaded = loadResult_.get();
    } catch (const std::exception&) {
        // Without its configuration the installer still installs the
        // product, only without offers.
        if (downloadManager) return ShowConfigurationError();
    }
    if (loaded.configurationFailed) return ShowConfigurationError();
    FetchImages(std::move(loaded.offers));
}

void LoadingPage::ShowConfigurationError() {
    if (ConfigurationManager::Instance()->wizardType != WizardType::DLM) return;
    ReportError(Utf8ToWide(languageManager->Translate("PAGE_CONFIGURATION_ERROR_TITLE")),
                Utf8ToWide(languageManager->Translate("PAGE_CONFIGURATION_ERROR_DESC")));
}

void LoadingPage::FetchImages(Offers offers) {
    const auto settings = ConfigurationManager::Instance();
    auto downloads = download::DownloadManager::Instance();
    auto countDown = std::make_shared<ImageCountDown>();
    countDown->offers = offers;
    countDown->callback = LoadCompleteCallback;
    const bool withLogo = settings->wizardType == WizardType::DLM && !settings->clText.empty();
    {
        // Held until every download has started, so none hands over early.
        std::lock_guard lock(countDown->imageMutex);
        countDown->pendingImages = static_cast<int>(offers.size()) + (withLogo ? 1 : 0) + 1;
    }
    if (withLogo) {
        downloads->DownloadToMemoryAsync(settings->clText, [countDown](download::Bytes bytes) {
            ConfigurationManager::Instance()->headerImage = DecodeImage(bytes);
            countDown->CountDown();
        });
    }
    for (const auto& offer : offers) {
        offer->DownloadImage(*downloads, settings->fileEndpointUrl, DecodeImage,
                             [countDown] { countDown->CountDown(); });
    }
    countDown->CountDown();
}
