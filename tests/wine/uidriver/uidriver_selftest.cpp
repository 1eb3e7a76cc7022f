// Self-test for uidriver: drives windows this program creates itself and a
// second copy of itself started with a mode argument (see ChildMain).
// Last line: "N passed, N failed"; exit code 1 on any failure.
#include "uidriver.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

using namespace uidriver;

namespace {

// --- what the test dialog looks like (shared by both processes) -----------

constexpr int kStatusId = 100;
constexpr int kEditId = 101;
constexpr int kAcceptId = 102;
constexpr int kFinishId = 103;
constexpr int kAskId = 104;
constexpr int kSwatchId = 105;
constexpr int kHangId = 106;
constexpr int kDisabledId = 107;
constexpr int kNextId = 109;
constexpr int kPageOneId = 200;
constexpr int kPageTwoId = 210;
constexpr int kPageTextId = 201;
constexpr int kHiddenNoteId = 202;
constexpr UINT kAboutItemId = 0x0010;
constexpr UINT kDiagnosticsItemId = 0x0020;

constexpr COLORREF kDialogColour = RGB(0x20, 0xA0, 0x60);
constexpr COLORREF kSwatchColour = RGB(0xC8, 0x1E, 0x8C);
constexpr COLORREF kPopupColour = RGB(0x30, 0x50, 0xD0);
constexpr COLORREF kCoverColour = RGB(0xF0, 0x90, 0x10);

const wchar_t kDialogTitleW[] = L"Quillet Setup – Prüfung";
const char kDialogTitle[] = "Quillet Setup – Prüfung";
const wchar_t kTargetDirW[] = L"C:\\Zielordner\\Grüße";
const char kTargetDir[] = "C:\\Zielordner\\Grüße";
constexpr int kCloseExitCode = 7;
// Finish exits with this, plus 1 if "I accept" is checked and 2 if the
// edit holds kTargetDir, so the parent can see its input arrived.
constexpr int kFinishBase = 0x100;

// Message boxes the Ask button shows, in turn. Wide and UTF-8 texts are
// separate literals so the comparison does not go through uidriver's own
// conversion on both sides.
struct BoxCase {
    UINT type;
    const wchar_t* captionW;
    const wchar_t* textW;
    const char* caption;
    const char* text;
    std::vector<int> buttons;
    int answer;
};
const std::vector<BoxCase> kBoxCases = {
    {MB_OK | MB_ICONINFORMATION, L"Quillet Setup", L"Installation complete.", "Quillet Setup",
     "Installation complete.", {IDOK}, IDOK},
    {MB_YESNO | MB_ICONQUESTION, L"Quillet Setup", L"Cancel the installation?", "Quillet Setup",
     "Cancel the installation?", {IDYES, IDNO}, IDNO},
    {MB_YESNOCANCEL | MB_ICONWARNING, L"Überschreiben?", L"„config.ini“ existiert bereits.",
     "Überschreiben?", "„config.ini“ existiert bereits.", {IDYES, IDNO, IDCANCEL}, IDCANCEL},
    {MB_RETRYCANCEL | MB_ICONERROR, L"Quillet Setup", L"Could not write\nC:\\Program Files\\Quillet\\a.dll",
     "Quillet Setup", "Could not write\nC:\\Program Files\\Quillet\\a.dll", {IDRETRY, IDCANCEL}, IDRETRY},
    {MB_ABORTRETRYIGNORE, L"Quillet Setup", L"Disk full.", "Quillet Setup", "Disk full.",
     {IDABORT, IDRETRY, IDIGNORE}, IDIGNORE},
};

// --- in-memory dialog templates --------------------------------------------

class TemplateWriter {
public:
    TemplateWriter(DWORD style, short cx, short cy, const wchar_t* title) {
        DLGTEMPLATE header{};
        header.style = style | DS_SETFONT;
        header.cx = cx;
        header.cy = cy;
        Raw(header);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // default class
        String(title);
        words_.push_back(8);  // point size
        String(L"MS Shell Dlg");
    }

    void Item(DWORD style, short x, short y, short cx, short cy, int id, const wchar_t* cls, const wchar_t* text) {
        if (words_.size() % 2) words_.push_back(0);  // items are DWORD aligned
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = static_cast<WORD>(id);
        Raw(item);
        String(cls);
        String(text);
        words_.push_back(0);  // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(words_.data())->cdit;
    }

    LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(words_.data()); }

private:
    template <typename T>
    void Raw(const T& value) {
        const size_t at = words_.size();
        words_.resize(at + sizeof(T) / sizeof(WORD));
        std::memcpy(words_.data() + at, &value, sizeof(T));
    }
    void String(const wchar_t* s) {
        for (; *s; ++s) words_.push_back(static_cast<WORD>(*s));
        words_.push_back(0);
    }
    std::vector<WORD> words_;
};

TemplateWriter PageTemplate(const wchar_t* pageText, bool withHiddenNote) {
    TemplateWriter t(WS_CHILD | DS_CONTROL, 200, 50, L"");
    t.Item(WS_VISIBLE | SS_LEFT, 4, 4, 150, 10, kPageTextId, L"Static", pageText);
    if (withHiddenNote) t.Item(SS_LEFT, 4, 20, 150, 10, kHiddenNoteId, L"Static", L"Hidden note");
    return t;
}

TemplateWriter MainTemplate() {
    TemplateWriter t(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME, 262, 140, kDialogTitleW);
    t.Item(WS_VISIBLE | SS_LEFT, 8, 8, 120, 10, kStatusId, L"Static", L"Ready");
    t.Item(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 8, 22, 120, 12, kEditId, L"Edit", L"");
    t.Item(WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 8, 38, 80, 10, kAcceptId, L"Button", L"I accept");
    t.Item(WS_VISIBLE, 140, 8, 60, 30, kSwatchId, L"UidriverSwatch", L"");
    t.Item(WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 8, 120, 40, 14, kFinishId, L"Button", L"Finish");
    t.Item(WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 52, 120, 40, 14, kAskId, L"Button", L"Ask");
    t.Item(WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 96, 120, 40, 14, kHangId, L"Button", L"Hang");
    t.Item(WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, 140, 120, 40, 14, kDisabledId, L"Button", L"Disabled");
    t.Item(WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 184, 120, 30, 14, kNextId, L"Button", L"Next");
    // Like a real wizard: an IDC_STATIC label and a Cancel button, which
    // also make the dialog resemble a message box to a careless finder.
    t.Item(WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 218, 120, 36, 14, IDCANCEL, L"Button", L"Cancel");
    t.Item(WS_VISIBLE | SS_LEFT, 218, 8, 40, 10, kMessageBoxTextId, L"Static", L"Label");
    return t;
}

// --- the test dialog's behaviour --------------------------------------------

HBRUSH DialogBrush() {
    static HBRUSH brush = CreateSolidBrush(kDialogColour);  // lives as long as the process
    return brush;
}

struct DialogOptions {
    bool modeless;
    int x, y;
};
int g_localFinishCode = -1;  // what Finish would have exited with, for the in-process dialog
size_t g_nextBox = 0;

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

HWND CreatePage(HWND dialog, int id, const wchar_t* text, bool withHiddenNote, bool visible) {
    const TemplateWriter t = PageTemplate(text, withHiddenNote);
    HWND page = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t.get(), dialog, PageProc, 0);
    SetWindowLongPtrW(page, GWLP_ID, id);
    RECT area{8, 55, 208, 105};
    MapDialogRect(dialog, &area);
    SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return page;
}

void FinishDialog(HWND dialog, int code) {
    if (GetWindowLongPtrW(dialog, DWLP_USER)) {  // modeless, in this process
        g_localFinishCode = code;
        DestroyWindow(dialog);
    } else {
        EndDialog(dialog, code);
    }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const auto* options = reinterpret_cast<const DialogOptions*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, options->modeless ? 1 : 0);
        SetWindowPos(dialog, nullptr, options->x, options->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        HMENU menu = GetSystemMenu(dialog, FALSE);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutItemId, L"&About Quillet…");
        AppendMenuW(menu, MF_STRING | MF_GRAYED, kDiagnosticsItemId, L"Diagnostics\tCtrl+D");
        CreatePage(dialog, kPageOneId, L"Page one", true, true);
        CreatePage(dialog, kPageTwoId, L"Page two", false, false);
        return TRUE;
    }
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(DialogBrush());
    case WM_CLOSE:
        FinishDialog(dialog, kCloseExitCode);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
        case IDCANCEL:
            FinishDialog(dialog, kCloseExitCode);
            return TRUE;
        case kFinishId: {
            wchar_t edit[256] = {};
            GetDlgItemTextW(dialog, kEditId, edit, 256);
            int code = kFinishBase;
            if (IsDlgButtonChecked(dialog, kAcceptId) == BST_CHECKED) code |= 1;
            if (wcscmp(edit, kTargetDirW) == 0) code |= 2;
            FinishDialog(dialog, code);
            return TRUE;
        }
        case kAskId: {
            const BoxCase& box = kBoxCases[g_nextBox++ % kBoxCases.size()];
            const int answer = MessageBoxW(dialog, box.textW, box.captionW, box.type);
            SetDlgItemTextW(dialog, kStatusId, (L"answer=" + std::to_wstring(answer)).c_str());
            return TRUE;
        }
        case kHangId:
            Sleep(8000);  // a UI thread that stops answering
            return TRUE;
        case kNextId: {
            HWND one = GetDlgItem(dialog, kPageOneId);
            HWND two = GetDlgItem(dialog, kPageTwoId);
            const bool showTwo = IsWindowVisible(one);
            ShowWindow(one, showTwo ? SW_HIDE : SW_SHOW);
            ShowWindow(two, showTwo ? SW_SHOW : SW_HIDE);
            return TRUE;
        }
        }
        return FALSE;
    }
    return FALSE;
}

void RegisterTestClasses() {
    static HBRUSH swatch = CreateSolidBrush(kSwatchColour);
    static HBRUSH popup = CreateSolidBrush(kPopupColour);
    static HBRUSH cover = CreateSolidBrush(kCoverColour);
    struct Class {
        const wchar_t* name;
        HBRUSH brush;
    };
    for (const Class& c : {Class{L"UidriverSwatch", swatch}, Class{L"UidriverPopup", popup},
                           Class{L"UidriverCover", cover}}) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = c.brush;
        wc.lpszClassName = c.name;
        RegisterClassW(&wc);
    }
}

// --- child process ---------------------------------------------------------

int ChildMain(int argc, wchar_t** argv) {
    const std::wstring mode = argv[1];
    if (mode == L"--exit" && argc > 2) return static_cast<int>(std::wcstoul(argv[2], nullptr, 0));
    if (mode == L"--argc") return argc;
    if (mode == L"--sleep") {
        Sleep(120000);  // the parent ends us long before this
        return 0;
    }
    if (mode == L"--dialog") {
        RegisterTestClasses();
        const TemplateWriter t = MainTemplate();
        DialogOptions options{false, 40, 40};
        return static_cast<int>(DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.get(), nullptr, DialogProc,
                                                        reinterpret_cast<LPARAM>(&options)));
    }
    return 99;
}

// --- test bookkeeping --------------------------------------------------------

struct Tally {
    int passed = 0;
    int failed = 0;
    std::string group;

    void Check(bool ok, const std::string& what) {
        if (ok) {
            ++passed;
        } else {
            ++failed;
            std::printf("FAIL [%s] %s\n", group.c_str(), what.c_str());
        }
    }
    template <typename F>
    void Throws(F&& f, const std::string& what) {
        bool threw = false;
        try {
            f();
        } catch (const std::exception&) {
            threw = true;
        }
        Check(threw, what + " throws");
    }
};

#define CHECK(t, cond) (t).Check((cond), std::string(#cond) + "  (line " + std::to_string(__LINE__) + ")")

// Runs one group; an unexpected exception counts as one failure.
template <typename F>
void Group(Tally& t, const std::string& name, F&& body) {
    t.group = name;
    const int before = t.failed + t.passed;
    try {
        body();
    } catch (const std::exception& e) {
        t.Check(false, std::string("unexpected exception: ") + e.what());
    }
    std::printf("group %-28s %d checks\n", name.c_str(), t.failed + t.passed - before);
    std::fflush(stdout);
}

std::wstring SelfPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::string Hex(COLORREF c) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return buffer;
}

// Owns windows the test creates in this process.
class OwnWindow {
public:
    explicit OwnWindow(HWND window) : window_(window) {}
    ~OwnWindow() {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

HWND CreateLocalDialog(int x, int y) {
    const TemplateWriter t = MainTemplate();
    DialogOptions options{true, x, y};
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t.get(), nullptr, DialogProc,
                                             reinterpret_cast<LPARAM>(&options));
    ShowWindow(dialog, SW_SHOW);
    PumpMessages();
    return dialog;
}

HWND CreatePopup(const wchar_t* cls, int x, int y, int cx, int cy) {
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, cls, L"", WS_POPUP | WS_VISIBLE, x, y, cx, cy, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    PumpMessages();
    return window;
}

// --- groups -----------------------------------------------------------------

void TestText(Tally& t) {
    struct Case {
        const wchar_t* wide;
        const char* utf8;
    };
    for (const Case& c : {Case{L"", ""}, Case{L"plain", "plain"}, Case{L"Grüße – „ok“", "Grüße – „ok“"},
                          Case{L"\U0001F680 rocket", "\U0001F680 rocket"}}) {
        t.Check(Utf8(c.wide) == c.utf8, std::string("Utf8 of \"") + c.utf8 + "\"");
        t.Check(Wide(c.utf8) == c.wide, std::string("Wide of \"") + c.utf8 + "\"");
    }
    struct MenuCase {
        const char* raw;
        const char* plain;
    };
    for (const MenuCase& c : {MenuCase{"&Close\tAlt+F4", "Close"}, MenuCase{"Save &&Exit", "Save &Exit"},
                              MenuCase{"&About Quillet…", "About Quillet…"}, MenuCase{"", ""},
                              MenuCase{"Mo&ve", "Move"}}) {
        t.Check(PlainMenuText(c.raw) == c.plain, std::string("PlainMenuText(\"") + c.raw + "\")");
    }
}

void TestWaitFor(Tally& t) {
    int calls = 0;
    ULONGLONG start = GetTickCount64();
    CHECK(t, WaitFor([&] { return ++calls > 0; }, 1000) && calls == 1);

    calls = 0;
    start = GetTickCount64();
    const bool never = WaitFor([&] { ++calls; return false; }, 300, 20);
    const ULONGLONG elapsed = GetTickCount64() - start;
    CHECK(t, !never);
    t.Check(elapsed >= 300 && elapsed < 1000, "timeout honoured, took " + std::to_string(elapsed) + " ms");
    t.Check(calls >= 5 && calls <= 20, "polled about every 20 ms, calls=" + std::to_string(calls));

    calls = 0;
    CHECK(t, WaitFor([&] { return ++calls == 5; }, 5000, 10) && calls == 5);

    // The last look happens at the deadline even when the poll interval is
    // longer than the timeout.
    start = GetTickCount64();
    CHECK(t, WaitFor([&] { return GetTickCount64() - start >= 200; }, 200, 1000));

    // Messages for our own windows are handled while waiting.
    OwnWindow window(CreatePopup(L"UidriverPopup", 0, 0, 10, 10));
    PostMessageW(window.get(), WM_CLOSE, 0, 0);  // DefWindowProc destroys it
    CHECK(t, WaitFor([&] { return !IsWindow(window.get()); }, 2000));
}

void TestProcess(Tally& t) {
    const std::wstring self = SelfPath();

    for (const wchar_t* bad : {L"C:\\no\\such\\dir\\quillet.exe", L"", L"C:\\windows"}) {
        t.Throws([&] { Process::Launch(bad); }, "Launch(\"" + Utf8(bad) + "\")");
    }

    for (DWORD code : {0ul, 3ul, 42ul, 0x1234ul, static_cast<unsigned long>(STILL_ACTIVE)}) {
        Process p = Process::Launch(self, L"--exit " + std::to_wstring(code));
        const bool ended = p.WaitForExit(10000);
        t.Check(ended && !p.IsRunning() && p.ExitCode() == code, "exit code " + std::to_string(code));
    }

    // Quoting of the path and arguments: argc as the child sees it.
    const auto spaced = std::filesystem::temp_directory_path() / L"uidriver self test" / L"copy of selftest.exe";
    std::filesystem::create_directories(spaced.parent_path());
    std::filesystem::copy_file(self, spaced, std::filesystem::copy_options::overwrite_existing);
    struct ArgCase {
        std::wstring exe;
        std::wstring args;
        DWORD argc;
    };
    for (const ArgCase& c : {ArgCase{self, L"--argc", 2}, ArgCase{self, L"--argc one \"two three\" four", 5},
                             ArgCase{spaced.wstring(), L"--argc x", 3}}) {
        Process p = Process::Launch(c.exe, c.args);
        p.WaitForExit(10000);
        t.Check(p.ExitCode() == c.argc, "argc for " + Utf8(c.args) + " from " + Utf8(c.exe));
    }
    std::error_code ignored;
    std::filesystem::remove_all(spaced.parent_path(), ignored);

    {
        Process p = Process::Launch(self, L"--sleep");
        CHECK(t, p.Id() != 0 && p.Id() == GetProcessId(p.Handle()));
        CHECK(t, p.IsRunning());
        CHECK(t, !p.ExitCode().has_value());
        CHECK(t, !p.WaitForExit(100));
        CHECK(t, TopLevelWindows(p.Id()).empty() && FindTopLevelWindow(p.Id()) == nullptr);
        p.Terminate();
        CHECK(t, !p.IsRunning());
        CHECK(t, p.ExitCode() == Process::kTerminatedExitCode);
    }

    // Destruction, moving and move-assignment end exactly the processes they
    // should; observe them through our own handles.
    auto observe = [](DWORD pid) {
        return UniqueHandle(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    };
    auto ended = [](const UniqueHandle& h) { return WaitForSingleObject(h.get(), 0) == WAIT_OBJECT_0; };
    auto exitCode = [](const UniqueHandle& h) {
        DWORD code = 0;
        GetExitCodeProcess(h.get(), &code);
        return code;
    };

    UniqueHandle first;
    {
        Process p = Process::Launch(self, L"--sleep");
        first = observe(p.Id());
        CHECK(t, first && !ended(first));
    }
    CHECK(t, ended(first) && exitCode(first) == Process::kTerminatedExitCode);

    Process a = Process::Launch(self, L"--sleep");
    const DWORD pidA = a.Id();
    UniqueHandle watchA = observe(pidA);
    Process b;
    CHECK(t, b.Id() == 0 && !b.IsRunning() && !b.ExitCode());
    {
        Process moved = std::move(a);
        CHECK(t, a.Id() == 0 && !a.IsRunning() && moved.Id() == pidA && moved.IsRunning());
        b = std::move(moved);
    }  // the moved-from shell is destroyed here and must not touch the process
    CHECK(t, !ended(watchA) && b.Id() == pidA);
    b = Process::Launch(self, L"--sleep");  // replacing it ends the old one
    CHECK(t, ended(watchA) && b.IsRunning() && b.Id() != pidA);
}

// Checks shared by the in-process dialog and the one in the child process.
void ExerciseDialog(Tally& t, HWND dialog, DWORD pid) {
    CHECK(t, ClassName(dialog) == "#32770");
    CHECK(t, WindowText(dialog) == kDialogTitle);

    struct FindCase {
        const char* cls;
        const char* title;
        bool found;
    };
    for (const FindCase& c : {FindCase{"#32770", kDialogTitle, true}, FindCase{"#32770", "", true},
                              FindCase{"", kDialogTitle, true}, FindCase{"Nope", "", false},
                              FindCase{"#32770", "Quillet Setup", false}, FindCase{"#3277", "", false}}) {
        const HWND found = FindTopLevelWindow(pid, c.cls, c.title);
        t.Check(c.found ? found == dialog : found == nullptr,
                std::string("FindTopLevelWindow(\"") + c.cls + "\", \"" + c.title + "\")");
    }
    const auto all = TopLevelWindows(pid);
    CHECK(t, std::find(all.begin(), all.end(), dialog) != all.end());
    CHECK(t, WaitForTopLevelWindow(pid, "#32770", 1000) == dialog);

    CHECK(t, ControlText(dialog, kStatusId) == "Ready");
    CHECK(t, Control(dialog, kStatusId) == GetDlgItem(dialog, kStatusId));
    CHECK(t, Control(dialog, 4242) == nullptr && FindDescendant(dialog, 4242) == nullptr);
    t.Throws([&] { ControlText(dialog, 4242); }, "ControlText of a missing control");

    // Pages are nested dialogs that reuse control ids; the visible one wins.
    const HWND pageOne = Control(dialog, kPageOneId);
    const HWND pageTwo = Control(dialog, kPageTwoId);
    CHECK(t, pageOne && pageTwo && ClassName(pageOne) == "#32770");
    CHECK(t, GetDlgItem(dialog, kPageTextId) == nullptr);
    CHECK(t, GetParent(FindDescendant(dialog, kPageTextId)) == pageOne);
    CHECK(t, ControlText(dialog, kPageTextId) == "Page one");
    CHECK(t, IsControlVisible(dialog, kPageOneId) && !IsControlVisible(dialog, kPageTwoId));
    CHECK(t, Control(dialog, kHiddenNoteId) != nullptr && !IsControlVisible(dialog, kHiddenNoteId));
    CHECK(t, ControlText(dialog, kHiddenNoteId) == "Hidden note");
    Click(dialog, kNextId);
    CHECK(t, WaitFor([&] { return ControlText(dialog, kPageTextId) == "Page two"; }, 5000));
    CHECK(t, !IsControlVisible(dialog, kPageOneId) && IsControlVisible(dialog, kPageTwoId));
    CHECK(t, GetParent(FindDescendant(dialog, kPageTextId)) == pageTwo);
    Click(dialog, kNextId);
    CHECK(t, WaitFor([&] { return ControlText(dialog, kPageTextId) == "Page one"; }, 5000));

    SetControlText(dialog, kEditId, kTargetDir);
    CHECK(t, ControlText(dialog, kEditId) == kTargetDir);

    // Each click flips the auto check box, as a real click would.
    CHECK(t, !IsChecked(dialog, kAcceptId));
    for (bool expected : {true, false, true}) {
        Click(dialog, kAcceptId);
        t.Check(WaitFor([&] { return IsChecked(dialog, kAcceptId) == expected; }, 5000),
                std::string("check box now ") + (expected ? "checked" : "unchecked"));
    }

    CHECK(t, IsControlEnabled(dialog, kFinishId) && !IsControlEnabled(dialog, kDisabledId));
    CHECK(t, !IsControlVisible(dialog, 4242) && !IsControlEnabled(dialog, 4242));
    struct BadClick {
        int id;
        const char* why;
    };
    for (const BadClick& c : {BadClick{kDisabledId, "disabled"}, BadClick{4242, "missing"},
                              BadClick{kHiddenNoteId, "hidden"}}) {
        t.Throws([&] { Click(dialog, c.id); }, std::string("Click on a ") + c.why + " control");
    }
}

void TestMessageBoxes(Tally& t, const Process& child, HWND dialog) {
    // The main dialog has a 0xFFFF static and an IDCANCEL button, yet it is
    // not a message box.
    CHECK(t, GetDlgItem(dialog, kMessageBoxTextId) && GetDlgItem(dialog, IDCANCEL));
    CHECK(t, !FindMessageBox(child.Id()).has_value());
    for (size_t i = 0; i < kBoxCases.size(); ++i) {
        const BoxCase& c = kBoxCases[i];
        const std::string name = "box " + std::to_string(i) + ": ";
        SetControlText(dialog, kStatusId, "asking");
        Click(dialog, kAskId);
        const auto box = WaitForMessageBox(child.Id(), 5000);
        t.Check(box.has_value(), name + "appeared");
        if (!box) continue;
        t.Check(box->caption == c.caption, name + "caption \"" + box->caption + "\"");
        t.Check(box->text == c.text, name + "text \"" + box->text + "\"");
        auto buttons = box->buttons;
        auto expected = c.buttons;
        std::sort(buttons.begin(), buttons.end());
        std::sort(expected.begin(), expected.end());
        t.Check(buttons == expected, name + "buttons");
        t.Check(!IsWindowEnabled(dialog), name + "owner disabled while the box is up");
        t.Throws([&] { AnswerMessageBox(box->window, 4242); }, name + "answering with a missing button");
        AnswerMessageBox(box->window, c.answer);
        const std::string want = "answer=" + std::to_string(c.answer);
        t.Check(WaitFor([&] { return ControlText(dialog, kStatusId) == want; }, 8000),
                name + "child got " + want);
        t.Check(WaitFor([&] { return !FindMessageBox(child.Id()); }, 5000), name + "closed");
    }
}

void TestSystemMenu(Tally& t, HWND localDialog, HWND childDialog) {
    // Our own window's menu is readable everywhere.
    const auto items = SystemMenuItems(localDialog);
    auto find = [&](UINT id) {
        return std::find_if(items.begin(), items.end(), [&](const MenuItem& m) { return !m.separator && m.id == id; });
    };
    CHECK(t, CanReadSystemMenu(localDialog));
    const auto close = find(SC_CLOSE);
    CHECK(t, close != items.end() && PlainMenuText(close->text) == "Close" && !close->disabled);
    CHECK(t, find(SC_MOVE) != items.end());
    const auto about = find(kAboutItemId);
    const auto diagnostics = find(kDiagnosticsItemId);
    CHECK(t, about != items.end() && about->text == "&About Quillet…" && !about->disabled);
    CHECK(t, diagnostics != items.end() && diagnostics->text == "Diagnostics\tCtrl+D" && diagnostics->disabled);
    CHECK(t, items.size() >= 3 && items[items.size() - 3].separator && std::next(about) == diagnostics);

    // Another process's window: Wine cannot read it; Windows can.
    if (RunningUnderWine()) {
        CHECK(t, !CanReadSystemMenu(childDialog));
        t.Throws([&] { SystemMenuItems(childDialog); }, "SystemMenuItems of another process under Wine");
    } else {
        const auto remote = SystemMenuItems(childDialog);
        CHECK(t, remote.size() == items.size());
    }
}

void TestSysCommands(Tally& t, HWND dialog) {
    PostSysCommand(dialog, SC_MINIMIZE);
    CHECK(t, WaitFor([&] { return IsIconic(dialog) != FALSE; }, 5000));
    PostSysCommand(dialog, SC_RESTORE);
    CHECK(t, WaitFor([&] { return !IsIconic(dialog) && IsWindowVisible(dialog); }, 5000));
}

void TestCloseVariants(Tally& t) {
    struct CloseCase {
        const char* name;
        void (*close)(HWND);
    };
    for (const CloseCase& c : {CloseCase{"PostClose", [](HWND w) { PostClose(w); }},
                               CloseCase{"SC_CLOSE", [](HWND w) { PostSysCommand(w, SC_CLOSE); }},
                               CloseCase{"Cancel button", [](HWND w) { Click(w, IDCANCEL); }}}) {
        Process child = Process::Launch(SelfPath(), L"--dialog");
        const HWND dialog = WaitForTopLevelWindow(child.Id(), "#32770", 10000);
        t.Check(dialog != nullptr, std::string(c.name) + ": dialog appeared");
        if (!dialog) continue;
        c.close(dialog);
        t.Check(child.WaitForExit(10000) && child.ExitCode() == static_cast<DWORD>(kCloseExitCode),
                std::string(c.name) + ": exited through WM_CLOSE");
    }
}

// Reads back a .bmp written by SaveBmp with nothing but the file format.
struct Bmp {
    int width = 0, height = 0, bits = 0;
    std::vector<unsigned char> data;
    size_t offset = 0;
    bool ok = false;
    COLORREF At(int x, int y) const {
        const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
        const size_t at = offset + static_cast<size_t>(height - 1 - y) * row + static_cast<size_t>(x) * 3;
        return RGB(data[at + 2], data[at + 1], data[at]);
    }
};
Bmp ReadBmp(const std::filesystem::path& path) {
    Bmp bmp;
    std::ifstream in(path, std::ios::binary);
    bmp.data.assign(std::istreambuf_iterator<char>(in), {});
    if (bmp.data.size() < 54 || bmp.data[0] != 'B' || bmp.data[1] != 'M') return bmp;
    auto u32 = [&](size_t at) {
        std::uint32_t v;
        std::memcpy(&v, &bmp.data[at], 4);
        return v;
    };
    std::int32_t w, h;
    std::memcpy(&w, &bmp.data[18], 4);
    std::memcpy(&h, &bmp.data[22], 4);
    bmp.width = w;
    bmp.height = h;
    bmp.bits = bmp.data[28] | (bmp.data[29] << 8);
    bmp.offset = u32(10);
    const size_t row = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
    bmp.ok = u32(2) == bmp.data.size() && bmp.offset + row * static_cast<size_t>(h) == bmp.data.size();
    return bmp;
}

void TestScreenshots(Tally& t, HWND childDialog, HWND localDialog, const std::filesystem::path& shotDir) {
    OwnWindow popup(CreatePopup(L"UidriverPopup", 900, 500, 120, 80));

    // Where to look in each window and what colour must be there.
    struct Probe {
        const char* what;
        POINT at;  // in window coordinates
        COLORREF colour;
    };
    auto swatchCentre = [](HWND dialog) {
        RECT window{}, swatch{};
        GetWindowRect(dialog, &window);
        GetWindowRect(Control(dialog, kSwatchId), &swatch);
        return POINT{(swatch.left + swatch.right) / 2 - window.left, (swatch.top + swatch.bottom) / 2 - window.top};
    };
    auto clientPoint = [](HWND window, int x, int y) {
        const POINT offset = ClientToWindowOffset(window);
        return POINT{offset.x + x, offset.y + y};
    };
    struct Target {
        const char* name;
        HWND window;
        bool framed;
        COLORREF client;
        std::vector<Probe> probes;
    };
    const std::vector<Target> targets = {
        {"child dialog", childDialog, true, kDialogColour,
         {{"client corner", clientPoint(childDialog, 3, 3), kDialogColour},
          {"swatch", swatchCentre(childDialog), kSwatchColour}}},
        {"local dialog", localDialog, true, kDialogColour,
         {{"client corner", clientPoint(localDialog, 3, 3), kDialogColour},
          {"swatch", swatchCentre(localDialog), kSwatchColour}}},
        {"local popup", popup.get(), false, kPopupColour,
         {{"top-left", {0, 0}, kPopupColour}, {"bottom-right", {119, 79}, kPopupColour}}},
    };

    for (const Target& target : targets) {
        const std::string name = target.name;
        t.Check(BringToFront(target.window), name + ": brought to front");
        const Screenshot shot = Screenshot::OfWindowWhenStable(target.window);
        RECT rect{};
        GetWindowRect(target.window, &rect);
        t.Check(shot.Width() == rect.right - rect.left && shot.Height() == rect.bottom - rect.top, name + ": size");
        for (const Probe& p : target.probes) {
            const COLORREF got = shot.PixelAt(p.at.x, p.at.y);
            t.Check(got == p.colour, name + ": " + p.what + " is " + Hex(got) + ", want " + Hex(p.colour));
        }
        // The client area starts exactly at the offset: the pixel there is
        // client colour, the ones just left of and above it are frame.
        const POINT offset = ClientToWindowOffset(target.window);
        t.Check(target.framed ? (offset.x > 0 && offset.y > offset.x) : (offset.x == 0 && offset.y == 0),
                name + ": client offset " + std::to_string(offset.x) + "," + std::to_string(offset.y));
        t.Check(shot.PixelAt(offset.x, offset.y) == target.client, name + ": pixel at client origin");
        if (target.framed) {
            t.Check(shot.PixelAt(offset.x - 1, offset.y + 3) != target.client, name + ": left frame pixel");
            t.Check(shot.PixelAt(offset.x + 3, offset.y - 1) != target.client, name + ": top frame pixel");
        }
        for (POINT outside : {POINT{-1, 0}, POINT{0, -1}, POINT{shot.Width(), 0}, POINT{0, shot.Height()}}) {
            t.Throws([&] { shot.PixelAt(outside.x, outside.y); },
                     name + ": PixelAt(" + std::to_string(outside.x) + "," + std::to_string(outside.y) + ")");
        }
    }

    // It is a screen capture: a window on top shows in it until the target
    // is brought back to the front.
    const POINT corner = clientPoint(childDialog, 3, 3);
    RECT childRect{};
    GetWindowRect(childDialog, &childRect);
    {
        OwnWindow cover(CreatePopup(L"UidriverCover", childRect.left + corner.x - 2, childRect.top + corner.y - 2, 60, 40));
        CHECK(t, BringToFront(cover.get()));
        const COLORREF covered = Screenshot::OfWindowWhenStable(childDialog).PixelAt(corner.x, corner.y);
        t.Check(covered == kCoverColour, "covered child shows the cover: " + Hex(covered));
        CHECK(t, BringToFront(childDialog));
        const COLORREF uncovered = Screenshot::OfWindowWhenStable(childDialog).PixelAt(corner.x, corner.y);
        t.Check(uncovered == kDialogColour, "child in front again: " + Hex(uncovered));
    }

    // Saved pictures carry the same pixels.
    const Screenshot shot = Screenshot::OfWindow(childDialog);
    const auto path = shotDir / L"uidriver_child_dialog.bmp";
    CHECK(t, shot.SaveBmp(path.wstring()));
    const Bmp bmp = ReadBmp(path);
    CHECK(t, bmp.ok && bmp.bits == 24 && bmp.width == shot.Width() && bmp.height == shot.Height());
    if (bmp.ok) {
        const POINT swatch = swatchCentre(childDialog);
        for (POINT p : {corner, swatch, POINT{0, 0}, POINT{shot.Width() - 1, shot.Height() - 1}}) {
            t.Check(bmp.At(p.x, p.y) == shot.PixelAt(p.x, p.y),
                    "bmp pixel " + std::to_string(p.x) + "," + std::to_string(p.y));
        }
        CHECK(t, bmp.At(swatch.x, swatch.y) == kSwatchColour);
    }
    std::printf("saved %s\n", path.string().c_str());
    CHECK(t, !shot.SaveBmp(L"C:\\no\\such\\dir\\x.bmp"));
}

void TestHungTarget(Tally& t) {
    UniqueHandle watch;
    {
        Process child = Process::Launch(SelfPath(), L"--dialog");
        const HWND dialog = WaitForTopLevelWindow(child.Id(), "#32770", 10000);
        CHECK(t, dialog != nullptr);
        if (!dialog) return;
        watch.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, child.Id()));
        Click(dialog, kHangId);  // posted: returns at once although the child will sleep
        WaitFor([] { return false; }, 500);
        const ULONGLONG start = GetTickCount64();
        t.Throws([&] { ControlText(dialog, kStatusId); }, "reading a hung window");
        const ULONGLONG elapsed = GetTickCount64() - start;
        t.Check(elapsed <= kSendTimeoutMs + 1500, "gave up after " + std::to_string(elapsed) + " ms");
        CHECK(t, child.IsRunning());

        // Searching by title, describing the tree and a refused click
        // must not wait on the hung window.
        struct Quick {
            const char* what;
            std::function<bool()> run;
        };
        for (const Quick& q : std::vector<Quick>{
                 {"FindTopLevelWindow by title", [&] { return FindTopLevelWindow(child.Id(), "#32770", kDialogTitle) == dialog; }},
                 {"DescribeTree", [&] { return DescribeTree(dialog).find("Hang") != std::string::npos; }},
                 {"Click on a disabled button", [&] {
                      try {
                          Click(dialog, kDisabledId);
                      } catch (const std::runtime_error& e) {
                          return std::string(e.what()).find("disabled") != std::string::npos;
                      }
                      return false;
                  }}}) {
            const ULONGLONG begin = GetTickCount64();
            const bool ok = q.run();
            const ULONGLONG took = GetTickCount64() - begin;
            t.Check(ok && took < 1000, std::string(q.what) + " on a hung window, " + std::to_string(took) + " ms");
        }
    }  // the guard ends the still-hung child
    DWORD code = 0;
    CHECK(t, WaitForSingleObject(watch.get(), 0) == WAIT_OBJECT_0 && GetExitCodeProcess(watch.get(), &code) &&
                 code == Process::kTerminatedExitCode);
}

int ParentMain() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    RegisterTestClasses();
    Tally t;
    const std::filesystem::path shotDir = std::filesystem::current_path();

    Group(t, "text", [&] { TestText(t); });
    Group(t, "wait", [&] { TestWaitFor(t); });
    Group(t, "process", [&] { TestProcess(t); });

    OwnWindow local(CreateLocalDialog(700, 40));
    Group(t, "dialog in this process", [&] { ExerciseDialog(t, local.get(), GetCurrentProcessId()); });

    Process child = Process::Launch(SelfPath(), L"--dialog");
    const HWND dialog = WaitForTopLevelWindow(child.Id(), "#32770", 10000);
    t.group = "child";
    CHECK(t, dialog != nullptr);
    if (dialog) {
        Group(t, "dialog in another process", [&] {
            // Clicks must work when the dialog is not the active window.
            BringToFront(local.get());
            CHECK(t, GetForegroundWindow() != dialog);
            ExerciseDialog(t, dialog, child.Id());
        });
        Group(t, "message boxes", [&] { TestMessageBoxes(t, child, dialog); });
        Group(t, "system menu", [&] { TestSystemMenu(t, local.get(), dialog); });
        Group(t, "system commands", [&] {
            TestSysCommands(t, dialog);
            TestCloseVariants(t);
        });
        Group(t, "screenshots", [&] { TestScreenshots(t, dialog, local.get(), shotDir); });
        Group(t, "finish", [&] {
            // ExerciseDialog left the box checked and the edit set in both.
            Click(dialog, kFinishId);
            CHECK(t, child.WaitForExit(10000) && child.ExitCode() == static_cast<DWORD>(kFinishBase | 3));
            Click(local.get(), kFinishId);
            CHECK(t, WaitFor([&] { return !IsWindow(local.get()); }, 5000) && g_localFinishCode == (kFinishBase | 3));
        });
    }
    Group(t, "hung target", [&] { TestHungTarget(t); });

    std::printf("%d passed, %d failed\n", t.passed, t.failed);
    return t.failed == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv);  // declared for -Wmissing-declarations; main would be exempt

int wmain(int argc, wchar_t** argv) {
    try {
        if (argc > 1) return ChildMain(argc, argv);
        return ParentMain();
    } catch (const std::exception& e) {
        std::printf("fatal: %s\n0 passed, 1 failed\n", e.what());
        return 1;
    }
}
