#pragma once

#include <cstddef>

#include "platform/Dc.h"
#include "platform/WinDefs.h"
#include "platform/Wnd.h"

// Rules that the main window and the panels share.

// Pre-translation: Enter and Escape keep their message but lose their key code, so they never
// press a default button or cancel a dialog.
inline void NeutraliseEnterAndEscape(MSG* msg) {
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        msg->wParam = 0;
    }
}

// Control colours of a window that leaves its own background unpainted: the dialog background,
// list boxes and any kind above CTLCOLOR_STATIC get the hollow brush and black transparent
// text; every other kind keeps the base brush.
inline CBrush* HollowBackgroundBrush(CDC* pDC, UINT ctlColor, CBrush* baseBrush,
                                     CBrush* hollowBrush) {
    switch (ctlColor) {
        case CTLCOLOR_MSGBOX:
        case CTLCOLOR_EDIT:
        case CTLCOLOR_BTN:
        case CTLCOLOR_SCROLLBAR:
        case CTLCOLOR_STATIC:
            return baseBrush;
        default:
            pDC->SetBkMode(TRANSPARENT);
            pDC->SetTextColor(RGB(0, 0, 0));
            return hollowBrush;
    }
}

// Names a screen reader gives the controls whose own caption does not say what they are.
struct SpokenName {
    int id;
    const char* name;
};

template <std::size_t N>
void SetSpokenNames(CWnd& dialog, const SpokenName (&names)[N]) {
    for (const SpokenName& spoken : names) {
        if (CWnd* control = dialog.GetDlgItem(spoken.id)) {
            control->SetAccessibleName(spoken.name);
        }
    }
}
