#include <QFontMetrics>
#include <algorithm>
#include <utility>

#include "platform/DcState.h"
#include "platform/DialogFontQt.h"
#include "platform/QtText.h"

namespace {

LOGFONT Describe(const QFont& font) {
    LOGFONT logFont;
    logFont.lfHeight = -QFontInfo(font).pixelSize();
    logFont.lfWeight = static_cast<int>(font.weight());
    logFont.lfFaceName = FromQString(font.family());
    return logFont;
}

void SetDeviceFont(DcState& state, const QFont& font) {
    state.deviceFont = font;
    const LOGFONT description = Describe(font);
    state.defaultFont.CreateFontIndirect(&description);
}

// Where drawing goes: the bound painter, or a memory context's selected bitmap.
QPainter* Target(DcState& state) {
    if (state.painter == nullptr && state.memory && state.bitmap != nullptr &&
        state.bitmap->IsLoaded()) {
        QImage& image = state.bitmap->Data()->image;
        if (image.format() == QImage::Format_Indexed8) {  // a painter draws into true colour only
            image.convertTo(QImage::Format_RGB32);
        }
        state.ownPainter = std::make_unique<QPainter>(&image);
        state.painter = state.ownPainter.get();
    }
    return state.painter;
}

// The image a context draws into, when it has one of its own.
const QImage* OwnImage(const DcState& state) {
    if (state.ownImage != nullptr) {
        return state.ownImage.get();
    }
    if (state.memory && state.bitmap != nullptr && state.bitmap->IsLoaded()) {
        return &state.bitmap->Data()->image;
    }
    return nullptr;
}

QPen GdiPen(const CPen& pen) {
    QPen qpen(ToQColor(pen.Colour()), std::max(1, pen.Width()), Qt::SolidLine, Qt::FlatCap,
              Qt::MiterJoin);
    qpen.setCosmetic(pen.Width() <= 1);
    return qpen;
}

QFont CurrentQFont(const DcState& state) {
    return ToQFont(state.font->Description(), state.deviceFont);
}

// GDI draws "&x" as an underlined x and "&&" as "&" unless told not to.
QString WithoutPrefixes(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

void Note(DcState& state, DrawCall call) {
    ++state.drawCount;
    if (state.record != nullptr) {
        state.record->push_back(std::move(call));
    }
}

DrawCall Call(DrawCall::Kind kind, const CRect& rect) {
    DrawCall call{};
    call.kind = kind;
    call.rect = rect;
    return call;
}

// Notes a shape drawn with the current pen and brush; gives the painter to draw it with, or
// null when there is nothing to draw.
QPainter* StartShape(DcState& state, DrawCall::Kind kind, const CRect& rect) {
    DrawCall call = Call(kind, rect);
    call.pen = state.pen->Colour();
    call.fill = state.brush->Colour();
    call.filled = !state.brush->IsHollow();
    Note(state, std::move(call));
    return rect.Width() > 0 && rect.Height() > 0 ? Target(state) : nullptr;
}

// Text with its top-left corner at (x, y); a font's escapement turns it about that corner.
void PaintText(DcState& state, int x, int y, const QString& text) {
    QPainter* painter = Target(state);
    if (painter == nullptr) {
        return;
    }
    const QFont font = CurrentQFont(state);
    const QFontMetrics metrics(font);
    painter->save();
    painter->translate(x, y);
    painter->rotate(-state.font->Description().lfEscapement / 10.0);
    if (state.bkMode == OPAQUE) {
        painter->fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()),
                          ToQColor(state.bkColour));
    }
    painter->setFont(font);
    painter->setPen(ToQColor(state.textColour));
    painter->drawText(QPoint(0, metrics.ascent()), text);
    painter->restore();
}

void NoteText(DcState& state, int x, int y, const std::string& text) {
    DrawCall call = Call(DrawCall::Text, CRect(x, y, x, y));
    call.text = text;
    call.textColour = state.textColour;
    call.font = state.font->Description();
    Note(state, std::move(call));
}

}  // namespace

void BindPainter(CDC& dc, QPainter& painter, const QFont& deviceFont, int logPixels) {
    DcState& state = dc.State();
    state.painter = &painter;
    state.logPixels = logPixels;
    SetDeviceFont(state, deviceFont);
}

CDC::CDC() : m_state(std::make_unique<DcState>()) {
    SetDeviceFont(*m_state, DialogQFont());
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    DcState& state = *m_state;
    state.ownPainter.reset();
    state.painter = nullptr;
    state.memory = true;
    state.bitmap = nullptr;
    state.logPixels = pDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : ScreenLogPixels();
    SetDeviceFont(state, pDC != nullptr ? pDC->State().deviceFont : DialogQFont());
    return TRUE;
}

CFont* CDC::SelectObject(CFont* font) {
    return std::exchange(m_state->font, font != nullptr ? font : &m_state->defaultFont);
}

CPen* CDC::SelectObject(CPen* pen) {
    return std::exchange(m_state->pen, pen != nullptr ? pen : &m_state->defaultPen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    return std::exchange(m_state->brush, brush != nullptr ? brush : &m_state->defaultBrush);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    DcState& state = *m_state;
    if (!state.memory) {
        return nullptr;
    }
    state.ownPainter.reset();
    state.painter = nullptr;
    return std::exchange(state.bitmap, bitmap);
}

CFont* CDC::GetCurrentFont() const {
    return m_state->font;
}

int CDC::SetBkMode(int mode) {
    return std::exchange(m_state->bkMode, mode);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    return std::exchange(m_state->textColour, colour);
}

COLORREF CDC::GetTextColor() const {
    return m_state->textColour;
}

int CDC::GetDeviceCaps(int index) const {
    return index == LOGPIXELSX || index == LOGPIXELSY ? m_state->logPixels : 0;
}

void CDC::FillRect(const CRect* rect, CBrush* brush) {
    if (rect == nullptr || brush == nullptr || brush->IsHollow()) {
        return;
    }
    FillSolidRect(rect, brush->Colour());
}

void CDC::FillSolidRect(const CRect* rect, COLORREF colour) {
    if (rect == nullptr) {
        return;
    }
    DcState& state = *m_state;
    state.bkColour = colour;  // as GDI does
    DrawCall call = Call(DrawCall::FillRect, *rect);
    call.fill = colour;
    call.filled = true;
    Note(state, std::move(call));
    if (QPainter* painter = Target(state)) {
        painter->fillRect(QRect(rect->left, rect->top, rect->Width(), rect->Height()),
                          ToQColor(colour));
    }
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    DcState& state = *m_state;
    if (QPainter* painter =
            StartShape(state, DrawCall::Rectangle, CRect(left, top, right, bottom))) {
        // The outline runs on the rectangle's outermost pixels; right and bottom are outside.
        if (!state.brush->IsHollow()) {
            painter->fillRect(QRect(left, top, right - left, bottom - top),
                              ToQColor(state.brush->Colour()));
        }
        painter->setPen(GdiPen(*state.pen));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    DcState& state = *m_state;
    if (QPainter* painter = StartShape(state, DrawCall::Ellipse, CRect(left, top, right, bottom))) {
        painter->setPen(GdiPen(*state.pen));
        painter->setBrush(state.brush->IsHollow() ? QBrush(Qt::NoBrush)
                                                  : QBrush(ToQColor(state.brush->Colour())));
        painter->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_state->position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    DcState& state = *m_state;
    const CPoint from = std::exchange(state.position, CPoint(x, y));
    DrawCall call = Call(DrawCall::Line, CRect());
    call.from = from;
    call.to = CPoint(x, y);
    call.pen = state.pen->Colour();
    Note(state, std::move(call));
    QPainter* painter = Target(state);
    if (painter == nullptr) {
        return FALSE;
    }
    // A flat cap leaves out the end point, as GDI does.
    painter->setPen(GdiPen(*state.pen));
    painter->drawLine(QPoint(from.x, from.y), QPoint(x, y));
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    NoteText(*m_state, x, y, text);
    PaintText(*m_state, x, y, ToQString(text));
    return TRUE;
}

int CDC::DrawText(const std::string& text, CRect* rect, UINT format) {
    if (rect == nullptr) {
        return 0;
    }
    DcState& state = *m_state;
    QString shown = ToQString(text);
    if ((format & DT_NOPREFIX) == 0) {
        shown = WithoutPrefixes(shown);
    }
    const QStringList lines =
        (format & DT_SINGLELINE) != 0 ? QStringList{shown} : shown.split(QLatin1Char('\n'));
    const QFontMetrics metrics(CurrentQFont(state));
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int height = metrics.height() * static_cast<int>(lines.size());
    if ((format & DT_CALCRECT) != 0) {
        rect->right = rect->left + width;
        rect->bottom = rect->top + height;
        return height;
    }
    QPainter* painter = Target(state);
    if (painter != nullptr) {
        painter->save();
        painter->setClipRect(QRect(rect->left, rect->top, rect->Width(), rect->Height()),
                             Qt::IntersectClip);
    }
    int y = rect->top;
    for (const QString& line : lines) {
        const int lineWidth = metrics.horizontalAdvance(line);
        const int x =
            (format & DT_CENTER) != 0 ? rect->left + (rect->Width() - lineWidth) / 2 : rect->left;
        NoteText(state, x, y, FromQString(line));
        PaintText(state, x, y, line);
        y += metrics.height();
    }
    if (painter != nullptr) {
        painter->restore();
    }
    return height;
}

CSize CDC::GetTextExtent(const std::string& text) const {
    const QFontMetrics metrics(CurrentQFont(*m_state));
    return CSize(metrics.horizontalAdvance(ToQString(text)), metrics.height());
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource,
                 DWORD /*rop*/) {
    const QImage* image = source != nullptr ? OwnImage(source->State()) : nullptr;
    if (image == nullptr) {
        return FALSE;
    }
    DcState& state = *m_state;
    Note(state, Call(DrawCall::Blit, CRect(x, y, x + width, y + height)));
    const QRect wanted(xSource, ySource, width, height);
    const QRect available = wanted.intersected(image->rect());
    if (QPainter* painter = Target(state); painter != nullptr && !available.isEmpty()) {
        painter->drawImage(QPoint(x + available.x() - xSource, y + available.y() - ySource), *image,
                           available);
    }
    return TRUE;
}

COLORREF CDC::GetPixel(int x, int y) const {
    const QImage* image = OwnImage(*m_state);
    if (image == nullptr || !image->valid(x, y)) {
        return CLR_INVALID;
    }
    return ToColorRef(image->pixel(x, y));
}

void CDC::StartRecording(std::vector<DrawCall>* record) {
    m_state->record = record;
}

CImageDC::CImageDC(int width, int height) {
    DcState& state = *m_state;
    state.ownImage =
        std::make_unique<QImage>(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    state.ownImage->fill(Qt::white);
    state.ownPainter = std::make_unique<QPainter>(state.ownImage.get());
    state.painter = state.ownPainter.get();
}

CImageDC::~CImageDC() = default;
