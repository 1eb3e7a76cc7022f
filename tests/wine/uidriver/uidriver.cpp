#include "uidriver.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace uidriver {

namespace {

std::string LastErrorText(const char* what, DWORD error = GetLastError()) {
    std::ostringstream out;
    out << what << " failed (Win32 error " << error << ")";
    return out.str();
}

bool IsOwnProcess(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid == GetCurrentProcessId();
}

// SendMessageTimeoutW with our timeout; nullopt if the target did not answer.
std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT,
                             kSendTimeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

// The text the system keeps for the window, read without sending it a
// message. For controls of another process this may be stale or empty (an
// edit control keeps its own text), so it is only for searching titles and
// for diagnostics; WindowText is the real read.
std::string StoredText(HWND window) {
    std::wstring buffer(256, L'\0');
    for (;;) {
        const int length = InternalGetWindowText(window, buffer.data(), static_cast<int>(buffer.size()));
        if (length < static_cast<int>(buffer.size()) - 1) {
            buffer.resize(static_cast<size_t>(std::max(length, 0)));
            return Utf8(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

HWND RequireControl(HWND dialog, int controlId, const char* caller) {
    HWND control = Control(dialog, controlId);
    if (!control) {
        // The tree makes a failing test say what was there instead.
        throw std::runtime_error(std::string(caller) + ": no control with id " +
                                 std::to_string(controlId) + " under:\n" + DescribeTree(dialog));
    }
    return control;
}

}  // namespace

// --- text -----------------------------------------------------------------

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::wstring Wide(std::string_view text) {
    if (text.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

// --- handles --------------------------------------------------------------

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
}

void UniqueHandle::reset(HANDLE h) noexcept {
    if (h_) CloseHandle(h_);
    h_ = (h == INVALID_HANDLE_VALUE) ? nullptr : h;
}

// --- processes ------------------------------------------------------------

Process Process::Launch(const std::wstring& exePath, const std::wstring& args) {
    // CreateProcessW may write into the command line, so it needs its own
    // buffer; argv[0] is quoted so paths with spaces survive.
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!args.empty()) commandLine += L" " + args;

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (exePath.empty() ||
        !CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        const DWORD error = exePath.empty() ? ERROR_INVALID_PARAMETER : GetLastError();
        throw std::runtime_error(LastErrorText(("CreateProcessW(" + Utf8(exePath) + ")").c_str(), error));
    }
    UniqueHandle thread(info.hThread);  // not needed; closed right away
    return Process(UniqueHandle(info.hProcess), info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : process_(std::move(other.process_)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Terminate();
        process_ = std::move(other.process_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() { Terminate(); }

bool Process::IsRunning() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(DWORD ms) {
    return process_ && WaitForSingleObject(process_.get(), ms) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
    // GetExitCodeProcess reports STILL_ACTIVE (259) for a running process,
    // which is also a legal exit code, so ask the handle whether it ended.
    if (IsRunning() || !process_) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

void Process::Terminate() {
    if (!IsRunning()) return;
    TerminateProcess(process_.get(), kTerminatedExitCode);
    // Termination is asynchronous; wait so the caller sees a settled state.
    WaitForSingleObject(process_.get(), 10000);
}

// --- waiting --------------------------------------------------------------

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    pollMs = std::max<DWORD>(pollMs, 1);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const ULONGLONG nextPoll = std::min(now + pollMs, deadline);
        // Sleep until the next poll, but wake for messages so our own
        // windows (and inter-thread sends from the target) are served.
        while ((now = GetTickCount64()) < nextPoll) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(nextPoll - now), QS_ALLINPUT);
            PumpMessages();
        }
    }
}

// --- finding windows ------------------------------------------------------

std::vector<HWND> TopLevelWindows(DWORD processId) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (pid == s->pid && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassName(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Utf8(std::wstring_view(name, static_cast<size_t>(std::max(length, 0))));
}

HWND FindTopLevelWindow(DWORD processId, const std::string& className, const std::string& title) {
    for (HWND window : TopLevelWindows(processId)) {
        if (!className.empty() && ClassName(window) != className) continue;
        if (!title.empty() && StoredText(window) != title) continue;
        return window;
    }
    return nullptr;
}

HWND WaitForTopLevelWindow(DWORD processId, const std::string& className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindTopLevelWindow(processId, className)) != nullptr; }, timeoutMs);
    return found;
}

bool BringToFront(HWND window) {
    if (!IsWindow(window)) return false;
    if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
    // SetWindowPos alone can leave another window active; SetForegroundWindow
    // alone does not always restack under Wine without a window manager.
    // Async so a hung target cannot block us; then wait for the result.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_ASYNCWINDOWPOS);
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 3000, 20);
}

// --- reading windows ------------------------------------------------------

std::string WindowText(HWND window) {
    if (!IsWindow(window)) throw std::runtime_error("WindowText: not a window");
    const auto length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length) throw std::runtime_error(LastErrorText("WindowText: WM_GETTEXTLENGTH"));
    // The text may grow between the two messages; WM_GETTEXT truncates to
    // the buffer and reports what it copied.
    std::wstring buffer(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied = SendWithTimeout(window, WM_GETTEXT, buffer.size(),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied) throw std::runtime_error(LastErrorText("WindowText: WM_GETTEXT"));
    buffer.resize(std::min(static_cast<size_t>(std::max<LRESULT>(*copied, 0)), buffer.size() - 1));
    return Utf8(buffer);
}

HWND FindDescendant(HWND root, int controlId) {
    if (!IsWindow(root)) return nullptr;
    HWND firstMatch = nullptr;
    std::deque<HWND> queue{root};
    while (!queue.empty()) {
        HWND parent = queue.front();
        queue.pop_front();
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(child) == controlId) {
                if (IsWindowVisible(child)) return child;
                if (!firstMatch) firstMatch = child;
            }
            queue.push_back(child);
        }
    }
    return firstMatch;
}

HWND Control(HWND dialog, int controlId) {
    if (!IsWindow(dialog)) return nullptr;
    HWND direct = GetDlgItem(dialog, controlId);
    if (direct && IsWindowVisible(direct)) return direct;
    HWND nested = FindDescendant(dialog, controlId);
    return nested ? nested : direct;
}

std::string ControlText(HWND dialog, int controlId) {
    return WindowText(RequireControl(dialog, controlId, "ControlText"));
}

bool IsControlVisible(HWND dialog, int controlId) {
    HWND control = Control(dialog, controlId);
    return control && IsWindowVisible(control);
}

bool IsControlEnabled(HWND dialog, int controlId) {
    HWND control = Control(dialog, controlId);
    return control && IsWindowEnabled(control);
}

bool IsChecked(HWND dialog, int controlId) {
    HWND control = RequireControl(dialog, controlId, "IsChecked");
    const auto state = SendWithTimeout(control, BM_GETCHECK, 0, 0);
    if (!state) throw std::runtime_error(LastErrorText("IsChecked: BM_GETCHECK"));
    return *state == BST_CHECKED;
}

void SetControlText(HWND dialog, int controlId, const std::string& text) {
    HWND control = RequireControl(dialog, controlId, "SetControlText");
    const std::wstring wide = Wide(text);
    const auto ok = SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (!ok || !*ok) throw std::runtime_error(LastErrorText("SetControlText: WM_SETTEXT"));
}

std::string DescribeTree(HWND root) {
    std::ostringstream out;
    std::function<void(HWND, int)> describe = [&](HWND window, int depth) {
        out << std::string(static_cast<size_t>(depth) * 2, ' ') << ClassName(window)
            << " id=" << GetDlgCtrlID(window) << (IsWindowVisible(window) ? "" : " hidden")
            << (IsWindowEnabled(window) ? "" : " disabled") << " \"" << StoredText(window) << "\"\n";
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            describe(child, depth + 1);
    };
    if (IsWindow(root)) describe(root, 0);
    return out.str();
}

// --- input ----------------------------------------------------------------

void Click(HWND dialog, int controlId) {
    HWND button = RequireControl(dialog, controlId, "Click");
    if (!IsWindowVisible(button) || !IsWindowEnabled(button)) {
        throw std::runtime_error("Click: control " + std::to_string(controlId) + " (\"" +
                                 StoredText(button) + "\") is " +
                                 (IsWindowVisible(button) ? "disabled" : "hidden"));
    }
    // BM_CLICK rather than a WM_COMMAND/BN_CLICKED to the parent: the button
    // runs its own click handling, so auto check boxes and radio buttons
    // change state as for a real click, and the parent still gets BN_CLICKED.
    // Under Wine it works even when the dialog is not the active window (the
    // caveat in the BM_CLICK docs); the self-test covers both cases.
    // Posted, not sent, so a click that opens a modal loop cannot block us.
    if (!PostMessageW(button, BM_CLICK, 0, 0)) throw std::runtime_error(LastErrorText("Click: PostMessageW"));
}

void PostSysCommand(HWND window, WPARAM command) {
    if (!PostMessageW(window, WM_SYSCOMMAND, command, 0))
        throw std::runtime_error(LastErrorText("PostSysCommand: PostMessageW"));
}

void PostClose(HWND window) {
    if (!PostMessageW(window, WM_CLOSE, 0, 0)) throw std::runtime_error(LastErrorText("PostClose: PostMessageW"));
}

// --- window (system) menu -------------------------------------------------

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool CanReadSystemMenu(HWND window) {
    return IsWindow(window) && GetSystemMenu(window, FALSE) != nullptr;
}

std::vector<MenuItem> SystemMenuItems(HWND window) {
    if (!IsWindow(window)) throw std::runtime_error("SystemMenuItems: not a window");
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) {
        throw std::runtime_error(
            IsOwnProcess(window)
                ? "SystemMenuItems: the window has no system menu"
                : "SystemMenuItems: cannot read the system menu of another process's window here "
                  "(Wine keeps menus per process, GetSystemMenu returns NULL); check the window "
                  "styles and drive the commands with PostSysCommand instead");
    }
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            throw std::runtime_error(LastErrorText("SystemMenuItems: GetMenuItemInfoW"));
        std::wstring text;
        if (info.cch > 0) {
            // Second call with a buffer; cch counts characters without the NUL.
            text.resize(info.cch + 1);
            info.fMask = MIIM_STRING;
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
            if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
                throw std::runtime_error(LastErrorText("SystemMenuItems: GetMenuItemInfoW"));
            text.resize(info.cch);
        }
        MenuItem item{};
        item.id = info.wID;
        item.text = Utf8(text);
        item.separator = (info.fType & MFT_SEPARATOR) != 0;
        item.disabled = (info.fState & MFS_DISABLED) != 0;
        items.push_back(std::move(item));
    }
    return items;
}

std::string PlainMenuText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\t') break;  // the accelerator column
        if (c == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += c;
    }
    return out;
}

// --- message boxes --------------------------------------------------------

namespace {

std::optional<MessageBoxInfo> AsMessageBox(HWND window) {
    if (ClassName(window) != "#32770") return std::nullopt;
    HWND textStatic = GetDlgItem(window, kMessageBoxTextId);
    if (!textStatic || ClassName(textStatic) != "Static") return std::nullopt;
    MessageBoxInfo info{window, {}, {}, {}};
    // A wizard page or other dialog may also have a static with id 0xFFFF
    // (IDC_STATIC in a WORD template), so require the message box's shape.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string cls = ClassName(child);
        if (cls == "Static") continue;
        if (cls != "Button") return std::nullopt;
        const int id = GetDlgCtrlID(child);
        if (id >= IDOK && id <= IDCONTINUE && IsWindowVisible(child) && IsWindowEnabled(child))
            info.buttons.push_back(id);
    }
    if (info.buttons.empty()) return std::nullopt;
    try {
        info.caption = WindowText(window);
        info.text = WindowText(textStatic);
    } catch (const std::runtime_error&) {
        return std::nullopt;  // closing while we read it
    }
    return info;
}

}  // namespace

std::optional<MessageBoxInfo> FindMessageBox(DWORD processId) {
    std::optional<MessageBoxInfo> disabledBox;
    for (HWND window : TopLevelWindows(processId)) {
        auto box = AsMessageBox(window);
        if (!box) continue;
        if (IsWindowEnabled(window)) return box;
        if (!disabledBox) disabledBox = std::move(box);
    }
    return disabledBox;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    std::optional<MessageBoxInfo> found;
    WaitFor([&] { return (found = FindMessageBox(processId)).has_value(); }, timeoutMs);
    return found;
}

void AnswerMessageBox(HWND box, int buttonId) {
    // Only direct children: a message box has no nested dialogs.
    HWND button = GetDlgItem(box, buttonId);
    if (!button || ClassName(button) != "Button")
        throw std::runtime_error("AnswerMessageBox: the box has no button " + std::to_string(buttonId));
    Click(box, buttonId);
}

}  // namespace uidriver
