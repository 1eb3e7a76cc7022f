#pragma once

#include <optional>

#include "win/GdiplusSession.h"
#include "win/Handle.h"

// The application object: prepares the process-wide libraries, runs the
// wizard modally and tears the libraries down afterwards.
class CQuilletApp {
public:
    // Runs the whole wizard. Returns FALSE: the process ends afterwards.
    BOOL InitInstance();

private:
    win::UniqueModule richEditLibrary_;
    // Shut down when the application object goes, after every window and
    // image is gone.
    std::optional<win::GdiplusSession> gdiplus_;
};

extern CQuilletApp theApp;
