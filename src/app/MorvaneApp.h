#pragma once

#include "platform/WinApp.h"

// The application object: prepares the window framework and runs the main window as a modal
// dialog. When that dialog ends, the program ends.
class CMorvaneApp : public CWinApp {
public:
    // Always FALSE, so the program ends as soon as the main window has closed.
    BOOL InitInstance() override;
};
