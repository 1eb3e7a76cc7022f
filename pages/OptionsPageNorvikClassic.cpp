#include "pages/OptionsPageNorvikClassic.h"

#include "res/resource.h"
#include "settings/ConfigurationManager.h"

namespace {

// The boxes in the order of the settings record's installOptions.
constexpr int kOptionBoxes[] = {IDC_OPTION_START_MENU, IDC_OPTION_QUICK_LAUNCH, IDC_OPTION_DESKTOP};

}  // namespace

OptionsPageNorvikClassic::OptionsPageNorvikClassic(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_OPTIONS_PAGE) {}

BOOL OptionsPageNorvikClassic::OnInitDialog() {
    IPage::OnInitDialog();
    CheckBoxes({IDC_OPTION_START_MENU, IDC_OPTION_QUICK_LAUNCH, IDC_OPTION_DESKTOP});
    BindTexts({{IDC_OPTIONS_TITLE, "OPTIONS_TITLE"},
               {IDC_OPTION_START_MENU, "OPTIONS_CHECK_1"},
               {IDC_OPTION_QUICK_LAUNCH, "OPTIONS_CHECK_2"},
               {IDC_OPTION_DESKTOP, "OPTIONS_CHECK_3"},
               {IDC_NEXT, "BUTTON_NEXT"}});
    ApplyTitleFont(IDC_OPTIONS_TITLE);
    return TRUE;
}

bool OptionsPageNorvikClassic::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_NEXT && notifyCode == BN_CLICKED) {
        auto& options = ConfigurationManager::Instance()->installOptions;
        for (std::size_t i = 0; i < options.size(); ++i) options[i] = IsChecked(kOptionBoxes[i]);
    }
    return IPage::OnCommand(id, notifyCode, control);
}
