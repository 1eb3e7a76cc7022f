#include "pages/ConfigurationsPageNorvikClassic.h"

#include "res/resource.h"
#include "settings/ConfigurationManager.h"

namespace {

// The boxes in the order of the settings record's configurationOptions.
constexpr int kConfigurationBoxes[] = {
    IDC_CONFIGURATION_FIREWALL,      IDC_CONFIGURATION_AUTOSTART,
    IDC_CONFIGURATION_TORRENT_FILES, IDC_CONFIGURATION_MAGNET_LINKS,
    IDC_CONFIGURATION_SEARCH_FILES,
};

}  // namespace

ConfigurationsPageNorvikClassic::ConfigurationsPageNorvikClassic(
    std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_CONFIGURATIONS_PAGE) {}

BOOL ConfigurationsPageNorvikClassic::OnInitDialog() {
    IPage::OnInitDialog();
    CheckBoxes({IDC_CONFIGURATION_FIREWALL, IDC_CONFIGURATION_AUTOSTART,
                IDC_CONFIGURATION_TORRENT_FILES, IDC_CONFIGURATION_MAGNET_LINKS,
                IDC_CONFIGURATION_SEARCH_FILES});
    BindTexts({{IDC_CONFIGURATIONS_TITLE, "CONFIGURATIONS_TITLE"},
               {IDC_CONFIGURATIONS_SUBTITLE_1, "CONFIGURATIONS_SUBTITLE_1"},
               {IDC_CONFIGURATIONS_TEXT_1, "CONFIGURATIONS_TEXT_1"},
               {IDC_CONFIGURATION_FIREWALL_LABEL, "CONFIGURATIONS_CHECK_1"},
               {IDC_CONFIGURATION_AUTOSTART, "CONFIGURATIONS_CHECK_2"},
               {IDC_CONFIGURATIONS_SUBTITLE_2, "CONFIGURATIONS_SUBTITLE_2"},
               {IDC_CONFIGURATIONS_TEXT_2, "CONFIGURATIONS_TEXT_2"},
               {IDC_CONFIGURATION_TORRENT_FILES, "CONFIGURATIONS_CHECK_3"},
               {IDC_CONFIGURATION_MAGNET_LINKS, "CONFIGURATIONS_CHECK_4"},
               {IDC_CONFIGURATION_SEARCH_FILES, "CONFIGURATIONS_CHECK_5"},
               {IDC_NEXT, "BUTTON_NEXT"},
               {IDC_BACK, "BUTTON_BACK"}});
    ApplyTitleFont(IDC_CONFIGURATIONS_TITLE);
    return TRUE;
}

bool ConfigurationsPageNorvikClassic::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_NEXT && notifyCode == BN_CLICKED) {
        auto& choices = ConfigurationManager::Instance()->configurationOptions;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            choices[i] = IsChecked(kConfigurationBoxes[i]);
        }
    }
    return IPage::OnCommand(id, notifyCode, control);
}
