#include "pages/WarningPageNorvikClassic.h"

#include "res/resource.h"

WarningPageNorvikClassic::WarningPageNorvikClassic(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_WARNING_PAGE) {}

BOOL WarningPageNorvikClassic::OnInitDialog() {
    IPage::OnInitDialog();
    ShowLinksOf(IDC_WARNING_TEXT);
    BindTexts({{IDC_WARNING_TITLE, "WARNING_TITLE"},
               {IDC_WARNING_SUBTITLE, "WARNING_SUBTITLE"},
               {IDC_WARNING_TEXT, "WARNING_TEXT"},
               {IDC_NEXT, "BUTTON_NEXT"},
               {IDC_BACK, "BUTTON_BACK"}});
    ApplyTitleFont(IDC_WARNING_TITLE);
    return TRUE;
}
