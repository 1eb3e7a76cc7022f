#pragma once

#include <string>

#include "app/IPage.h"
#include "app/StaticFromImage.h"

// The product image, a welcome text and up to three links (privacy policy,
// licence or terms, and a third one); a link without an address is hidden.
class WelcomePageIsv : public IPage {
public:
    explicit WelcomePageIsv(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override {}
    std::string GetPageName() const override { return "WelcomePage"; }
    // Also keeps each link as wide as its text.
    void UpdateTexts() override;

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(const NMHDR& header, LRESULT* result) override;

private:
    struct Link {
        int controlId;
        std::string url;
    };

    CStaticFromImage image_;
    Link links_[3];
};
