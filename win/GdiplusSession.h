#pragma once

#include <windows.h>

namespace win {

// Keeps GDI+ started for the lifetime of the object. Every GDI+ object must
// be gone before it is destroyed.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

}  // namespace win
