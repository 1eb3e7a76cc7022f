#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "win/Handle.h"

namespace win {

// A dialog made from a template in the program's resources, modal or
// modeless. One dialog procedure finds the object behind a window and calls
// its virtual handlers; a handler returns whether it dealt with the message.
class Dialog {
public:
    explicit Dialog(UINT templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; returns the value given to EndDialog, or -1
    // when the window could not be created.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog as a modeless window (a page inside its parent).
    bool Create(HWND parent);

    HWND Hwnd() const { return hwnd_; }
    UINT TemplateId() const { return templateId_; }
    HWND Item(int controlId) const { return ::GetDlgItem(hwnd_, controlId); }

    void EndDialog(INT_PTR result);
    // The colour behind the dialog and its transparent controls.
    void SetBackgroundColor(COLORREF color, bool repaint = true);
    void SetText(std::wstring_view text);
    void SetItemText(int controlId, std::wstring_view text);
    void ShowItem(int controlId, bool visible);
    void Show(int command) { ::ShowWindow(hwnd_, command); }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetTimer(UINT_PTR timerId, UINT milliseconds);
    void KillTimer(UINT_PTR timerId);

protected:
    // Return value as for WM_INITDIALOG: TRUE to let the system set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND; return true when handled. IDOK and IDCANCEL reach OnOK and
    // OnCancel when not handled here.
    virtual bool OnCommand(int /*id*/, int /*notifyCode*/, HWND /*control*/) { return false; }
    // WM_NOTIFY; return true when handled, with *result the message result.
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT* /*result*/) { return false; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnClose() { OnCancel(); }
    virtual void OnTimer(UINT_PTR /*timerId*/) {}
    // Every WM_CTLCOLOR* message; type is the CTLCOLOR_* kind. The default
    // paints the dialog and its statics and buttons on the background colour.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT type);
    // Any other message; return a value to handle it, nullopt for the
    // system's default handling.
    virtual std::optional<LRESULT> OnMessage(UINT /*message*/, WPARAM, LPARAM) {
        return std::nullopt;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Result(LRESULT value);

    UINT templateId_;
    HWND hwnd_ = nullptr;
    bool modeless_ = false;
    UniqueBrush backgroundBrush_;
};

}  // namespace win
