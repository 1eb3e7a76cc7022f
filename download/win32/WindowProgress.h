#pragma once

#include <windows.h>

#include "download/ProgressSink.h"

namespace download::win32 {

// Posts a download's progress to a window as WM_DOWNLOAD_PROGRESS and
// WM_DOWNLOAD_LENGTH_UNKNOWN.
class WindowProgress : public ProgressSink {
public:
    explicit WindowProgress(HWND window) : window_(window) {}

    void Progress(unsigned percent) override;
    void LengthUnknown() override;

private:
    HWND window_;
};

}  // namespace download::win32
