#include "app/IPage.h"

#include <shellapi.h>

#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

IPage::IPage(std::shared_ptr<LanguageManager> manager, UINT templateId)
    : Dialog(templateId),
      languageManager(std::move(manager)),
      bandBrush_(::CreateSolidBrush(ConfigurationManager::Instance()->accentColor)) {
    languageManager->RegisterPage(this);
}

IPage::~IPage() {
    languageManager->UnregisterPage(this);
}

BOOL IPage::OnInitDialog() {
    bandStatic_.Attach(Hwnd(), IDC_PAGE_BAND);
    return TRUE;
}

void IPage::UpdateTexts() {
    for (const auto& [controlId, key] : textBindings_) {
        const HWND control = Item(controlId);
        if (!control || !::IsWindow(control)) continue;
        const std::string text = languageManager->Translate(key);
        if (!text.empty()) ::SetWindowTextW(control, Utf8ToWide(text).c_str());
    }
}

HBRUSH IPage::OnCtlColor(HDC dc, HWND control, UINT type) {
    const int controlId = ::GetDlgCtrlID(control);
    if (controlId == IDC_PAGE_BAND) {
        ::SetBkMode(dc, TRANSPARENT);
        return bandBrush_.Get();
    }
    if (linkControlId_ != 0 && controlId == linkControlId_) {
        ::SetBkMode(dc, TRANSPARENT);
        return linkBrush_.Get();
    }
    return Dialog::OnCtlColor(dc, control, type);
}

bool IPage::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_NEXT || id == IDC_AGREE) {
        PressButton(ButtonType::Next);
    } else if (id == IDC_BACK) {
        PressButton(ButtonType::Back);
    } else {
        return false;
    }
    return true;
}

void IPage::BindText(int controlId, std::string key) {
    textBindings_.emplace_back(controlId, std::move(key));
}

void IPage::BindTexts(std::initializer_list<std::pair<int, const char*>> bindings) {
    for (const auto& [controlId, key] : bindings) BindText(controlId, key);
    UpdateTexts();
}

void IPage::CheckBoxes(std::initializer_list<int> controlIds) {
    for (const int controlId : controlIds) ::CheckDlgButton(Hwnd(), controlId, BST_CHECKED);
}

bool IPage::IsChecked(int controlId) const {
    return ::IsDlgButtonChecked(Hwnd(), controlId) != BST_UNCHECKED;
}

void IPage::PressButton(ButtonType type) const {
    if (buttonCallback_) buttonCallback_(type);
}

void IPage::ReportError(const std::wstring& title, const std::wstring& text) const {
    if (errorCallback_) errorCallback_(title, text);
}

void IPage::ApplyTitleFont(int controlId) {
    const HWND control = Item(controlId);
    const auto current = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (!current || !::GetObjectW(current, sizeof font, &font)) return;
    font.lfHeight = 12;
    font.lfWeight = 1000;
    titleFont_.Reset(::CreateFontIndirectW(&font));
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), TRUE);
}

void IPage::ShowLinksOf(int controlId) {
    linkControlId_ = controlId;
    linkBrush_.Reset(::CreateSolidBrush(ConfigurationManager::Instance()->backgroundColor));
}

bool IPage::OnNotify(const NMHDR& header, LRESULT* result) {
    if (linkControlId_ == 0 || header.idFrom != static_cast<UINT_PTR>(linkControlId_)) return false;
    if (header.code != NM_CLICK && header.code != NM_RETURN) return false;
    const auto& link = reinterpret_cast<const NMLINK&>(header);
    if (link.item.szUrl[0] != L'\0') {
        ::ShellExecuteW(nullptr, L"open", link.item.szUrl, nullptr, nullptr, SW_SHOWNORMAL);
    }
    *result = 0;
    return true;
}
