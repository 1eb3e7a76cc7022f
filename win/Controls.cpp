#include "win/Controls.h"

namespace win {

void Control::SetText(std::wstring_view text) const {
    ::SetWindowTextW(hwnd_, std::wstring(text).c_str());
}

std::wstring Control::Text() const {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

int ComboBox::AddString(std::wstring_view text) const {
    const std::wstring item(text);
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

std::wstring ComboBox::ItemText(int index) const {
    const auto length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

void LinkControl::SetLinkText(std::wstring_view text) const {
    SetText(L"<a>" + std::wstring(text) + L"</a>");
}

void LinkControl::SizeToContent() const {
    // As wide as the text needs, up to the right edge of the parent.
    const HWND parent = ::GetParent(Hwnd());
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    RECT client{};
    ::GetClientRect(parent, &client);
    SIZE ideal{};
    // With a SIZE to fill, the ideal-height message also gives the width
    // (the newer headers call it LM_GETIDEALSIZE).
    Send(LM_GETIDEALHEIGHT, static_cast<WPARAM>(client.right - rect.left),
         reinterpret_cast<LPARAM>(&ideal));
    if (ideal.cx > 0) {
        ::SetWindowPos(Hwnd(), nullptr, 0, 0, ideal.cx, rect.bottom - rect.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ProgressBar::ShowMarquee(bool on) const {
    const LONG_PTR style = ::GetWindowLongPtrW(Hwnd(), GWL_STYLE);
    if (!on) Send(PBM_SETMARQUEE, FALSE, 0);
    ::SetWindowLongPtrW(Hwnd(), GWL_STYLE,
                        on ? style | PBS_MARQUEE : style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
    SetRange(0, 100);
    SetPosition(0);
    if (on) {
        Send(PBM_SETMARQUEE, TRUE, 30);
    } else {
        Send(PBM_SETSTEP, 1);
    }
}

}  // namespace win
