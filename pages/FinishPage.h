#pragma once

#include "app/IPage.h"
#include "app/StaticFromImage.h"

// The last page of a wizard: thanks, a check mark, a choice of what to
// start, and Finish, which starts it and ends the wizard.
class FinishPage : public IPage {
public:
    // The wizard is at its end: it can no longer be minimised.
    void OnNavigateToPage() override;

protected:
    FinishPage(std::shared_ptr<LanguageManager> manager, UINT templateId);

    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

    // Binds the choice's texts and sets its initial state.
    virtual void InitializeChoice() = 0;
    // Starts what the user chose; failures are ignored, the wizard ends anyway.
    virtual void StartChosen() = 0;

private:
    CStaticFromImage image_;
};

// The installer's finish page: launch the installed product, or not.
class FinishPageIsv : public FinishPage {
public:
    explicit FinishPageIsv(std::shared_ptr<LanguageManager> manager);
    std::string GetPageName() const override { return "FinishPageISV"; }

protected:
    void InitializeChoice() override;
    void StartChosen() override;
};

// The download manager's finish page: run the downloaded file, or show it
// in its folder.
class FinishPageDlm : public FinishPage {
public:
    explicit FinishPageDlm(std::shared_ptr<LanguageManager> manager);
    std::string GetPageName() const override { return "FinishPageDLM"; }

protected:
    void InitializeChoice() override;
    void StartChosen() override;
};
