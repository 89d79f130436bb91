#pragma once

#include <string>

#include "platform/OleDateTime.h"
#include "platform/Wnd.h"

// The controls the program uses. Each is attached to a control of a dialog template with
// DDX_Control; until then its operations do nothing.

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetReadOnly(BOOL readOnly = TRUE);
    // A grey hint shown while the edit is empty.
    BOOL SetCueBanner(const std::string& cue);
};

class CButton : public CWnd {};

// An owner-drawn button that shows one of its bitmaps: pressed while pressed, else focus while
// it has the focus, else disabled while disabled (when there is one), else normal. The bitmap is
// copied into the button from its own top-left corner.
class CBitmapButton : public CButton {
public:
    BOOL LoadBitmaps(UINT normal, UINT pressed = 0, UINT focus = 0, UINT disabled = 0);
    // The id of the face the button shows now (0 when none): for tests.
    UINT CurrentFaceId() const;
    // The face the button shows now, or null.
    const CBitmap* CurrentFace() const;

private:
    enum Face { Normal, Pressed, Focus, Disabled, FaceCount };
    int CurrentFaceIndex() const;  // -1 when there is none to show

    // Faces other than the normal one are read when first shown.
    mutable CBitmap m_faces[FaceCount];
    mutable UINT m_faceIds[FaceCount] = {};
};

// A report-view list: columns with headers, rows of texts.
class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT,
                     int width = -1);
    int InsertItem(int item, const std::string& text);
    BOOL SetItemText(int item, int subItem, const std::string& text);
    BOOL SetItemState(int item, UINT state, UINT mask);
    BOOL DeleteAllItems();
    // LVSCW_AUTOSIZE_USEHEADER on the last column lets it fill the rest of the list's width, as
    // the vertical scroll bar comes and goes.
    BOOL SetColumnWidth(int column, int width);

    int GetItemCount() const;
    // The next item after `start` (-1: from the first) with the state in `flags`
    // (LVNI_SELECTED), or -1.
    int GetNextItem(int start, int flags) const;
    std::string GetItemText(int item, int subItem) const;
    UINT GetItemState(int item, UINT mask) const;
    int GetColumnCount() const;
    std::string GetColumnHeading(int column) const;
    int GetColumnWidth(int column) const;
    int GetColumnFormat(int column) const;
};

// A track bar.
class CSliderCtrl : public CWnd {
public:
    void SetRangeMin(int minimum, BOOL redraw = FALSE);
    void SetRangeMax(int maximum, BOOL redraw = FALSE);
    void SetTicFreq(int frequency);
    void SetPos(int position);
    int GetPos() const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    int GetTicFreq() const;
    // What a screen reader reads as the position ("70 kilos"); the number while none is given.
    void SetValueText(const std::string& text);
};

// A date picker showing the user's short date.
class CDateTimeCtrl : public CWnd {
public:
    BOOL SetTime(const COleDateTime& time);
    BOOL GetTime(COleDateTime& time) const;
};
