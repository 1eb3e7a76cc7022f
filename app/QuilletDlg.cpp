#include "app/QuilletDlg.h"

#include "app/AboutDlg.h"
#include "app/HostStartup.h"
#include "res/resource.h"
#include "settings/BuildConfig.h"
#include "settings/ConfigurationManager.h"
#include "win/Module.h"
#include "win/Text.h"

namespace {

constexpr UINT kFatalMessageStyle = MB_ICONERROR | MB_SYSTEMMODAL;

HICON LoadProgramIcon(int sizeMetric) {
    const int size = ::GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(::LoadImageW(win::ModuleInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                           IMAGE_ICON, size, size, 0));
}

}  // namespace

CQuilletDlg::CQuilletDlg()
    : Dialog(IDD_QUILLET_DIALOG),
      bigIcon_(LoadProgramIcon(SM_CXICON)),
      smallIcon_(LoadProgramIcon(SM_CXSMICON)) {}

BOOL CQuilletDlg::OnInitDialog() {
    titleStatic_.Attach(Hwnd(), IDC_HEADER_TITLE);
    headerIcon_.Attach(Hwnd(), IDC_HEADER_ICON);
    headerLine_.Attach(Hwnd(), IDC_HEADER_LINE);
    bottomBand_.Attach(Hwnd(), IDC_BOTTOM_BAND);

    AddAboutItemToSystemMenu();
    SetIcons();
    if (!AcquireSingleInstance()) {
        RefuseToStart(L"Another setup is already running, please close it and try again",
                      L"Error");
        return FALSE;
    }

    const auto settings = ConfigurationManager::Instance();
    const auto caption = InitialCaption(settings->wizardType, settings->productTitle);
    if (!caption) {
        // The mutex stays held until the process ends.
        RefuseToStart(L"Invalid wizard type", L"Quillet");
        return FALSE;
    }
    SetText(Utf8ToWide(*caption));

    bandBrush_.Reset(::CreateSolidBrush(settings->accentColor));
    titleStatic_.SetText(Utf8ToWide(settings->productTitle));
    if (settings->wizardType == WizardType::ISV) {
        headerIcon_.Show(false);
        headerLine_.Show(false);
    }
    // The download manager shows its title once the configuration has named
    // the product.
    titleStatic_.Show(false);
    return TRUE;
}

void CQuilletDlg::AddAboutItemToSystemMenu() {
    const HMENU menu = ::GetSystemMenu(Hwnd(), FALSE);
    if (!menu) return;
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadString points into the resource itself.
    const int length =
        ::LoadStringW(win::ModuleInstance(), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) return;
    const std::wstring item(text, static_cast<size_t>(length));
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, item.c_str());
}

void CQuilletDlg::SetIcons() {
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

bool CQuilletDlg::AcquireSingleInstance() {
    const std::wstring name = Utf8ToWide(SingleInstanceMutexName(build::kWizardTypeName));
    instanceMutex_.Reset(::CreateMutexW(nullptr, TRUE, name.c_str()));
    // A mutex that cannot be created at all leaves the wizard unguarded
    // rather than refusing to run.
    if (instanceMutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        instanceMutex_.Reset();
        return false;
    }
    return true;
}

void CQuilletDlg::RefuseToStart(const wchar_t* text, const wchar_t* caption) {
    ::MessageBoxW(Hwnd(), text, caption, kFatalMessageStyle);
    EndDialog(1);
}

void CQuilletDlg::OnClose() {
    instanceMutex_.Reset();
    Show(SW_HIDE);
    DeleteWorkFolder();
    EndDialog(IDCANCEL);
}

void CQuilletDlg::DeleteWorkFolder() {
    const auto settings = ConfigurationManager::Instance();
    if (!settings->workFolder.empty()) {
        platform::CurrentSystem().files.RemoveEmptyFolder(settings->workFolder);
    }
}

HBRUSH CQuilletDlg::OnCtlColor(HDC dc, HWND control, UINT type) {
    if (control == bottomBand_.Hwnd()) {
        ::SetBkMode(dc, TRANSPARENT);
        return bandBrush_.Get();
    }
    return Dialog::OnCtlColor(dc, control, type);
}

std::optional<LRESULT> CQuilletDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return std::nullopt;
            CAboutDlg().DoModal(Hwnd());
            return 0;
        case WM_PAINT:
            if (!::IsIconic(Hwnd())) return std::nullopt;
            PaintMinimized();
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(bigIcon_.Get());
        default:
            return std::nullopt;
    }
}

void CQuilletDlg::PaintMinimized() {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    ::SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, bigIcon_.Get());
    ::EndPaint(Hwnd(), &paint);
}
