#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Gdi.h"

// One drawing call as a recording device context keeps it, so tests can check what was drawn.
struct DrawCall {
    enum Kind { FillRect, Rectangle, Ellipse, Line, Text, Blit };
    Kind kind;
    CRect rect;         // FillRect, Rectangle, Ellipse, Blit target; Text: origin in left/top
    CPoint from, to;    // Line
    std::string text;   // Text
    COLORREF pen = 0;   // outline or line colour
    COLORREF fill = 0;  // fill colour (FillRect, Rectangle, Ellipse)
    bool filled = false;
    COLORREF textColour = 0;
    LOGFONT font;  // Text: the font selected
};

struct DcState;  // painter and selections, held by the platform side

// A device context. The program gets one from the window framework (erase-background and paint
// handlers), makes a memory one with CreateCompatibleDC, or a test makes an image one
// (CImageDC). Drawing objects are selected by pointer, as in the original interface; the caller
// keeps them alive while selected.
class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(CDC* pDC);

    CFont* SelectObject(CFont* font);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CBitmap* SelectObject(CBitmap* bitmap);
    CFont* GetCurrentFont() const;

    int SetBkMode(int mode);
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    int GetDeviceCaps(int index) const;

    void FillRect(const CRect* rect, CBrush* brush);
    void FillSolidRect(const CRect* rect, COLORREF colour);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Ellipse(int left, int top, int right, int bottom);
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    BOOL TextOut(int x, int y, const std::string& text);
    // With DT_CALCRECT the rectangle is fitted to the text and nothing is drawn.
    int DrawText(const std::string& text, CRect* rect, UINT format);
    CSize GetTextExtent(const std::string& text) const;
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource,
                DWORD rop);
    COLORREF GetPixel(int x, int y) const;

    // Keeps a record of every drawing call from now on (tests).
    void StartRecording(std::vector<DrawCall>* record);

    DcState& State() { return *m_state; }

protected:
    std::unique_ptr<DcState> m_state;
};

// A device context on an offscreen image of the given size, white at first.
class CImageDC : public CDC {
public:
    CImageDC(int width, int height);
    ~CImageDC() override;
};
