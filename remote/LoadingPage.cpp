#include "remote/LoadingPage.h"

#include "res/resource.h"

LoadingPage::LoadingPage(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_LOADING_PAGE) {}

BOOL LoadingPage::OnInitDialog() {
    IPage::OnInitDialog();
    progress_.Attach(Hwnd(), IDC_LOADING_PROGRESS);
    UpdateTexts();
    return TRUE;
}

void LoadingPage::OnNavigateToPage() {
    progress_.SetRange(0, 100);
    progress_.SetPosition(0);
    // The style must be on for the marquee to move.
    const LONG_PTR style = ::GetWindowLongPtrW(progress_.Hwnd(), GWL_STYLE);
    ::SetWindowLongPtrW(progress_.Hwnd(), GWL_STYLE, style | PBS_MARQUEE);
    progress_.SetMarquee(true, 30);
}
