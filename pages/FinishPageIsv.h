#pragma once

#include "app/IPage.h"
#include "app/StaticFromImage.h"

// The installer's last page: thanks, a check mark, and the choice to launch
// the installed product when Finish ends the wizard.
class FinishPageIsv : public IPage {
public:
    explicit FinishPageIsv(std::shared_ptr<LanguageManager> manager);

    // The wizard is at its end: it can no longer be minimised.
    void OnNavigateToPage() override;
    std::string GetPageName() const override { return "FinishPageISV"; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

private:
    CStaticFromImage image_;
};
