#include "app/StaticFromImage.h"

#include <objidl.h>
#include <commctrl.h>
#include <gdiplus.h>

#include "win/Module.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

CStaticFromImage::~CStaticFromImage() {
    Detach();
}

void CStaticFromImage::Attach(HWND dialog, int controlId) {
    Detach();
    Static::Attach(dialog, controlId);
    if (Hwnd()) {
        ::SetWindowSubclass(Hwnd(), SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
}

void CStaticFromImage::Detach() {
    if (Hwnd() && ::IsWindow(Hwnd())) ::RemoveWindowSubclass(Hwnd(), SubclassProc, kSubclassId);
}

void CStaticFromImage::SetImage(std::shared_ptr<gfx::Image> image) {
    image_ = std::move(image);
    Invalidate();
}

void CStaticFromImage::LoadImageResource(UINT id, LPCWSTR type) {
    SetImage(LoadImageFromResource(win::ModuleInstance(), MAKEINTRESOURCEW(id), type));
}

LRESULT CALLBACK CStaticFromImage::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == WM_PAINT) {
        reinterpret_cast<CStaticFromImage*>(self)->OnPaint();
        return 0;
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void CStaticFromImage::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    if (image_) {
        RECT client;
        ::GetClientRect(Hwnd(), &client);
        Gdiplus::Graphics graphics(dc);
        graphics.DrawImage(image_->Bitmap(), 0, 0, client.right, client.bottom);
    }
    ::EndPaint(Hwnd(), &paint);
}
