#pragma once

#include "platform/Wnd.h"

// The application object: prepares the window framework and runs InitInstance. Exactly one
// exists while the program runs.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() = 0;
    HICON LoadIcon(UINT id) const;
    // The 3-D look of dialog controls is the desktop's own; nothing to do.
    BOOL Enable3dControls();

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// Starts the window framework with the command line, runs the application's InitInstance and
// returns the process exit code.
int AfxWinMain(CWinApp& app, int argc, char** argv);
