#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/WinTypes.h"

// Drawing: device contexts and the drawing objects (fonts, pens, brushes, bitmaps) the program
// uses, painted with Qt underneath. Fonts, pens and brushes are plain descriptions here; the
// device context turns them into Qt objects when they are selected.

using COLORREF = DWORD;
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
// What GetPixel answers where there is no pixel to read.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// System colours (GetSysColor), taken from the desktop's palette.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
COLORREF GetSysColor(int index);

// Background modes, stock objects, raster operation
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int HOLLOW_BRUSH = 5;
constexpr int NULL_BRUSH = HOLLOW_BRUSH;
constexpr DWORD SRCCOPY = 0x00CC0020;

// Pens
constexpr int PS_SOLID = 0;

// DrawText formats
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

// CreateFont arguments
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE PROOF_QUALITY = 2;
constexpr BYTE VARIABLE_PITCH = 2;

// GetDeviceCaps
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

struct LOGFONT {
    int lfHeight = 0;  // negative: character height; positive: cell height (pixels)
    int lfWidth = 0;
    int lfEscapement = 0;  // tenths of a degree; 900 runs the text upwards
    int lfOrientation = 0;
    int lfWeight = FW_DONTCARE;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = ANSI_CHARSET;
    BYTE lfOutPrecision = OUT_DEFAULT_PRECIS;
    BYTE lfClipPrecision = CLIP_DEFAULT_PRECIS;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    std::string lfFaceName;
};

struct BITMAP {
    int bmWidth = 0;
    int bmHeight = 0;
};

struct COLORMAP {
    COLORREF from;
    COLORREF to;
};

class CDC;

class CFont {
public:
    // Height from a size in tenths of a point, for the given device (the screen when null).
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName, CDC* pDC = nullptr);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // Copies the description (GetObject in the original interface).
    int GetLogFont(LOGFONT* logFont) const;
    BOOL DeleteObject();
    const LOGFONT& Description() const { return m_logFont; }

private:
    LOGFONT m_logFont;
    bool m_created = false;
};

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    BOOL CreatePen(int style, int width, COLORREF colour);
    BOOL DeleteObject();
    int Width() const { return m_width; }
    COLORREF Colour() const { return m_colour; }

private:
    int m_width = 1;
    COLORREF m_colour = RGB(0, 0, 0);
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour);
    // Only HOLLOW_BRUSH (NULL_BRUSH) is offered: a brush that paints nothing.
    BOOL CreateStockObject(int index);
    BOOL DeleteObject();
    bool IsHollow() const { return m_hollow; }
    COLORREF Colour() const { return m_colour; }

private:
    bool m_hollow = false;
    COLORREF m_colour = RGB(255, 255, 255);
};

struct BitmapData;  // the pixels, held by the platform side
class QImage;

class CBitmap {
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Loads a bitmap of the program's resources by id.
    BOOL LoadBitmap(UINT id);
    // Whether the program's resources hold a bitmap of that id, without reading its pixels.
    static bool Exists(UINT id);
    // Loads a bitmap by id with each colour of the map replaced (CreateMappedBitmap).
    BOOL LoadMappedBitmap(UINT id, UINT flags = 0, const COLORMAP* colorMap = nullptr,
                          int mapSize = 0);
    int GetBitmap(BITMAP* info) const;
    BOOL DeleteObject();
    bool IsLoaded() const;
    COLORREF GetPixel(int x, int y) const;

    const std::shared_ptr<BitmapData>& Data() const { return m_data; }

private:
    BOOL Adopt(const QImage& image);

    std::shared_ptr<BitmapData> m_data;
};
