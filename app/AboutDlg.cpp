#include "app/AboutDlg.h"

#include "app/HostStartup.h"
#include "res/resource.h"
#include "settings/ConfigurationManager.h"
#include "win/Text.h"

CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    const auto settings = ConfigurationManager::Instance();
    SetItemText(IDC_ABOUT_VERSION, Utf8ToWide(AboutVersionText(settings->installerVersion)));
    return TRUE;
}
