#pragma once

#include "download/DownloadPage.h"

// The download manager's working page: downloads the product into the
// user's download folder under its configured name, without running it,
// then downloads the accepted offers into the work folder and starts their
// installers without waiting.
class DownloadPageDlm : public DownloadPage {
public:
    explicit DownloadPageDlm(std::shared_ptr<LanguageManager> manager);

    std::string GetPageName() const override { return "DownloadPageDLM"; }

private:
    InstallItem ProductItem(ConfigurationManager& settings) override;
    void ShowImage(CStaticFromImage& image) override;
    std::pair<const char*, const char*> ErrorKeys() const override;
    void StartDownload(const InstallItem& item) override;
};
