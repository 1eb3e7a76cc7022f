#pragma once

#include "win/Dialog.h"

// The about box: the program's name and version.
class CAboutDlg : public win::Dialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
};
