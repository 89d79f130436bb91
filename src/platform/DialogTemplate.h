#pragma once

#include <vector>

#include "platform/WinTypes.h"

// A dialog template as data: the window's size in dialog units, its caption and styles, and its
// controls in template order. The program's templates live in res/.

enum class ControlKind {
    PushButton,
    OwnerDrawButton,
    RadioButton,  // auto radio button; one with GroupStart begins a new group
    GroupBox,
    Static,       // text
    StaticFrame,  // black frame
    Picture,      // bitmap static; `bitmap` names it
    Edit,
    ListView,  // report view
    TrackBar,
    DatePicker,
};

// Control styles that matter here.
enum ControlStyle : DWORD {
    CS_NONE = 0,
    CS_GROUP_START = 1u << 0,
    CS_TAB_STOP = 1u << 1,
    CS_BORDER = 1u << 2,
    CS_READ_ONLY = 1u << 3,
    CS_RIGHT_ALIGN = 1u << 4,
    CS_DIGITS_ONLY = 1u << 5,
    CS_AUTO_HSCROLL = 1u << 6,
    CS_NO_BORDER = 1u << 7,
    CS_TICKS_TOP = 1u << 8,
    CS_SINGLE_SELECTION = 1u << 9,
    CS_SHOW_SELECTION_ALWAYS = 1u << 10,
    CS_HIDDEN = 1u << 11,
};

struct ControlTemplate {
    int id;  // IDC_STATIC (-1) when it has none
    ControlKind kind;
    const char* caption;
    int x, y, cx, cy;  // dialog units
    DWORD style;
    UINT bitmap;  // Picture only
};

// Dialog styles that matter here.
enum DialogStyle : DWORD {
    DS_CHILD = 1u << 0,    // a child window inside its parent, no caption
    DS_VISIBLE = 1u << 1,  // shown when created
    DS_CAPTION = 1u << 2,  // has a title bar
    DS_SYSMENU = 1u << 3,  // has a system menu
    DS_MINIMIZE_BOX = 1u << 4,
    DS_MODAL_FRAME = 1u << 5,
};

struct DialogTemplate {
    UINT id;
    int cx, cy;  // dialog units
    const char* caption;
    DWORD style;
    const char* fontFace;  // as the template names it
    int fontPoints;
    std::vector<ControlTemplate> controls;
};

// The template with that id from the program's resources, or null.
const DialogTemplate* FindDialogTemplate(UINT id);
// Every template of the program (tests check each caption fits its rectangle).
const std::vector<const DialogTemplate*>& AllDialogTemplates();
