#pragma once

#include <windows.h>

// Messages that workers post to the wizard's windows. The numbers are stable.
inline constexpr UINT WM_DOWNLOAD_PROGRESS = WM_USER + 1;        // wParam: percent
inline constexpr UINT WM_DOWNLOAD_LENGTH_UNKNOWN = WM_USER + 2;  // no usable content length
inline constexpr UINT WM_LOAD_COMPLETE = WM_USER + 3;            // to the host: offers handed over
inline constexpr UINT WM_REQUEST_COMPLETE = WM_USER + 4;         // to the loading page
