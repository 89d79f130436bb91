#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Dc.h"
#include "platform/Geometry.h"
#include "platform/WinDefs.h"

class QWidget;
class CDataExchange;
class CMenu;
class WndLink;

struct IconData;
using HICON = IconData*;

// A window. Every CWnd is attached to one Qt widget, made by the layer from a dialog template
// (controls) or by CDialog::Create (dialogs). Texts are 8-bit strings: UTF-8 where valid, and
// any byte that is not valid UTF-8 survives a round trip through a control unchanged.
class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Visibility is the window's own visible bit, not whether it is on screen. ShowWindow sends
    // OnShowWindow exactly when it changes that bit, before changing it. Returns whether the
    // window was visible before.
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    // Only WS_VISIBLE is honoured; no show notification is sent.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    DWORD GetStyle() const;

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void SetFocus();
    // What a screen reader calls the window, when its own text does not say it, and what it
    // adds to that; each change is announced.
    void SetAccessibleName(const std::string& name);
    void SetAccessibleDescription(const std::string& description);

    void GetClientRect(CRect* rect) const;
    void GetWindowRect(CRect* rect) const;  // screen coordinates
    void ScreenToClient(CRect* rect) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    // Schedules OnEraseBkgnd (when erase is set) and OnPaint for the whole window.
    void InvalidateRect(const CRect* rect, BOOL erase = TRUE);
    BOOL IsIconic() const;
    // Restores the window's top-level window when minimised and brings it to the front.
    BOOL SetForegroundWindow();

    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    CWnd* GetParent() const;

    CMenu* GetSystemMenu(BOOL revert);
    HICON SetIcon(HICON icon, BOOL bigIcon);
    int MessageBox(const std::string& text, const std::string& caption = "", UINT type = MB_OK);

    // Window-message handlers. The defaults do what the window framework does by default.
    virtual void OnShowWindow(BOOL show, UINT status);
    // Returns nonzero when the background counts as erased. The default fills dialogs with the
    // brush OnCtlColor gives for CTLCOLOR_DLG (a hollow brush paints nothing) and lets controls
    // paint themselves.
    virtual BOOL OnEraseBkgnd(CDC* pDC);
    virtual void OnPaint();
    virtual CBrush* OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor);
    virtual void OnSysCommand(UINT id, LPARAM param);
    // Control notifications (BN_CLICKED, EN_CHANGE, NM_RELEASEDCAPTURE) from child control `id`.
    // Windows with a message map dispatch here; returns whether a handler took it.
    virtual BOOL OnControlNotify(UINT code, int id);
    // Offered every key-down before it reaches a control, from the control up through its parent
    // windows. Returns TRUE to eat the message; a wParam set to 0 makes the key do nothing.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // The widget behind this window (layer use only).
    QWidget* Widget() const { return m_widget; }
    void AttachWidget(QWidget* widget);
    static CWnd* FromWidget(const QWidget* widget);

protected:
    QWidget* m_widget = nullptr;

private:
    friend class WndLink;  // clears m_widget when the widget goes first
    std::unique_ptr<CMenu> m_systemMenu;
};

// Message maps: a table of (notification, control id) -> handler, kept by each window class as
// a static member and handed to DispatchMessageMap from its OnControlNotify override.
template <class T>
struct MessageMapEntry {
    UINT code;
    int id;
    void (T::*handler)();
};

template <class T, size_t N>
BOOL DispatchMessageMap(T* window, const MessageMapEntry<T> (&map)[N], UINT code, int id) {
    for (const MessageMapEntry<T>& entry : map) {
        if (entry.code == code && entry.id == id) {
            (window->*entry.handler)();
            return TRUE;
        }
    }
    return FALSE;
}

// The window's system menu: Minimise and Close, and whatever the program appends. Choosing an
// entry sends OnSysCommand to the window.
class CMenu {
public:
    BOOL AppendMenu(UINT flags, UINT id = 0, const std::string& text = "");
    // Shows the menu at a screen position until the user chooses an entry or dismisses it, and
    // returns the id chosen, or 0 (as TPM_RETURNCMD asks; the program always asks so). An "&"
    // marks the next letter as the entry's key; "&&" shows one "&".
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;  // 0 for a separator
    std::string GetMenuString(int position) const;

    struct Item {
        UINT flags;
        UINT id;
        std::string text;
    };
    const std::vector<Item>& Items() const { return m_items; }

private:
    std::vector<Item> m_items;
};

// The program's icon by resource id (LoadIcon).
HICON LoadResourceIcon(UINT id);
// A string of the program's string table (LoadString); empty when there is none.
std::string LoadResourceString(UINT id);
