// The baseline of the start-up benchmark: the least a Win32 dialog program
// does before its first window shows (an in-memory template, no resources,
// no libraries beyond user32).
#include <windows.h>

namespace {

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        ::EndDialog(dialog, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    struct {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } dialogTemplate{
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_CENTER, 0, 0, 0, 0, 336, 230},
        0,
        0,
        0};
    return static_cast<int>(
        ::DialogBoxIndirectW(instance, &dialogTemplate.header, nullptr, Procedure));
}
