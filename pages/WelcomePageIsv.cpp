#include "pages/WelcomePageIsv.h"

#include <shellapi.h>

#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

WelcomePageIsv::WelcomePageIsv(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_WELCOME_PAGE) {
    const auto settings = ConfigurationManager::Instance();
    links_[0] = {IDC_PRIVACY_LINK, settings->privacyPolicyUrl};
    links_[1] = {IDC_TERMS_LINK, settings->termsOfUseUrl};
    links_[2] = {IDC_EXTRA_LINK, settings->extraLinkUrl};
}

BOOL WelcomePageIsv::OnInitDialog() {
    IPage::OnInitDialog();
    const auto settings = ConfigurationManager::Instance();
    image_.Attach(Hwnd(), IDC_PAGE_IMAGE);
    if (settings->wizardType == WizardType::DLM) {
        image_.SetImage(settings->headerImage);
    } else {
        image_.LoadImageResource(IDB_PRODUCT_LOGO, L"IMAGE_BLOB");
    }
    const bool downloadManager = settings->wizardType == WizardType::DLM;
    BindTexts({{IDC_HEADER_TITLE, "PRODUCT_TITLE"},
               {IDC_WELCOME_TITLE, "WELCOME_TITLE"},
               {IDC_WELCOME_TEXT, "WELCOME_TEXT"},
               {IDC_NEXT, "BUTTON_NEXT"},
               {IDC_PRIVACY_LINK, "PRIVACY_LINK"},
               {IDC_TERMS_LINK, downloadManager ? "TOS_LINK" : "EULA_LINK"},
               {IDC_EXTRA_LINK, "SDK_LINK"}});
    for (const Link& link : links_) {
        if (link.url.empty()) ShowItem(link.controlId, false);
    }
    return TRUE;
}

void WelcomePageIsv::UpdateTexts() {
    IPage::UpdateTexts();
    for (const Link& link : links_) {
        win::LinkControl control;
        control.Attach(Hwnd(), link.controlId);
        if (!control) continue;
        // The texts are plain; the whole text of each is its link.
        const std::wstring text = control.Text();
        if (text.rfind(L"<a>", 0) != 0) control.SetLinkText(text);
        control.SizeToContent();
    }
}

bool WelcomePageIsv::OnNotify(const NMHDR& header, LRESULT* result) {
    if (header.code != NM_CLICK && header.code != NM_RETURN) return false;
    for (const Link& link : links_) {
        if (header.idFrom != static_cast<UINT_PTR>(link.controlId) || link.url.empty()) continue;
        ::ShellExecuteW(nullptr, L"open", Utf8ToWide(link.url).c_str(), nullptr, nullptr,
                        SW_SHOWNORMAL);
        *result = 0;
        return true;
    }
    return false;
}
