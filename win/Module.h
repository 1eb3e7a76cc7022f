#pragma once

#include <windows.h>

namespace win {

// The instance handle of the program's own module, where its resources are.
inline HINSTANCE ModuleInstance() { return ::GetModuleHandleW(nullptr); }

}  // namespace win
