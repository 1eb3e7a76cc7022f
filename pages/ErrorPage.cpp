#include "pages/ErrorPage.h"

#include "res/resource.h"

ErrorPage::ErrorPage(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_ERROR_PAGE) {}

BOOL ErrorPage::OnInitDialog() {
    IPage::OnInitDialog();
    // The template's placeholders never show: the texts start empty.
    ShowTexts(L"", L"");
    image_.Attach(Hwnd(), IDC_PAGE_IMAGE);
    image_.LoadImageResource(IDB_ERROR_MARK, L"IMAGE_BLOB3");
    BindText(IDC_CLOSE, "BUTTON_CLOSE");
    UpdateTexts();
    return TRUE;
}

void ErrorPage::ShowTexts(const std::wstring& title, const std::wstring& text) {
    SetItemText(IDC_ERROR_TITLE, title);
    SetItemText(IDC_ERROR_TEXT, text);
}

bool ErrorPage::OnCommand(int id, int notifyCode, HWND) {
    if (id != IDC_CLOSE || notifyCode != BN_CLICKED) return false;
    PressButton(ButtonType::Close);
    return true;
}
