#include "download/DownloadPageDlm.h"

#include "res/resource.h"
#include "settings/ConfigurationManager.h"

DownloadPageDlm::DownloadPageDlm(std::shared_ptr<LanguageManager> manager)
    : DownloadPage(std::move(manager), IDD_DOWNLOAD_PAGE_DLM, ProductHandling::KeepFile) {}

// The product's URL is used as configured and its file is not run.
InstallItem DownloadPageDlm::ProductItem(ConfigurationManager& settings) {
    return {settings.mainPackage, true, settings.productDownloadUrl, ""};
}

// The product image of the configuration, when it had one.
void DownloadPageDlm::ShowImage(CStaticFromImage& image) {
    image.SetImage(ConfigurationManager::Instance()->headerImage);
}

std::pair<const char*, const char*> DownloadPageDlm::ErrorKeys() const {
    return {"PAGE_DOWNLOAD_ERROR_TITLE", "PAGE_DOWNLOAD_ERROR_DESC"};
}

// The product into the target (download) folder under its configured name;
// offers into the work folder.
void DownloadPageDlm::StartDownload(const InstallItem& item) {
    if (item.isMain) {
        StartFileDownload(item.url, ConfigurationManager::Instance()->productFileName, false);
    } else {
        StartFileDownload(item.url, "", true);
    }
}
