#include "i18n/LanguagePage.h"

#include "res/resource.h"
#include "win/Text.h"

LanguagePage::LanguagePage(std::shared_ptr<LanguageManager> manager)
    : LanguagePage(std::move(manager), IDD_LANGUAGE_PAGE,
                   {{IDC_NEXT, "BUTTON_NEXT"}, {IDC_SPLASH_TEXT, "SPLASH_TEXT"}}) {}

LanguagePage::LanguagePage(std::shared_ptr<LanguageManager> manager, UINT templateId,
                           Bindings bindings)
    : IPage(std::move(manager), templateId), bindings_(std::move(bindings)) {}

LanguagePageNorvik::LanguagePageNorvik(std::shared_ptr<LanguageManager> manager)
    : LanguagePage(std::move(manager), IDD_LANGUAGE_PAGE_NORVIK,
                   {{IDC_NEXT, "BUTTON_NEXT"},
                    {IDC_SPLASH_TITLE_NORVIK, "SPLASH_TITLE_NORVIK"},
                    {IDC_SPLASH_TEXT_NORVIK, "SPLASH_TEXT_NORVIK"}}) {}

BOOL LanguagePage::OnInitDialog() {
    IPage::OnInitDialog();
    for (const auto& [controlId, key] : bindings_) BindText(controlId, key);
    languageList_.Attach(Hwnd(), IDC_LANGUAGE_LIST);
    FillLanguageList();
    // Loading the language also fills this page's texts.
    OnSelectionChanged();
    ::SendMessageW(Hwnd(), DM_SETDEFID, IDC_NEXT, 0);
    return TRUE;
}

void LanguagePage::FillLanguageList() {
    const LanguageList list = languageManager->FillLanguageList();
    ::SendMessageW(languageList_.Hwnd(), CB_RESETCONTENT, 0, 0);
    for (const auto& name : list.displayNames) languageList_.AddString(Utf8ToWide(name));
    languageList_.Select(list.selection);
    if (list.hidden) languageList_.Show(false);
}

void LanguagePage::OnSelectionChanged() {
    const int selection = languageList_.Selection();
    if (selection == CB_ERR) return;
    languageManager->SetLanguage(WideToUtf8(languageList_.ItemText(selection)));
}

bool LanguagePage::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_LANGUAGE_LIST && notifyCode == CBN_SELCHANGE) {
        OnSelectionChanged();
        return true;
    }
    return IPage::OnCommand(id, notifyCode, control);
}
