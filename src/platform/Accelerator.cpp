#include "platform/Accelerator.h"

#include "platform/Wnd.h"

int TranslateAccelerator(CWnd* window, const ACCEL* table, std::size_t count, MSG* msg) {
    if (window == nullptr || msg == nullptr ||
        (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) {
        return 0;
    }
    const bool alt = msg->message == WM_SYSKEYDOWN;
    for (std::size_t i = 0; i < count; ++i) {
        const ACCEL& entry = table[i];
        if (entry.key == msg->wParam && ((entry.fVirt & FALT) != 0) == alt) {
            if (CWnd* button = window->GetDlgItem(entry.cmd)) {
                button->SetFocus();
            }
            window->OnControlNotify(BN_CLICKED, entry.cmd);
            return 1;
        }
    }
    return 0;
}
