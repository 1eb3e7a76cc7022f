#pragma once

#include <windows.h>

#include <set>
#include <string>

#include "uidriver/uidriver.h"

// Where the programs under test are, where screenshots go, and a running
// wizard to drive.
namespace test_support {

inline constexpr DWORD kTimeoutMs = 15000;

// A file beside the running test program, e.g. "quillet.exe".
std::wstring BesideTestProgram(const std::wstring& fileName);

// Brings window to the front and saves a screenshot of it as
// <artifacts>\<name>.bmp (the runner turns it into PNG). Returns the
// picture's colour at a client point of window, so a test checks what was
// drawn in the very picture it keeps.
COLORREF SaveScreenshot(HWND window, const std::string& name, POINT clientPoint = {0, 0});

// The centre of control controlId of dialog, in dialog client coordinates,
// moved by (dx, dy) percent of the control's size.
POINT PointInControl(HWND dialog, int controlId, int dxPercent = 0, int dyPercent = 0);

// The wizard's temporary work folders (ISV*.tmp folders in the temp folder).
std::set<std::string> WorkFolders();

// quillet.exe started by the test; the process ends with the test.
struct Wizard {
    uidriver::Process process = uidriver::Process::Launch(BesideTestProgram(L"quillet.exe"));
    HWND host = uidriver::WaitForTopLevelWindow(process.Id(), "#32770", kTimeoutMs);

    // Closes the wizard through its frame, answering no question, and waits
    // until the process is gone.
    bool CloseWithoutQuestion();
    // Waits until control controlId shows on a visible page of the wizard.
    bool WaitForControl(int controlId) const;
};

}  // namespace test_support
