#pragma once

#include "app/IPage.h"

// Three shortcut choices for the product's installer: Start Menu entry,
// Quick Launch icon, Desktop icon. Next stores them in the settings record.
class OptionsPageNorvikClassic : public IPage {
public:
    explicit OptionsPageNorvikClassic(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override {}
    std::string GetPageName() const override { return "OptionsPageNorvikClassic"; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
};
