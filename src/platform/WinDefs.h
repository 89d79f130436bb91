#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

// Message, style and command constants of the windowing interfaces the program is written
// against, with their usual values. Only what the program uses.

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using INT_PTR = intptr_t;

// Window messages
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_SYSKEYDOWN = 0x0104;  // a key pressed with Alt held
constexpr UINT WM_SYSCOMMAND = 0x0112;

// Virtual keys
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_PRIOR = 0x21;  // Page Up
constexpr UINT VK_NEXT = 0x22;   // Page Down
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_APPS = 0x5D;  // the Menu key
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F10 = 0x79;

// A message as the pre-translation hook sees it. A key-down whose wParam is set to 0 by the hook
// does nothing.
struct MSG {
    void* hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Accelerator table entries: a key (a virtual key, with Alt when FALT is set) and the command
// it gives.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FALT = 0x10;
struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

// Control notifications handled through message maps
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT NM_RELEASEDCAPTURE = static_cast<UINT>(-16);
constexpr UINT NM_DBLCLK = static_cast<UINT>(-3);             // a list's row double-clicked
constexpr UINT LVN_ITEMCHANGED = static_cast<UINT>(-101);     // a list's selection changed
constexpr UINT DTN_DATETIMECHANGE = static_cast<UINT>(-759);  // the user picked a date

// ShowWindow
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Styles and window positioning
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_FRAMECHANGED = 0x0020;

// Buttons
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;

// Message boxes
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Menus
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RETURNCMD = 0x0100;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_MINIMIZE = 0xF020;

// List view
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;
// Given as the last column's width: it takes the rest of the list's width.
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr int LVNI_SELECTED = 0x0002;

// Control-colour kinds (OnCtlColor)
constexpr UINT CTLCOLOR_MSGBOX = 0;
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_LISTBOX = 2;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_SCROLLBAR = 5;
constexpr UINT CTLCOLOR_STATIC = 6;
