#include "TestSupport.h"

#include <cstdlib>

#include "win/Handle.h"

namespace test_support {

std::wstring BesideTestProgram(const std::wstring& fileName) {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + fileName;
}

COLORREF SaveScreenshot(HWND window, const std::string& name, POINT clientPoint) {
    uidriver::BringToFront(window);
    ::Sleep(300);  // let the window repaint after coming to the front
    const auto shot = uidriver::Screenshot::OfWindow(window);
    if (const char* artifacts = std::getenv("QUILLET_ARTIFACTS")) {
        shot.SaveBmp(uidriver::Wide(std::string(artifacts) + "\\" + name + ".bmp"));
    }
    const POINT offset = uidriver::ClientToWindowOffset(window);
    return shot.PixelAt(offset.x + clientPoint.x, offset.y + clientPoint.y);
}

POINT PointInControl(HWND dialog, int controlId, int dxPercent, int dyPercent) {
    RECT rect{};
    ::GetWindowRect(uidriver::Control(dialog, controlId), &rect);
    POINT point{(rect.left + rect.right) / 2 + (rect.right - rect.left) * dxPercent / 100,
                (rect.top + rect.bottom) / 2 + (rect.bottom - rect.top) * dyPercent / 100};
    ::ScreenToClient(dialog, &point);
    return point;
}

std::set<std::string> WorkFolders() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
    std::set<std::string> folders;
    WIN32_FIND_DATAW entry;
    const win::UniqueFindHandle find(
        ::FindFirstFileW((std::wstring(temp, length) + L"ISV*.tmp").c_str(), &entry));
    if (!find) return folders;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            folders.insert(uidriver::Utf8(entry.cFileName));
        }
    } while (::FindNextFileW(find.Get(), &entry));
    return folders;
}

bool Wizard::CloseWithoutQuestion() {
    uidriver::PostClose(host);
    return process.WaitForExit(kTimeoutMs);
}

bool Wizard::WaitForControl(int controlId) const {
    return uidriver::WaitFor([&] { return uidriver::IsControlVisible(host, controlId); }, kTimeoutMs);
}

}  // namespace test_support
