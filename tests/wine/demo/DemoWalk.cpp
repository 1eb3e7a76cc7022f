// Walks the wizard beside this program through every page the way a user
// who accepts everything would, keeping a screenshot of each page in
// QUILLET_ARTIFACTS. The headless demo runs it; it checks nothing.
#include <windows.h>

#include <cstdio>
#include <string>

#include "TestSupport.h"
#include "res/resource.h"

namespace {

constexpr DWORD kPageTimeoutMs = 180000;

// The page the wizard shows now: its visible child dialog.
HWND VisiblePage(HWND host) {
    for (HWND child = ::GetWindow(host, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child) && uidriver::ClassName(child) == "#32770") return child;
    }
    return nullptr;
}

// The button that takes page on; 0 on pages that move on by themselves.
int ForwardButton(HWND page) {
    for (const int id : {IDC_ACCEPT, IDC_AGREE, IDC_NEXT, IDC_FINISH, IDC_CLOSE}) {
        if (uidriver::IsControlVisible(page, id) && uidriver::IsControlEnabled(page, id)) return id;
    }
    return 0;
}

}  // namespace

int main() {
    test_support::Wizard wizard;
    if (!wizard.host) return 1;
    int shown = 0;
    HWND page = nullptr;
    while (wizard.process.IsRunning()) {
        const bool moved = uidriver::WaitFor(
            [&] {
                const HWND now = VisiblePage(wizard.host);
                return !wizard.process.IsRunning() || (now && now != page);
            },
            kPageTimeoutMs);
        if (!moved || !wizard.process.IsRunning()) break;
        page = VisiblePage(wizard.host);
        char name[32];
        std::snprintf(name, sizeof name, "page-%02d", ++shown);
        test_support::SaveScreenshot(wizard.host, name);
        std::printf("%s: %s\n", name, uidriver::WindowText(wizard.host).c_str());
        if (const int button = ForwardButton(page)) uidriver::Click(page, button);
    }
    wizard.process.WaitForExit(test_support::kTimeoutMs);
    std::printf("%d pages\n", shown);
    return 0;
}
