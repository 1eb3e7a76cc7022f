#pragma once

#include "win/Controls.h"
#include "win/Dialog.h"
#include "win/Handle.h"

// The wizard's only top-level window. It guards against a second wizard,
// shows the caption and header of the wizard type, and hosts the pages in
// its page area above the accent-coloured band.
class CQuilletDlg : public win::Dialog {
public:
    CQuilletDlg();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}  // Enter never ends the wizard
    void OnCancel() override { OnClose(); }
    void OnClose() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddAboutItemToSystemMenu();
    void SetIcons();
    // False when another wizard of this type already runs on the machine.
    bool AcquireSingleInstance();
    void RefuseToStart(const wchar_t* text, const wchar_t* caption);
    void PaintMinimized();
    void DeleteWorkFolder();

    win::UniqueIcon bigIcon_;
    win::UniqueIcon smallIcon_;
    win::Static titleStatic_;
    win::Static headerIcon_;
    win::Static headerLine_;
    win::UniqueBrush bandBrush_;
    win::Static bottomBand_;
    win::UniqueKernelHandle instanceMutex_;
};
