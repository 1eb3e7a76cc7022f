#pragma once

#include <windows.h>

#include <string>

// Where the programs under test are and where screenshots go.
namespace test_support {

// A file beside the running test program, e.g. "quillet.exe".
std::wstring BesideTestProgram(const std::wstring& fileName);

// Saves a screenshot of window as <artifacts>\<name>.bmp (the runner turns
// it into PNG). Returns the captured pixels' colour at a client point so a
// test can check what was drawn in the same picture it keeps.
COLORREF SaveScreenshot(HWND window, const std::string& name, POINT clientPoint = {0, 0});

}  // namespace test_support
