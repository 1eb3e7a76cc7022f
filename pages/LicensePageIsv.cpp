#include "pages/LicensePageIsv.h"

#include "i18n/TextTokens.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

LicensePageIsv::LicensePageIsv(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_LICENSE_PAGE) {}

BOOL LicensePageIsv::OnInitDialog() {
    IPage::OnInitDialog();
    win::RichEdit agreement;
    agreement.Attach(Hwnd(), IDC_LICENSE_EULA);
    agreement.DetectUrls(true);
    ShowLinksOf(IDC_LICENSE_DISCLAIMER);
    BindTexts({{IDC_LICENSE_TITLE, "LICENSE_TITLE"},
               {IDC_LICENSE_TEXT, "LICENSE_TEXT"},
               {IDC_AGREE, "BUTTON_AGREE"},
               {IDC_BACK, "BUTTON_BACK"},
               {IDC_LICENSE_EULA, "LICENSE_EULA"},
               {IDC_LICENSE_DISCLAIMER, "LICENSE_DISCLAIMER"}});
    FillDisclaimerLinks();
    ApplyTitleFont(IDC_LICENSE_TITLE);
    return TRUE;
}

void LicensePageIsv::FillDisclaimerLinks() {
    win::LinkControl disclaimer;
    disclaimer.Attach(Hwnd(), IDC_LICENSE_DISCLAIMER);
    const auto settings = ConfigurationManager::Instance();
    std::string text = WideToUtf8(disclaimer.Text());
    text = ReplaceToken(std::move(text), "[LICENSE_TOS_URL]", settings->termsOfUseUrl);
    text = ReplaceToken(std::move(text), "[LICENSE_PRIVACY_URL]", settings->privacyPolicyUrl);
    disclaimer.SetText(Utf8ToWide(text));
}
