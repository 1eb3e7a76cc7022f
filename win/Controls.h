#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <string_view>

namespace win {

// A borrowed control of a dialog: the dialog owns the window, the wrapper
// only gives it a typed face. Binding to an id that does not exist leaves
// the wrapper empty, and every call on an empty wrapper does nothing.
class Control {
public:
    Control() = default;
    void Attach(HWND dialog, int controlId) { hwnd_ = ::GetDlgItem(dialog, controlId); }
    HWND Hwnd() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }
    int Id() const { return ::GetDlgCtrlID(hwnd_); }

    void SetText(std::wstring_view text) const;
    std::wstring Text() const;
    void Show(bool visible) const { ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
    void Enable(bool enabled) const { ::EnableWindow(hwnd_, enabled); }
    void Invalidate() const { ::InvalidateRect(hwnd_, nullptr, TRUE); }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return hwnd_ ? ::SendMessageW(hwnd_, message, wParam, lParam) : 0;
    }

private:
    HWND hwnd_ = nullptr;
};

class Static : public Control {};

class Button : public Control {
public:
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) const {
        Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    }
};

class ComboBox : public Control {
public:
    int AddString(std::wstring_view text) const;
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // CB_ERR when nothing is selected.
    int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void Select(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    std::wstring ItemText(int index) const;
};

class ProgressBar : public Control {
public:
    void SetRange(int low, int high) const { Send(PBM_SETRANGE32, low, high); }
    void SetPosition(int position) const { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
    // Marquee mode shows activity when no amount of progress is known, a
    // block moving every 30 ms; turned off, the bar is empty on 0..100 again.
    // Sets or clears the PBS_MARQUEE style the mode needs.
    void ShowMarquee(bool on) const;
};

// A SysLink control: its text holds <a> anchors; clicks reach the parent as
// NM_CLICK / NM_RETURN notifications carrying the NMLINK of the anchor.
class LinkControl : public Control {
public:
    // Shows text as one link (a link button: the whole text is the anchor).
    void SetLinkText(std::wstring_view text) const;
    // Resizes the control to the width its text needs.
    void SizeToContent() const;
};

// A rich-edit control, used read-only for long texts.
class RichEdit : public Control {
public:
    void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly); }
    void DetectUrls(bool on) const { Send(EM_AUTOURLDETECT, on); }
};

}  // namespace win
