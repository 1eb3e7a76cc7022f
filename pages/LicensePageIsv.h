#pragma once

#include "app/IPage.h"

// The licence agreement in a scrolling box, a disclaimer linking to the
// terms and the privacy policy, and Agree and Back.
class LicensePageIsv : public IPage {
public:
    explicit LicensePageIsv(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override {}
    std::string GetPageName() const override { return "LicensePage"; }

protected:
    BOOL OnInitDialog() override;

private:
    void FillDisclaimerLinks();
};
