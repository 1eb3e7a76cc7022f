#pragma once

#include <windows.h>

#include <memory>

#include "win/Controls.h"
#include "win/Image.h"

// A static control of a dialog that paints a shared image scaled to its
// client area. Transparent pixels show the parent's background.
class CStaticFromImage : public win::Static {
public:
    CStaticFromImage() = default;
    ~CStaticFromImage();
    CStaticFromImage(const CStaticFromImage&) = delete;
    CStaticFromImage& operator=(const CStaticFromImage&) = delete;

    // Takes over painting of the dialog's control controlId.
    void Attach(HWND dialog, int controlId);
    // Shows image (null clears the control).
    void SetImage(std::shared_ptr<gfx::Image> image);
    // Shows the picture stored as resource id of type in the program.
    void LoadImageResource(UINT id, LPCWSTR type);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void OnPaint();
    void Detach();

    std::shared_ptr<gfx::Image> image_;
};
