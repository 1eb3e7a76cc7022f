// uidriver: a small Win32 UI driver for Quillet's Windows-side tests.
//
// The tests run the x86_64 build under 64-bit Wine on an Xvfb display, so
// everything here is plain user32/gdi32 and was checked against Wine 8
// (see README.md in this folder for what behaves differently there).
//
// Text is UTF-8 std::string in this API and UTF-16 at the Win32 calls.
// Functions that talk to another process's windows never block forever:
// messages are sent with SendMessageTimeoutW (kSendTimeoutMs) and input is
// posted, so a hung or modal target cannot hang the test.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace uidriver {

// --- text -----------------------------------------------------------------

std::string Utf8(std::wstring_view text);
std::wstring Wide(std::string_view text);

// How long a message sent to another window may take. Wine stalls a target's
// UI thread for about 1.2 s after a message box closes (focus hand-over), so
// this must stay well above that.
inline constexpr DWORD kSendTimeoutMs = 5000;

// --- handles --------------------------------------------------------------

// Owns a kernel HANDLE (process, thread, file, ...) and closes it.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) noexcept : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept;
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    HANDLE get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != nullptr; }
    HANDLE release() noexcept { HANDLE h = h_; h_ = nullptr; return h; }
    void reset(HANDLE h = nullptr) noexcept;

private:
    HANDLE h_ = nullptr;
};

// --- processes ------------------------------------------------------------

// A process started by a test. Move-only; the destructor terminates the
// process if it still runs and waits for it, so no test leaves one behind.
class Process {
public:
    // Exit code given to a process ended by Terminate() (or the destructor),
    // so a test can tell "killed by us" from a real exit.
    static constexpr DWORD kTerminatedExitCode = 0x7E57DEAD;

    // Starts exePath (a full path; no search) with args appended to the
    // command line after the quoted path. Throws std::runtime_error.
    static Process Launch(const std::wstring& exePath, const std::wstring& args = L"");

    Process() = default;  // empty: Id() == 0, not running
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;  // terminates what it held
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    DWORD Id() const noexcept { return id_; }
    HANDLE Handle() const noexcept { return process_.get(); }
    bool IsRunning() const;
    bool WaitForExit(DWORD ms);  // true once the process has ended
    std::optional<DWORD> ExitCode() const;  // nullopt while running / empty
    void Terminate();  // no-op if not running; waits until it has ended

private:
    Process(UniqueHandle process, DWORD id) noexcept : process_(std::move(process)), id_(id) {}
    UniqueHandle process_;
    DWORD id_ = 0;
};

// --- waiting --------------------------------------------------------------

// Polls condition until it returns true (-> true) or timeoutMs passes
// (-> false; the condition gets one last look at the deadline). Pumps the
// calling thread's messages between polls so windows the test itself owns
// keep working while it waits.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000, DWORD pollMs = 50);

// Runs the calling thread's pending messages (for tests that own windows).
void PumpMessages();

// --- finding windows ------------------------------------------------------

// Visible top-level windows of processId, topmost first.
std::vector<HWND> TopLevelWindows(DWORD processId);
// First of TopLevelWindows whose class / title equal the filters exactly;
// an empty filter matches anything. nullptr if none. Titles are compared
// with the text the system stores, without messages, so a hung window
// cannot stall the search.
HWND FindTopLevelWindow(DWORD processId, const std::string& className = "",
                        const std::string& title = "");
HWND WaitForTopLevelWindow(DWORD processId, const std::string& className, DWORD timeoutMs);

// Raises a top-level window and makes it the foreground window, so that a
// screen capture shows it. Returns false if it did not end up in front.
bool BringToFront(HWND window);

// --- reading windows ------------------------------------------------------

// WM_GETTEXT through SendMessageTimeoutW. Throws std::runtime_error if the
// window is gone or does not answer within kSendTimeoutMs.
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// The control with this id: a direct child (GetDlgItem), else the nearest
// descendant, preferring a visible one (wizard pages are child dialogs and
// may reuse ids). nullptr if none.
HWND Control(HWND dialog, int controlId);
// Breadth-first over all descendants (nested child dialogs included); the
// first visible match wins, else the first match; nullptr if none.
HWND FindDescendant(HWND root, int controlId);

std::string ControlText(HWND dialog, int controlId);  // throws if no such control
bool IsControlVisible(HWND dialog, int controlId);    // false if no such control
bool IsControlEnabled(HWND dialog, int controlId);    // false if no such control
bool IsChecked(HWND dialog, int controlId);           // BM_GETCHECK; throws if no such control
void SetControlText(HWND dialog, int controlId, const std::string& text);  // WM_SETTEXT

// One line per window below root (class, id, visibility, stored text), for
// failure messages; sends no messages, so it is quick on a hung target.
std::string DescribeTree(HWND root);

// --- input ----------------------------------------------------------------

// Clicks a button as a user would: posts BM_CLICK to it, so the test does
// not block when the click opens a modal loop. Throws std::runtime_error if
// the control is missing, hidden or disabled (a user could not click it).
void Click(HWND dialog, int controlId);
void PostSysCommand(HWND window, WPARAM command);  // WM_SYSCOMMAND, e.g. SC_MINIMIZE
void PostClose(HWND window);                       // WM_CLOSE

// --- window (system) menu -------------------------------------------------

struct MenuItem {
    UINT id;
    std::string text;  // as stored, e.g. "&Close\tAlt+F4"
    bool separator;
    bool disabled = false;  // MFS_DISABLED / MFS_GRAYED
};

// Items of the window's system menu (GetSystemMenu + GetMenuItemInfoW).
// Under Wine this only works for windows of the calling process: Wine keeps
// menus per process and GetSystemMenu returns NULL for another process's
// window. In that case this throws std::runtime_error rather than return a
// misleading empty list; see CanReadSystemMenu and README.md.
std::vector<MenuItem> SystemMenuItems(HWND window);
bool CanReadSystemMenu(HWND window);

// "&Close\tAlt+F4" -> "Close"; "&&More" -> "&More".
std::string PlainMenuText(const std::string& text);

// True when running under Wine (ntdll exports wine_get_version).
bool RunningUnderWine();

// --- message boxes --------------------------------------------------------

// The static that holds a message box's text (the icon is 0x440 under Wine).
inline constexpr int kMessageBoxTextId = 0xFFFF;

struct MessageBoxInfo {
    HWND window;
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // ids of the visible, enabled buttons (IDOK, IDNO, ...)
};

// A top-level "#32770" window of processId that looks like a message box:
// a Static with id kMessageBoxTextId, only Static/Button children, and at
// least one IDOK..IDCONTINUE button. An enabled one is preferred (the
// innermost box when boxes are stacked).
std::optional<MessageBoxInfo> FindMessageBox(DWORD processId);
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Presses the box's button buttonId (IDOK, IDCANCEL, IDYES, ...).
void AnswerMessageBox(HWND box, int buttonId);

// --- screenshots ----------------------------------------------------------

// Offset of the client area's top-left from the window's top-left, i.e.
// where client point (0,0) is in a Screenshot::OfWindow picture.
POINT ClientToWindowOffset(HWND window);

// Pixels copied from the screen: 32-bit, top-down, 0x00RRGGBB per pixel.
// This captures whatever is on screen over the area, so bring the window to
// the front first (BringToFront). Under Wine's X11 driver on Xvfb this
// gives the real pixels; PrintWindow does not (see README.md).
class Screenshot {
public:
    static Screenshot OfWindow(HWND window);     // its GetWindowRect area
    static Screenshot OfScreenRect(const RECT& rect);
    // Captures until two captures 100 ms apart are identical (the window has
    // finished repainting, e.g. after BringToFront), or timeoutMs passes;
    // returns the last capture either way.
    static Screenshot OfWindowWhenStable(HWND window, DWORD timeoutMs = 3000);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    // Relative to the captured area's top-left; throws std::out_of_range.
    COLORREF PixelAt(int x, int y) const;
    // A plain bottom-up 24-bit .bmp.
    bool SaveBmp(const std::wstring& path) const;

private:
    Screenshot(int width, int height, std::vector<std::uint32_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace uidriver
