#include "offers/ProductPage.h"

#include "i18n/TextTokens.h"
#include "offers/NoShowDate.h"
#include "offers/Package.h"
#include "platform/win32/Win32Md5.h"
#include "remote/EventCodes.h"
#include "remote/Md5Hex.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

ProductPage::ProductPage(std::shared_ptr<LanguageManager> manager, std::shared_ptr<Package> package)
    : IPage(std::move(manager), IDD_PRODUCT_PAGE), package_(std::move(package)) {}

BOOL ProductPage::OnInitDialog() {
    IPage::OnInitDialog();
    ShowLinksOf(IDC_PRODUCT_DISCLAIMER);
    const auto settings = ConfigurationManager::Instance();
    // Skip All makes no sense where no offer can follow.
    const int position = package_->position;
    if (position == settings->selectedOfferCount - 1 ||
        position == package_->offerSettings.mo - 1) {
        ShowItem(IDC_SKIP_ALL, false);
    }
    image_.Attach(Hwnd(), IDC_OFFER_IMAGE);
    image_.SetImage(package_->image);
    BindTexts({{IDC_ACCEPT, "BUTTON_ACCEPT"},
               {IDC_DECLINE, "BUTTON_DECLINE"},
               {IDC_SKIP_ALL, "BUTTON_SKIP_ALL"},
               {IDC_PRODUCT_DISCLAIMER, "PRODUCT_DISCLAIMER"}});
    FillDisclaimer();
    return TRUE;
}

void ProductPage::FillDisclaimer() {
    win::LinkControl disclaimer;
    disclaimer.Attach(Hwnd(), IDC_PRODUCT_DISCLAIMER);
    std::string text = WideToUtf8(disclaimer.Text());
    text = ReplaceToken(std::move(text), "[PACKAGE_NAME]", package_->displayName);
    text = ReplaceToken(std::move(text), "[PACKAGE_PRIVACY_URL]", package_->privacyUrl);
    text = ReplaceToken(std::move(text), "[PACKAGE_EULA_URL]", package_->eulaUrl);
    disclaimer.SetText(Utf8ToWide(text));
}

void ProductPage::OnNavigateToPage() {
    const auto settings = ConfigurationManager::Instance();
    const auto& offer = package_->offerSettings;
    if (offer.pn) {
        static platform::win32::Md5 md5;
        auto& system = platform::CurrentSystem();
        // A date that cannot be written only means the offer may come again.
        if (const auto date = NoShowDate(system.clock)) {
            WriteNoShowDate(system.registry, offer.pnr, Md5Hex(md5, settings->publisher), *date);
        }
    }
    settings->shownOffers.push_back(package_);
}

bool ProductPage::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
        case IDC_ACCEPT:
            ConfigurationManager::Instance()->acceptedOffers.push_back(package_);
            PressButton(ButtonType::Accept);
            return true;
        case IDC_DECLINE:
            Decline(ButtonType::Decline);
            return true;
        case IDC_SKIP_ALL:
            Decline(ButtonType::SkipAll);
            return true;
        default:
            return false;
    }
}

void ProductPage::Decline(ButtonType answer) {
    ConfigurationManager::Instance()->offerDeclined = true;
    package_->SendEvent(EventCode::Declined);
    PressButton(answer);
}
