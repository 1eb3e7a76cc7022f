#include "app/QuilletApp.h"

#include <commctrl.h>

#include "app/QuilletDlg.h"
#include "settings/ConfigurationManager.h"

CQuilletApp theApp;

BOOL CQuilletApp::InitInstance() {
    // The link class is not among the Windows 95 classes; the pages' links need it.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_LINK_CLASS};
    ::InitCommonControlsEx(&controls);

    // The licence page shows its text in a rich-edit 1.0 control; without the
    // library the wizard cannot work, so nothing is shown at all.
    richEditLibrary_.Reset(::LoadLibraryW(L"RICHED32.DLL"));
    if (!richEditLibrary_) return FALSE;

    gdiplus_.emplace();
    {
        CQuilletDlg dialog;
        dialog.SetBackgroundColor(ConfigurationManager::Instance()->backgroundColor);
        dialog.DoModal(nullptr);
        // Closed by the user: the reports are out and the work folder is
        // gone, but a download may still wait on the network and an
        // installer may still run. The process ends now rather than wait
        // for them as the pages' tasks would on their way out.
        if (ConfigurationManager::Instance()->exitRequested) ::ExitProcess(0);
    }
    return FALSE;
}
