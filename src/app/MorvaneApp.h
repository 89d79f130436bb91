#pragma once

#include "platform/WinApp.h"

// The application object: prepares the window framework and runs the main window as a modal
// dialog. When that dialog ends, the program ends. One runs per data folder (the working
// directory): a second start brings the first one's window to the front and ends.
class CMorvaneApp : public CWinApp {
public:
    // Always FALSE, so the program ends as soon as the main window has closed, or at once when
    // another program runs on this data folder.
    BOOL InitInstance() override;
};
