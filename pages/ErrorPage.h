#pragma once

#include <string>

#include "app/IPage.h"
#include "app/StaticFromImage.h"

// The wizard's dead end: an error mark, a title and a text that the failing
// page supplies, and Close, which ends the wizard.
class ErrorPage : public IPage {
public:
    explicit ErrorPage(std::shared_ptr<LanguageManager> manager);

    void OnNavigateToPage() override {}
    // The error page reports no failures of its own.
    void SetErrorCallback(ErrorCallback) override {}
    std::string GetPageName() const override { return "ErrorPage"; }

    // Shows the (already translated) texts of a failure.
    void ShowTexts(const std::wstring& title, const std::wstring& text);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

private:
    CStaticFromImage image_;
};
