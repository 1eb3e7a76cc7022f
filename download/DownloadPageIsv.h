#pragma once

#include <functional>

#include "download/DownloadPage.h"

// The installer's working page: downloads the product and every accepted
// offer into the work folder, runs the product's installer and waits for
// it, starts the offers' installers, and ends on the finish page or, when
// the product failed, on the error page. While installers run the bar is a
// marquee.
class DownloadPageIsv : public DownloadPage {
public:
    explicit DownloadPageIsv(std::shared_ptr<LanguageManager> manager);

    std::string GetPageName() const override { return "DownloadPageISV"; }

    // Set by the host: the installers are about to run / have been run.
    std::function<void()> InstallStartedCallback;
    std::function<void()> InstallFinishedCallback;

private:
    InstallItem ProductItem(ConfigurationManager& settings) override;
    void ShowImage(CStaticFromImage& image) override;
    std::pair<const char*, const char*> ErrorKeys() const override;
    void StartDownload(const InstallItem& item) override;
    void InstallStarted() override;
    void InstallFinished() override;
};
