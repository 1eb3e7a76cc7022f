#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ButtonType.h"
#include "app/IPage.h"
#include "app/LoadHandOver.h"
#include "app/PageSequence.h"
#include "app/StaticFromImage.h"
#include "win/Controls.h"
#include "win/Dialog.h"
#include "win/Handle.h"

class ErrorPage;
class OfferFlow;
class LanguageManager;
class Package;

// The wizard's only top-level window. It guards against a second wizard,
// owns the pages and shows one at a time on its page area, answers their
// buttons, shows the error page on a failure, and asks before closing.
class CQuilletDlg : public win::Dialog {
public:
    CQuilletDlg();
    ~CQuilletDlg() override;

    // Creates the error page, the language page and the loading page. False
    // when no page exists afterwards.
    bool CreateInitialPages();
    void CreatePage(IPage& page, const RECT& area);
    void CreateAndAddPage(std::unique_ptr<IPage> page, const RECT& area);
    // Makes pages[index] the current page; an index out of range does nothing.
    void NavigateToPage(int index);
    void OnPageButton(ButtonType type);
    void ShowErrorPage(const std::wstring& title, const std::wstring& text);
    void DeleteWorkFolder();
    // The offer rules: how many offer pages after the current one to pass
    // over, and whether the flow has stopped for the run.
    int CountOffersToSkip();
    bool IsOfferFlowStopped() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}      // Enter never ends the wizard
    void OnCancel() override {}  // nor does Escape: closing goes through OnClose
    void OnClose() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddAboutItemToSystemMenu();
    void SetIcons();
    // False when another wizard of this type already runs on the machine.
    bool AcquireSingleInstance();
    void RefuseToStart(const wchar_t* text, const wchar_t* caption);
    void PaintMinimized();
    RECT PageArea() const;
    std::unique_ptr<IPage> CreatePageOfKind(PageKind kind, std::size_t offer);
    std::unique_ptr<IPage> MakeDownloadPageIsv();
    void OnLoadCompleteMessage();
    // The first Next of the run: the main product's package reports the start.
    void StartRun();
    static void ReportClosed(Package& package);
    bool ConfirmClose();
    void RestoreCloseCommand();

    win::UniqueIcon bigIcon_;
    win::UniqueIcon smallIcon_;
    std::vector<std::unique_ptr<IPage>> pages_;
    int currentPage_ = 0;
    std::unique_ptr<ErrorPage> errorPage_;
    std::shared_ptr<LanguageManager> languageManager_;
    bool errorShown_ = false;
    bool installerRunning_ = false;
    bool returnedToFirstPage_ = false;
    win::Static titleStatic_;
    CStaticFromImage headerIcon_;
    win::Static headerLine_;
    win::UniqueBrush bandBrush_;
    win::Static bottomBand_;
    std::vector<std::shared_ptr<Package>> offers_;
    std::unique_ptr<OfferFlow> offerFlow_;
    win::UniqueKernelHandle instanceMutex_;
    std::shared_ptr<LoadHandOver> handOver_;
};
