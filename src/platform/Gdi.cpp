#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/DcState.h"
#include "platform/Pictures.h"
#include "platform/QtText.h"
#include "platform/Units.h"

namespace {

bool SameFace(const std::string& face, const char* name) {
    return QString::fromStdString(face).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The template font names a bitmap face Linux lacks; the window's own font stands in for it.
bool IsTemplateFace(const std::string& face) {
    return face.empty() || SameFace(face, "MS Sans Serif") || SameFace(face, "MS Shell Dlg");
}

// A positive height is the cell height (ascent + descent); Qt sizes fonts by their em.
int PixelSizeForCellHeight(QFont font, int cellHeight) {
    constexpr int kProbe = 100;
    font.setPixelSize(kProbe);
    const QFontMetricsF metrics(font);
    const double cellPerPixel = (metrics.ascent() + metrics.descent()) / kProbe;
    return std::max(1, static_cast<int>(std::lround(cellHeight / cellPerPixel)));
}

}  // namespace

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

COLORREF ToColorRef(QRgb colour) {
    return RGB(qRed(colour), qGreen(colour), qBlue(colour));
}

int ScreenLogPixels() {
    const QScreen* screen =
        QCoreApplication::instance() != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    return screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
}

QFont ToQFont(const LOGFONT& logFont, const QFont& deviceFont) {
    QFont font(deviceFont);
    if (SameFace(logFont.lfFaceName, "Arial")) {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    } else if (!IsTemplateFace(logFont.lfFaceName)) {
        font.setFamilies({ToQString(logFont.lfFaceName)});
    }
    if (logFont.lfHeight < 0) {
        font.setPixelSize(-logFont.lfHeight);
    } else if (logFont.lfHeight > 0) {
        font.setPixelSize(PixelSizeForCellHeight(font, logFont.lfHeight));
    }
    if (logFont.lfWeight != FW_DONTCARE) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(logFont.lfWeight, 100, 900)));
    }
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

COLORREF GetSysColor(int index) {
    if (QCoreApplication::instance() == nullptr) {
        return index == COLOR_WINDOWTEXT ? RGB(0, 0, 0)
               : index == COLOR_BTNFACE  ? RGB(240, 240, 240)
                                         : RGB(255, 255, 255);
    }
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
        case COLOR_WINDOW:
            return ToColorRef(palette.color(QPalette::Base).rgb());
        case COLOR_WINDOWTEXT:
            return ToColorRef(palette.color(QPalette::WindowText).rgb());
        case COLOR_BTNFACE:
            return ToColorRef(palette.color(QPalette::Button).rgb());
        default:
            return 0;
    }
}

// Fonts

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName, CDC* pDC) {
    const int logPixels = pDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : ScreenLogPixels();
    LOGFONT logFont;
    logFont.lfHeight = -std::abs(MulDiv(pointSizeTenths, logPixels, 720));
    logFont.lfFaceName = faceName != nullptr ? faceName : "";
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const char* faceName) {
    LOGFONT logFont;
    logFont.lfHeight = height;
    logFont.lfWidth = width;
    logFont.lfEscapement = escapement;
    logFont.lfOrientation = orientation;
    logFont.lfWeight = weight;
    logFont.lfItalic = italic;
    logFont.lfUnderline = underline;
    logFont.lfStrikeOut = strikeOut;
    logFont.lfCharSet = charSet;
    logFont.lfOutPrecision = outPrecision;
    logFont.lfClipPrecision = clipPrecision;
    logFont.lfQuality = quality;
    logFont.lfPitchAndFamily = pitchAndFamily;
    logFont.lfFaceName = faceName != nullptr ? faceName : "";
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (logFont == nullptr) {
        return FALSE;
    }
    m_logFont = *logFont;
    m_created = true;
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const {
    if (logFont == nullptr || !m_created) {
        return 0;
    }
    *logFont = m_logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

BOOL CFont::DeleteObject() {
    const BOOL wasCreated = m_created ? TRUE : FALSE;
    m_logFont = LOGFONT{};
    m_created = false;
    return wasCreated;
}

// Pens and brushes

// Every pen the program makes is solid.
BOOL CPen::CreatePen(int /*style*/, int width, COLORREF colour) {
    m_width = width;
    m_colour = colour;
    return TRUE;
}

BOOL CPen::DeleteObject() {
    *this = CPen();
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    m_hollow = false;
    m_colour = colour;
    return TRUE;
}

BOOL CBrush::CreateStockObject(int index) {
    if (index != HOLLOW_BRUSH) {
        return FALSE;
    }
    m_hollow = true;
    return TRUE;
}

BOOL CBrush::DeleteObject() {
    *this = CBrush();
    return TRUE;
}

// Bitmaps

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

bool CBitmap::Exists(UINT id) {
    return PictureExists(id);
}

BOOL CBitmap::LoadBitmap(UINT id) {
    return Adopt(ReadPicture(id));
}

BOOL CBitmap::LoadMappedBitmap(UINT id, UINT /*flags*/, const COLORMAP* colorMap, int mapSize) {
    QImage image = ReadPicture(id);
    const auto mapped = [colorMap, mapSize](QRgb pixel) {
        for (int i = 0; i < mapSize; ++i) {
            if (colorMap[i].from == ToColorRef(pixel)) {
                return ToQColor(colorMap[i].to).rgb();
            }
        }
        return pixel;
    };
    // A palette picture (the background) has its palette mapped, not each of its pixels:
    // start-up pays for every pixel otherwise.
    QList<QRgb> palette = image.colorTable();
    for (QRgb& colour : palette) {
        colour = mapped(colour);
    }
    image.setColorTable(palette);
    if (!Adopt(image)) {
        return FALSE;
    }
    if (!palette.isEmpty()) {
        return TRUE;
    }
    QImage& pixels = m_data->image;
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        std::transform(line, line + pixels.width(), line, mapped);
    }
    return TRUE;
}

BOOL CBitmap::Adopt(const QImage& image) {
    if (image.isNull()) {
        m_data.reset();
        return FALSE;
    }
    // A palette picture (the background) is drawn from its palette as it is packed: a true-colour
    // copy would cost start-up a conversion and fresh memory for every pixel. It turns true
    // colour only when something draws into it.
    m_data = std::make_shared<BitmapData>(BitmapData{
        image.format() == QImage::Format_Indexed8 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32)});
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const {
    if (info == nullptr || !IsLoaded()) {
        return 0;
    }
    info->bmWidth = m_data->image.width();
    info->bmHeight = m_data->image.height();
    return static_cast<int>(sizeof(BITMAP));
}

BOOL CBitmap::DeleteObject() {
    const BOOL wasLoaded = IsLoaded() ? TRUE : FALSE;
    m_data.reset();
    return wasLoaded;
}

bool CBitmap::IsLoaded() const {
    return m_data != nullptr;
}

COLORREF CBitmap::GetPixel(int x, int y) const {
    if (!IsLoaded() || !m_data->image.valid(x, y)) {
        return CLR_INVALID;
    }
    return ToColorRef(m_data->image.pixel(x, y));
}
