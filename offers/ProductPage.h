#pragma once

#include <memory>

#include "app/IPage.h"
#include "app/StaticFromImage.h"

class Package;

// Shows one offer: its image, a disclaimer linking to its privacy policy and
// terms, and Accept, Decline and Skip All.
class ProductPage : public IPage {
public:
    ProductPage(std::shared_ptr<LanguageManager> manager, std::shared_ptr<Package> package);

    // Records the offer as shown and, when it asks for it, holds it back
    // from later runs.
    void OnNavigateToPage() override;
    std::string GetPageName() const override { return "ProductPage"; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

private:
    void FillDisclaimer();
    void Decline(ButtonType answer);

    std::shared_ptr<Package> package_;
    CStaticFromImage image_;
};
