#pragma once

#include "app/IPage.h"

// Five system-integration choices for the product's installer: firewall
// exception, start with Windows, and three file and link associations.
// Next stores them in the settings record; Back stores nothing.
class ConfigurationsPageNorvikClassic : public IPage {
public:
    explicit ConfigurationsPageNorvikClassic(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override {}
    std::string GetPageName() const override { return "ConfigurationsPageNorvikClassic"; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
};
