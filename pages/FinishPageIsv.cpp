#include "pages/FinishPageIsv.h"

#include <shellapi.h>

#include "pages/FinishActions.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

FinishPageIsv::FinishPageIsv(std::shared_ptr<LanguageManager> manager)
    : IPage(std::move(manager), IDD_FINISH_PAGE_ISV) {}

BOOL FinishPageIsv::OnInitDialog() {
    IPage::OnInitDialog();
    BindTexts({{IDC_FINISH_TITLE, "PAGE_FINISH_TITLE"},
               {IDC_FINISH_TEXT, "PAGE_FINISH_TEXT"},
               {IDC_FINISH, "BUTTON_FINISH"},
               {IDC_LAUNCH_CHECKBOX, "LAUNCH_CHECKBOX"}});
    CheckBoxes({IDC_LAUNCH_CHECKBOX});
    image_.Attach(Hwnd(), IDC_PAGE_IMAGE);
    image_.LoadImageResource(IDB_SUCCESS_MARK, L"IMAGE_BLOB2");
    return TRUE;
}

void FinishPageIsv::OnNavigateToPage() {
    const HWND host = ::GetParent(Hwnd());
    const LONG_PTR style = ::GetWindowLongPtrW(host, GWL_STYLE);
    ::SetWindowLongPtrW(host, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_MINIMIZEBOX));
    ::SetWindowPos(host, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FinishPageIsv::OnCommand(int id, int notifyCode, HWND) {
    if (id != IDC_FINISH || notifyCode != BN_CLICKED) return false;
    if (IsChecked(IDC_LAUNCH_CHECKBOX)) {
        // A product that does not start leaves nothing to do but finish.
        const ShellLaunch launch = InstalledProductLaunch(*ConfigurationManager::Instance());
        ::ShellExecuteW(nullptr, L"open", Utf8ToWide(launch.file).c_str(),
                        Utf8ToWide(launch.parameters).c_str(), nullptr, SW_SHOWDEFAULT);
    }
    PressButton(ButtonType::Finish);
    return true;
}
