#include "win/Dialog.h"

#include "win/Module.h"

namespace win {

namespace {

// Maps the WM_CTLCOLOR* messages to their CTLCOLOR_* kinds.
std::optional<UINT> CtlColorType(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX: return CTLCOLOR_MSGBOX;
        case WM_CTLCOLOREDIT: return CTLCOLOR_EDIT;
        case WM_CTLCOLORLISTBOX: return CTLCOLOR_LISTBOX;
        case WM_CTLCOLORBTN: return CTLCOLOR_BTN;
        case WM_CTLCOLORDLG: return CTLCOLOR_DLG;
        case WM_CTLCOLORSCROLLBAR: return CTLCOLOR_SCROLLBAR;
        case WM_CTLCOLORSTATIC: return CTLCOLOR_STATIC;
        default: return std::nullopt;
    }
}

}  // namespace

Dialog::~Dialog() {
    if (modeless_ && hwnd_) ::DestroyWindow(hwnd_);
}

INT_PTR Dialog::DoModal(HWND owner) {
    return ::DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(templateId_), owner, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
    modeless_ = true;
    return ::CreateDialogParamW(ModuleInstance(), MAKEINTRESOURCEW(templateId_), parent,
                                DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
    if (modeless_) {
        Show(SW_HIDE);
    } else {
        ::EndDialog(hwnd_, result);
    }
}

void Dialog::SetBackgroundColor(COLORREF color, bool repaint) {
    backgroundBrush_.Reset(::CreateSolidBrush(color));
    if (repaint && hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Dialog::SetText(std::wstring_view text) { ::SetWindowTextW(hwnd_, std::wstring(text).c_str()); }

void Dialog::SetItemText(int controlId, std::wstring_view text) {
    ::SetDlgItemTextW(hwnd_, controlId, std::wstring(text).c_str());
}

void Dialog::ShowItem(int controlId, bool visible) {
    ::ShowWindow(Item(controlId), visible ? SW_SHOW : SW_HIDE);
}

bool Dialog::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
}

void Dialog::SetTimer(UINT_PTR timerId, UINT milliseconds) {
    ::SetTimer(hwnd_, timerId, milliseconds, nullptr);
}

void Dialog::KillTimer(UINT_PTR timerId) { ::KillTimer(hwnd_, timerId); }

HBRUSH Dialog::OnCtlColor(HDC dc, HWND /*control*/, UINT type) {
    if (!backgroundBrush_) return nullptr;
    if (type == CTLCOLOR_DLG) return backgroundBrush_.Get();
    if (type == CTLCOLOR_STATIC || type == CTLCOLOR_BTN) {
        ::SetBkMode(dc, TRANSPARENT);
        return backgroundBrush_.Get();
    }
    return nullptr;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->hwnd_ = hwnd;
        return dialog->OnInitDialog();
    }
    auto* dialog = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!dialog) return FALSE;
    const INT_PTR handled = dialog->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) dialog->hwnd_ = nullptr;
    return handled;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto type = CtlColorType(message)) {
        // These messages return the brush itself, not through DWLP_MSGRESULT.
        return reinterpret_cast<INT_PTR>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), *type));
    }
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
            if (id == IDOK) OnOK();
            else if (id == IDCANCEL) OnCancel();
            else return FALSE;
            return TRUE;
        }
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), &result)) return FALSE;
            return Result(result);
        }
        case WM_CLOSE:
            OnClose();
            return TRUE;
        case WM_TIMER:
            OnTimer(wParam);
            return TRUE;
        default:
            if (const auto result = OnMessage(message, wParam, lParam)) return Result(*result);
            return FALSE;
    }
}

INT_PTR Dialog::Result(LRESULT value) {
    ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, value);
    return TRUE;
}

}  // namespace win
