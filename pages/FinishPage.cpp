#include "pages/FinishPage.h"

#include <shellapi.h>

#include "pages/FinishActions.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

namespace {

void Start(const ShellLaunch& launch) {
    const std::wstring parameters = Utf8ToWide(launch.parameters);
    ::ShellExecuteW(nullptr, L"open", Utf8ToWide(launch.file).c_str(),
                    parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWDEFAULT);
}

}  // namespace

FinishPage::FinishPage(std::shared_ptr<LanguageManager> manager, UINT templateId)
    : IPage(std::move(manager), templateId) {}

BOOL FinishPage::OnInitDialog() {
    IPage::OnInitDialog();
    BindTexts({{IDC_FINISH_TITLE, "PAGE_FINISH_TITLE"},
               {IDC_FINISH_TEXT, "PAGE_FINISH_TEXT"},
               {IDC_FINISH, "BUTTON_FINISH"}});
    InitializeChoice();
    image_.Attach(Hwnd(), IDC_PAGE_IMAGE);
    image_.LoadImageResource(IDB_SUCCESS_MARK, L"IMAGE_BLOB2");
    return TRUE;
}

void FinishPage::OnNavigateToPage() {
    const HWND host = ::GetParent(Hwnd());
    const LONG_PTR style = ::GetWindowLongPtrW(host, GWL_STYLE);
    ::SetWindowLongPtrW(host, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_MINIMIZEBOX));
    ::SetWindowPos(host, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FinishPage::OnCommand(int id, int notifyCode, HWND) {
    if (id != IDC_FINISH || notifyCode != BN_CLICKED) return false;
    StartChosen();
    PressButton(ButtonType::Finish);
    return true;
}

FinishPageIsv::FinishPageIsv(std::shared_ptr<LanguageManager> manager)
    : FinishPage(std::move(manager), IDD_FINISH_PAGE_ISV) {}

void FinishPageIsv::InitializeChoice() {
    BindTexts({{IDC_LAUNCH_CHECKBOX, "LAUNCH_CHECKBOX"}});
    CheckBoxes({IDC_LAUNCH_CHECKBOX});
}

void FinishPageIsv::StartChosen() {
    if (IsChecked(IDC_LAUNCH_CHECKBOX)) {
        Start(InstalledProductLaunch(*ConfigurationManager::Instance()));
    }
}

FinishPageDlm::FinishPageDlm(std::shared_ptr<LanguageManager> manager)
    : FinishPage(std::move(manager), IDD_FINISH_PAGE_DLM) {}

void FinishPageDlm::InitializeChoice() {
    BindTexts({{IDC_LAUNCH_RADIO, "LAUNCH_RADIO"}, {IDC_OPEN_FOLDER_RADIO, "OPEN_FOLDER_RADIO"}});
    CheckBoxes({IDC_LAUNCH_RADIO});
}

void FinishPageDlm::StartChosen() {
    const std::string file = ConfigurationManager::Instance()->downloadedFilePath;
    if (IsChecked(IDC_LAUNCH_RADIO)) {
        Start({file, ""});
    } else if (IsChecked(IDC_OPEN_FOLDER_RADIO)) {
        Start(ShowInFolderLaunch(file));
    }
}
