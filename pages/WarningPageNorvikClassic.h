#pragma once

#include "app/IPage.h"

// Warns against paying for the free product or taking it from other sites.
class WarningPageNorvikClassic : public IPage {
public:
    explicit WarningPageNorvikClassic(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override {}
    std::string GetPageName() const override { return "WarningPageNorvikClassic"; }

protected:
    BOOL OnInitDialog() override;
};
