#include "TestSupport.h"

#include <cstdlib>

#include "uidriver/uidriver.h"

namespace test_support {

std::wstring BesideTestProgram(const std::wstring& fileName) {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + fileName;
}

COLORREF SaveScreenshot(HWND window, const std::string& name, POINT clientPoint) {
    const auto shot = uidriver::Screenshot::OfWindow(window);
    if (const char* artifacts = std::getenv("QUILLET_ARTIFACTS")) {
        const std::string path = std::string(artifacts) + "\\" + name + ".bmp";
        shot.SaveBmp(std::wstring(path.begin(), path.end()));
    }
    const POINT offset = uidriver::ClientToWindowOffset(window);
    return shot.PixelAt(offset.x + clientPoint.x, offset.y + clientPoint.y);
}

}  // namespace test_support
