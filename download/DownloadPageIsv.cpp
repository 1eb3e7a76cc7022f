#include "download/DownloadPageIsv.h"

#include "download/InstallerArguments.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"

DownloadPageIsv::DownloadPageIsv(std::shared_ptr<LanguageManager> manager)
    : DownloadPage(std::move(manager), IDD_DOWNLOAD_PAGE_ISV, ProductHandling::Install) {}

InstallItem DownloadPageIsv::ProductItem(ConfigurationManager& settings) {
    return {settings.mainPackage, true,
            ResolvePackageUrl(settings.productDownloadUrl, settings.fileEndpointUrl),
            ProductInstallerArguments(settings)};
}

void DownloadPageIsv::ShowImage(CStaticFromImage& image) {
    image.LoadImageResource(IDB_PRODUCT_LOGO, L"IMAGE_BLOB");
}

std::pair<const char*, const char*> DownloadPageIsv::ErrorKeys() const {
    return {"PAGE_ERROR_TITLE", "PAGE_ERROR_TEXT"};
}

void DownloadPageIsv::StartDownload(const InstallItem& item) {
    StartFileDownload(item.url, "", true);
}

void DownloadPageIsv::InstallStarted() {
    if (InstallStartedCallback) InstallStartedCallback();
    ShowMarquee(true);
}

void DownloadPageIsv::InstallFinished() {
    if (InstallFinishedCallback) InstallFinishedCallback();
}
