#pragma once

#include "platform/Dialog.h"

// The about box, opened from the main window's system menu. Its template names the product
// and its version; Enter, Escape and the close box close it.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
