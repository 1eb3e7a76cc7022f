#include "download/win32/WindowProgress.h"

#include "app/WindowMessages.h"

namespace download::win32 {

void WindowProgress::Progress(unsigned percent) {
    ::PostMessageW(window_, WM_DOWNLOAD_PROGRESS, percent, 0);
}

void WindowProgress::LengthUnknown() {
    ::PostMessageW(window_, WM_DOWNLOAD_LENGTH_UNKNOWN, 0, 0);
}

}  // namespace download::win32
