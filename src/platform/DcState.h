#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "platform/Dc.h"

// The pixels of a CBitmap.
struct BitmapData {
    QImage image;
};

// A device context's painter, selections and settings.
struct DcState {
    std::unique_ptr<QImage> ownImage;      // an image DC's image
    std::unique_ptr<QPainter> ownPainter;  // on ownImage, or on a memory DC's selected bitmap
    QPainter* painter = nullptr;           // where drawing goes; null while there is nowhere
    bool memory = false;                   // made by CreateCompatibleDC
    CBitmap* bitmap = nullptr;             // a memory DC's selected bitmap

    QFont deviceFont;  // the font a fresh context holds (the window's font)
    CFont defaultFont;
    CPen defaultPen;
    CBrush defaultBrush;
    CFont* font = &defaultFont;
    CPen* pen = &defaultPen;
    CBrush* brush = &defaultBrush;

    int bkMode = OPAQUE;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    CPoint position;
    int logPixels = 96;
    std::vector<DrawCall>* record = nullptr;
    int drawCount = 0;  // drawing calls so far
};

// Lets a device context draw with a painter the caller owns (a window being painted), with the
// window's font as the context's default font.
void BindPainter(CDC& dc, QPainter& painter, const QFont& deviceFont, int logPixels);

// The Qt font for a font description; `deviceFont` stands in for the template font and for a
// description without a face or height.
QFont ToQFont(const LOGFONT& font, const QFont& deviceFont);

QColor ToQColor(COLORREF colour);
COLORREF ToColorRef(QRgb colour);

// The screen's logical dots per inch (96 without a screen).
int ScreenLogPixels();
