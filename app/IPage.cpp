#include "app/IPage.h"

#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

IPage::IPage(std::shared_ptr<LanguageManager> manager, UINT templateId)
    : Dialog(templateId),
      languageManager(std::move(manager)),
      bandBrush_(::CreateSolidBrush(ConfigurationManager::Instance()->accentColor)) {
    languageManager->RegisterPage(this);
}

IPage::~IPage() { languageManager->UnregisterPage(this); }

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
    if (::GetDlgCtrlID(control) == IDC_PAGE_BAND) {
        ::SetBkMode(dc, TRANSPARENT);
        return bandBrush_.Get();
    }
    return Dialog::OnCtlColor(dc, control, type);
}

void IPage::BindText(int controlId, std::string key) {
    textBindings_.emplace_back(controlId, std::move(key));
}

void IPage::PressButton(ButtonType type) const {
    if (buttonCallback_) buttonCallback_(type);
}

void IPage::ReportError(const std::wstring& title, const std::wstring& text) const {
    if (errorCallback_) errorCallback_(title, text);
}
