// Draws the program's pictures into a folder: the background tile, the four picture buttons in
// their three states, the banner, the grapes and the program icon.
// Usage: morvane_draw_bitmaps <output-folder>

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The background's main blue; every picture is tuned to sit on it.
const QColor kField(101, 133, 240);
const QColor kLavender(228, 214, 255);
const QColor kLavenderLight(248, 243, 255);
const QColor kLavenderDeep(198, 178, 255);
const QColor kInk(22, 32, 118);         // crisp outlines of the focus face
const QColor kEcho(140, 168, 255);      // the offset copy of the pressed face
const QColor kGlass(30, 44, 150, 70);   // a clock's dial, a screen
const QColor kGlow(214, 196, 255, 80);  // the halo of the normal face
const QColor kCaptionShade(24, 36, 130, 150);

const QSize kFaceSize(80, 110);

// ---------------------------------------------------------------------------------------------
// Small drawing helpers

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    for (const QPointF& point : points) {
        if (path.elementCount() == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

// The filled area of a line drawn with a round pen, so it can be united with other shapes.
QPainterPath stroked(const QPainterPath& line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QImage transparentImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// One pass of a running-sum box filter along a row or column of premultiplied pixels; pixels
// beyond the ends count as transparent.
void boxFilterLine(QRgb* first, int count, int stride, int radius, std::vector<QRgb>& scratch) {
    scratch.resize(count);
    for (int i = 0; i < count; ++i) {
        scratch[i] = first[i * stride];
    }
    std::array<int, 4> sum{};
    auto accumulate = [&sum](QRgb pixel, int sign) {
        sum[0] += sign * qAlpha(pixel);
        sum[1] += sign * qRed(pixel);
        sum[2] += sign * qGreen(pixel);
        sum[3] += sign * qBlue(pixel);
    };
    for (int i = 0; i < radius && i < count; ++i) {
        accumulate(scratch[i], 1);
    }
    const int span = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        if (i + radius < count) {
            accumulate(scratch[i + radius], 1);
        }
        if (i - radius - 1 >= 0) {
            accumulate(scratch[i - radius - 1], -1);
        }
        first[i * stride] = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
    }
}

// Softens a premultiplied image; three box passes come close to a Gaussian blur.
void blur(QImage& image, int radius, int passes = 3) {
    const int width = image.width();
    const int height = image.height();
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    std::vector<QRgb> scratch;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) {
            boxFilterLine(pixels + y * width, width, 1, radius, scratch);
        }
        for (int x = 0; x < width; ++x) {
            boxFilterLine(pixels + x, height, width, radius, scratch);
        }
    }
}

// Paints `shape` as a blurred shadow or glow of the given colour.
void paintSoftShape(QPainter& painter, const QPainterPath& shape, const QColor& colour, int radius,
                    QPointF offset = {}) {
    QImage layer = transparentImage({painter.device()->width(), painter.device()->height()});
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::Antialiasing);
        layerPainter.setTransform(painter.transform());
        layerPainter.translate(offset);
        layerPainter.fillPath(shape, colour);
    }
    blur(layer, radius);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

QLinearGradient verticalGradient(qreal top, qreal bottom,
                                 std::initializer_list<std::pair<qreal, QColor>> stops) {
    QLinearGradient gradient(0, top, 0, bottom);
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, colour);
    }
    return gradient;
}

// ---------------------------------------------------------------------------------------------
// Pictograms, drawn in a 48 x 48 box

struct Pictogram {
    QPainterPath solid;  // the picture itself
    QPainterPath tint;   // a faint fill behind it (a clock's dial, a screen)
};

Pictogram runnerPictogram() {
    QPainterPath body = circle({31.5, 7.0}, 4.9);
    body = body.united(stroked(polyline({{28.5, 15.0}, {22.5, 27.0}}), 7.0));
    body = body.united(stroked(polyline({{28.0, 16.5}, {34.5, 22.0}, {40.5, 17.5}}), 4.2));
    body = body.united(stroked(polyline({{27.0, 16.5}, {19.5, 19.5}, {15.5, 26.0}}), 4.2));
    body = body.united(
        stroked(polyline({{23.0, 27.5}, {32.0, 31.5}, {30.0, 41.5}, {34.5, 42.5}}), 5.0));
    body = body.united(stroked(polyline({{22.0, 28.0}, {17.0, 36.5}, {8.0, 38.5}}), 5.0));
    for (const auto& [y, left, right] : std::initializer_list<std::array<qreal, 3>>{
             {13.0, 3.0, 11.0}, {20.0, 1.0, 9.0}, {27.0, 2.0, 8.0}}) {
        body = body.united(stroked(polyline({{left, y}, {right, y}}), 2.2));
    }
    return {body.simplified(), {}};
}

Pictogram clockPictogram() {
    const QPointF centre(24.0, 25.0);
    QPainterPath dial = circle(centre, 21.5).subtracted(circle(centre, 17.6));
    dial = dial.united(roundedRect({20.5, 0.5, 7.0, 3.4}, 1.4));
    dial = dial.united(stroked(polyline({{24.0, 3.0}, {24.0, 4.5}}), 2.6));
    for (int hour = 0; hour < 12; ++hour) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(hour * 30.0);
        const bool quarter = hour % 3 == 0;
        const QPainterPath tick =
            quarter ? stroked(polyline({{0, -15.2}, {0, -11.8}}), 2.6) : circle({0, -14.2}, 1.15);
        dial = dial.united(turn.map(tick));
    }
    dial = dial.united(stroked(polyline({centre, {17.0, 20.0}}), 3.4));
    dial = dial.united(stroked(polyline({centre, {31.5, 15.0}}), 2.5));
    dial = dial.united(circle(centre, 2.8));
    return {dial.simplified(), circle(centre, 17.6)};
}

// A narrow handle centred on `centre`, widening a little towards its rounded end.
QPainterPath cutleryHandle(qreal centre, qreal top) {
    QPainterPath handle;
    handle.moveTo(centre - 1.9, top);
    handle.lineTo(centre + 1.9, top);
    handle.lineTo(centre + 2.9, 42.5);
    handle.cubicTo(centre + 2.9, 46.8, centre - 2.9, 46.8, centre - 2.9, 42.5);
    handle.closeSubpath();
    return handle;
}

Pictogram cutleryPictogram() {
    QPainterPath fork;
    for (int tine = 0; tine < 4; ++tine) {
        fork.addRoundedRect(QRectF(9.6 + tine * 3.05, 2.5, 1.9, 13.0), 0.95, 0.95);
    }
    QPainterPath palm;
    palm.moveTo(9.6, 12.0);
    palm.lineTo(20.6, 12.0);
    palm.lineTo(20.6, 15.0);
    palm.cubicTo(20.6, 19.5, 17.4, 20.5, 17.0, 23.5);
    palm.lineTo(13.2, 23.5);
    palm.cubicTo(12.8, 20.5, 9.6, 19.5, 9.6, 15.0);
    palm.closeSubpath();
    fork = fork.united(palm).united(cutleryHandle(15.1, 22.0));

    QPainterPath spoon;
    spoon.addEllipse(QPointF(33.5, 11.5), 6.6, 9.3);
    spoon = spoon.united(cutleryHandle(33.5, 18.0));

    return {fork.united(spoon).simplified(), {}};
}

Pictogram laptopPictogram() {
    const QRectF screen(10.0, 9.0, 28.0, 19.5);
    QPainterPath lid =
        roundedRect({6.5, 5.5, 35.0, 26.5}, 3.0).subtracted(roundedRect(screen, 1.0));
    QPainterPath question;
    question.moveTo(20.6, 15.6);
    question.cubicTo(20.6, 11.4, 27.6, 11.2, 27.6, 15.4);
    question.cubicTo(27.6, 18.4, 24.0, 18.4, 24.0, 21.2);
    lid = lid.united(stroked(question, 2.6)).united(circle({24.0, 24.8}, 1.55));
    QPainterPath deck;
    deck.moveTo(6.0, 33.5);
    deck.lineTo(42.0, 33.5);
    deck.lineTo(47.0, 40.5);
    deck.quadTo(47.6, 42.6, 45.4, 42.6);
    deck.lineTo(2.6, 42.6);
    deck.quadTo(0.4, 42.6, 1.0, 40.5);
    deck.closeSubpath();
    deck = deck.subtracted(roundedRect({19.0, 40.2, 10.0, 4.0}, 1.2));
    QPainterPath glass;
    glass.addRect(screen);
    return {lid.united(deck).simplified(), glass};
}

// ---------------------------------------------------------------------------------------------
// Button faces

enum class FaceState { Normal, Pressed, Focus };

const QRectF kTileRect(1.5, 1.5, 77.0, 107.0);
const qreal kTileRadius = 11.0;
const qreal kPictureSize = 44.0;
const QPointF kPictureOrigin(18.0, 9.0);
const qreal kCaptionBaseline = 95.0;

QTransform pictureTransform(QPointF shift) {
    QTransform transform;
    transform.translate(kPictureOrigin.x() + shift.x(), kPictureOrigin.y() + shift.y());
    transform.scale(kPictureSize / 48.0, kPictureSize / 48.0);
    return transform;
}

void paintTile(QPainter& painter, FaceState state) {
    const QPainterPath tile = roundedRect(kTileRect, kTileRadius);
    const qreal top = kTileRect.top();
    const qreal bottom = kTileRect.bottom();
    if (state == FaceState::Pressed) {
        painter.fillPath(
            tile, verticalGradient(top, bottom,
                                   {{0.0, QColor(58, 82, 202)}, {1.0, QColor(92, 120, 234)}}));
        painter.save();
        painter.setClipPath(tile);
        paintSoftShape(painter, tile.subtracted(roundedRect(kTileRect.adjusted(3, 4, 0, 0), 10)),
                       QColor(10, 20, 90, 170), 2);
        painter.restore();
        painter.setPen(
            QPen(verticalGradient(top, bottom,
                                  {{0.0, QColor(30, 44, 140)}, {1.0, QColor(160, 180, 252)}}),
                 1.0));
        painter.drawPath(tile);
        return;
    }
    painter.fillPath(tile, verticalGradient(top, bottom,
                                            {{0.0, QColor(118, 148, 250)},
                                             {0.55, QColor(96, 126, 238)},
                                             {1.0, QColor(74, 98, 220)}}));
    // A gentle sheen over the upper half.
    painter.fillPath(
        roundedRect(kTileRect.adjusted(2, 2, -2, -60), kTileRadius - 2),
        verticalGradient(top, top + 50,
                         {{0.0, QColor(255, 255, 255, 40)}, {1.0, QColor(255, 255, 255, 0)}}));
    painter.setPen(QPen(
        verticalGradient(top, bottom, {{0.0, QColor(196, 210, 255)}, {1.0, QColor(44, 62, 170)}}),
        1.0));
    painter.drawPath(tile);
    if (state == FaceState::Focus) {
        const QPainterPath ring =
            roundedRect(kTileRect.adjusted(2.5, 2.5, -2.5, -2.5), kTileRadius - 2.5);
        paintSoftShape(painter, stroked(ring, 3.0), QColor(236, 226, 255, 220), 2);
        painter.setPen(QPen(kLavenderLight, 1.6));
        painter.drawPath(ring);
    }
}

// The pictogram in its lavender gradient on a transparent layer the size of the face, with an
// optional outline drawn around (not over) its edges.
QImage filledPicture(const Pictogram& picture, QPointF shift, const QPen& outline = Qt::NoPen) {
    QImage layer = transparentImage(kFaceSize);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(pictureTransform(shift));
    painter.fillPath(picture.tint, kGlass);
    painter.strokePath(picture.solid, outline);
    const QRectF box = picture.solid.boundingRect();
    painter.fillPath(
        picture.solid,
        verticalGradient(box.top(), box.bottom(),
                         {{0.0, kLavenderLight}, {0.5, kLavender}, {1.0, kLavenderDeep}}));
    return layer;
}

// The pictogram as each state shows it: soft with a glow, doubled by a blue copy, or outlined.
QImage pictureLayer(const Pictogram& picture, FaceState state, QPointF shift) {
    QImage layer = transparentImage(kFaceSize);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (state) {
        case FaceState::Normal: {
            painter.setTransform(pictureTransform(shift));
            paintSoftShape(painter, picture.solid, kGlow, 3);
            painter.resetTransform();
            const QImage sharp = filledPicture(picture, shift);
            QImage soft = sharp;
            blur(soft, 1, 1);
            painter.drawImage(0, 0, soft);
            painter.setOpacity(0.8);
            painter.drawImage(0, 0, sharp);
            break;
        }
        case FaceState::Pressed:
            painter.setTransform(pictureTransform(shift));
            painter.fillPath(picture.solid.translated(2.5, 2.5), kEcho);
            painter.resetTransform();
            painter.drawImage(0, 0, filledPicture(picture, shift));
            break;
        case FaceState::Focus:
            painter.drawImage(
                0, 0,
                filledPicture(picture, shift,
                              QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)));
            break;
    }
    return layer;
}

// A faint upside-down copy of the pictogram, fading out below it.
void paintReflection(QPainter& painter, const QImage& picture, qreal mirrorLine) {
    QImage reflection = transparentImage(kFaceSize);
    {
        QPainter reflectionPainter(&reflection);
        const qreal offset = 2.0 * mirrorLine - kFaceSize.height() + 1.0;
        reflectionPainter.drawImage(QPointF(0, offset), picture.mirrored(false, true));
        reflectionPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        reflectionPainter.fillRect(
            reflection.rect(),
            verticalGradient(mirrorLine, mirrorLine + 17.0,
                             {{0.0, QColor(0, 0, 0, 95)}, {1.0, QColor(0, 0, 0, 0)}}));
    }
    blur(reflection, 1, 1);
    painter.drawImage(0, 0, reflection);
}

QFont captionFont(int pixelSize) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The largest caption size at which every caption fits the face with a margin.
int captionPixelSize(const std::vector<QString>& captions) {
    for (int size = 13; size > 8; --size) {
        const QFontMetricsF metrics(captionFont(size));
        const bool fits = std::all_of(captions.begin(), captions.end(), [&](const QString& text) {
            return metrics.horizontalAdvance(text) <= kFaceSize.width() - 14;
        });
        if (fits) {
            return size;
        }
    }
    return 8;
}

void paintCaption(QPainter& painter, const QString& caption, int pixelSize, FaceState state,
                  QPointF shift) {
    const QFont font = captionFont(pixelSize);
    const qreal width = QFontMetricsF(font).horizontalAdvance(caption);
    const QPointF origin(qRound((kFaceSize.width() - width) / 2.0) + shift.x(),
                         kCaptionBaseline + shift.y());
    painter.setFont(font);
    if (state == FaceState::Focus) {
        painter.setPen(kInk);
        for (const QPointF& step : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)}) {
            painter.drawText(origin + step, caption);
        }
        painter.setPen(kLavenderLight);
    } else {
        painter.setPen(kCaptionShade);
        painter.drawText(origin + QPointF(1, 1), caption);
        painter.setPen(kLavender);
    }
    painter.drawText(origin, caption);
}

QImage drawFace(const Pictogram& picture, const QString& caption, int captionSize,
                FaceState state) {
    QImage face(kFaceSize, QImage::Format_ARGB32_Premultiplied);
    face.fill(kField);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintTile(painter, state);

    const QPointF shift = state == FaceState::Pressed ? QPointF(1, 1) : QPointF(0, 0);
    const QImage art = pictureLayer(picture, state, shift);
    const qreal mirrorLine =
        pictureTransform(shift).mapRect(picture.solid.boundingRect()).bottom() + 1.0;
    painter.save();
    painter.setClipPath(roundedRect(kTileRect.adjusted(1, 1, -1, -1), kTileRadius - 1));
    paintReflection(painter, art, mirrorLine);
    painter.drawImage(0, 0, art);
    painter.restore();
    paintCaption(painter, caption, captionSize, state, shift);
    painter.end();
    return face.convertToFormat(QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------------------------
// Background tile: a textured blue field with a black panel area, which the program maps to the
// dialog grey. Drawn pixel by pixel on a small palette so the stored tile keeps 16 colours.

QImage drawBackground() {
    enum Shade : uchar { Field, Black, Light, Dark, Bevel, Shine, Rim };
    const QList<QRgb> palette{kField.rgb(),       qRgb(0, 0, 0),     qRgb(107, 139, 243),
                              qRgb(95, 126, 236), qRgb(60, 84, 196), qRgb(168, 188, 253),
                              qRgb(84, 112, 228)};
    const QRect panel(QPoint(102, 72), QPoint(690, 490));
    QImage tile(700, 500, QImage::Format_Indexed8);
    tile.setColorTable(palette);
    for (int y = 0; y < tile.height(); ++y) {
        uchar* row = tile.scanLine(y);
        for (int x = 0; x < tile.width(); ++x) {
            // A fine diagonal weave, lighter one way and darker the other.
            Shade shade = Field;
            if ((x + y) % 6 == 0) {
                shade = Light;
            } else if ((x - y + 600) % 6 == 3) {
                shade = Dark;
            }
            const QRect bevel = panel.adjusted(-1, -1, 1, 1);
            const QRect rim = panel.adjusted(-2, -2, 2, 2);
            if (panel.contains(x, y)) {
                shade = Black;
            } else if (bevel.contains(x, y)) {
                const bool upperLeft = x == bevel.left() || y == bevel.top();
                shade = upperLeft ? Bevel : Shine;
            } else if (rim.contains(x, y)) {
                shade = Rim;
            }
            row[x] = shade;
        }
    }
    return tile;
}

// ---------------------------------------------------------------------------------------------
// Grapes, shared by the picture at the top right and the icon

struct GrapeBunch {
    QPointF top;            // where the stem meets the bunch
    qreal radius;           // of one grape
    std::vector<int> rows;  // grapes per row, top row first
    bool fineDetail;        // outlines and highlights, for the larger sizes
};

void paintGrape(QPainter& painter, QPointF centre, qreal radius, bool fineDetail) {
    QRadialGradient shade(centre + QPointF(-0.35 * radius, -0.4 * radius), 1.35 * radius);
    shade.setColorAt(0.0, QColor(222, 200, 255));
    shade.setColorAt(0.45, QColor(156, 102, 232));
    shade.setColorAt(1.0, QColor(76, 36, 150));
    painter.setBrush(shade);
    painter.setPen(fineDetail ? QPen(QColor(52, 22, 110), 0.7) : Qt::NoPen);
    painter.drawEllipse(centre, radius, radius);
    if (fineDetail) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 190));
        painter.drawEllipse(centre + QPointF(-0.38 * radius, -0.42 * radius), 0.22 * radius,
                            0.16 * radius);
    }
}

// A pointed leaf with its stalk end at `base`, turned by `angle` degrees from pointing right.
void paintLeaf(QPainter& painter, QPointF base, qreal length, qreal angle, bool fineDetail) {
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(0.25 * length, -0.42 * length, 0.75 * length, -0.38 * length, length, 0);
    leaf.cubicTo(0.75 * length, 0.38 * length, 0.25 * length, 0.42 * length, 0, 0);
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QLinearGradient green(0, -0.4 * length, length, 0.4 * length);
    green.setColorAt(0.0, QColor(150, 222, 110));
    green.setColorAt(1.0, QColor(46, 138, 70));
    painter.setBrush(green);
    painter.setPen(fineDetail ? QPen(QColor(24, 84, 44), 0.7) : Qt::NoPen);
    painter.drawPath(leaf);
    if (fineDetail) {
        painter.setPen(QPen(QColor(30, 100, 50, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0.1 * length, 0), QPointF(0.85 * length, 0));
    }
    painter.restore();
}

void paintGrapeBunch(QPainter& painter, const GrapeBunch& bunch) {
    const qreal r = bunch.radius;
    const qreal stemWidth = std::max(1.0, 0.42 * r);
    QPainterPath stem;
    stem.moveTo(bunch.top + QPointF(0, 0.6 * r));
    stem.cubicTo(bunch.top + QPointF(0.1 * r, -0.8 * r), bunch.top + QPointF(0.5 * r, -1.6 * r),
                 bunch.top + QPointF(1.1 * r, -2.1 * r));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(112, 76, 44), stemWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);
    paintLeaf(painter, bunch.top + QPointF(0.55 * r, -1.45 * r), 3.0 * r, -18.0, bunch.fineDetail);
    if (bunch.fineDetail) {
        QPainterPath tendril;
        tendril.moveTo(bunch.top + QPointF(0.3 * r, -1.2 * r));
        tendril.cubicTo(bunch.top + QPointF(-1.2 * r, -1.6 * r),
                        bunch.top + QPointF(-1.8 * r, -0.4 * r),
                        bunch.top + QPointF(-1.1 * r, -0.2 * r));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(70, 150, 70), 0.35 * r, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(tendril);
    }
    const qreal across = 1.9 * r;
    const qreal down = 1.62 * r;
    for (std::size_t row = 0; row < bunch.rows.size(); ++row) {
        const int count = bunch.rows[row];
        const qreal y = bunch.top.y() + r + static_cast<qreal>(row) * down;
        for (int i = 0; i < count; ++i) {
            const qreal x = bunch.top.x() + (i - (count - 1) / 2.0) * across;
            paintGrape(painter, {x, y}, r, bunch.fineDetail);
        }
    }
}

// A rounded plaque in deep blue and violet on the field blue, the ground of the banner and of
// the grapes.
QImage plaqueImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kField);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(1.0, 1.0, size.width() - 2.0, size.height() - 2.0);
    const QPainterPath plaque = roundedRect(rect, 13.0);
    painter.fillPath(plaque, verticalGradient(rect.top(), rect.bottom(),
                                              {{0.0, QColor(92, 104, 232)},
                                               {0.5, QColor(74, 76, 204)},
                                               {1.0, QColor(70, 54, 176)}}));
    QLinearGradient violet(rect.left(), 0, rect.right(), 0);
    violet.setColorAt(0.0, QColor(150, 80, 220, 70));
    violet.setColorAt(0.5, QColor(150, 80, 220, 0));
    violet.setColorAt(1.0, QColor(150, 80, 220, 70));
    painter.fillPath(plaque, violet);
    painter.fillPath(
        roundedRect(rect.adjusted(3, 2, -3, -rect.height() / 2), 11.0),
        verticalGradient(rect.top(), rect.center().y(),
                         {{0.0, QColor(255, 255, 255, 60)}, {1.0, QColor(255, 255, 255, 0)}}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(36, 34, 130), 1.2));
    painter.drawPath(plaque);
    painter.setPen(QPen(QColor(214, 204, 255, 150), 1.0));
    painter.drawPath(roundedRect(rect.adjusted(3, 3, -3, -3), 10.5));
    return image;
}

QImage drawGrapesPicture() {
    QImage image = plaqueImage({55, 52});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGrapeBunch(painter, {{26.0, 15.0}, 4.1, {3, 4, 3, 2, 1}, true});
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------------------------
// Banner with the product name

// A curling vine with a small leaf and three grapes, drawn for the left side of the name.
void paintFlourish(QPainter& painter) {
    QPainterPath vine;
    vine.moveTo(0, 0);
    vine.cubicTo(18, -12, 34, 10, 54, 0);
    vine.cubicTo(62, -4, 66, -9, 62, -12);
    vine.cubicTo(59, -14, 56, -10, 59, -8);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(226, 214, 255, 220), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(vine);
    paintLeaf(painter, {26, 0.8}, 11.0, 28.0, true);
    paintLeaf(painter, {40, 1.6}, 9.0, -34.0, true);
    for (const QPointF& centre : {QPointF(-3.8, 1.8), QPointF(0.6, 4.4), QPointF(-3.0, 6.6)}) {
        paintGrape(painter, centre, 2.7, true);
    }
}

QImage drawBanner() {
    QImage image = plaqueImage({381, 52});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont font("Liberation Serif");
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(40);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("Morvane"));
    const QRectF bounds = name.boundingRect();
    name.translate(image.width() / 2.0 - bounds.center().x(),
                   image.height() / 2.0 - bounds.center().y() + 0.5);
    const QRectF placed = name.boundingRect();

    paintSoftShape(painter, name, QColor(16, 10, 70, 190), 2, {2.0, 2.5});
    painter.setPen(QPen(QColor(30, 20, 104), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(name);
    painter.fillPath(name, verticalGradient(placed.top(), placed.bottom(),
                                            {{0.0, QColor(255, 255, 255)},
                                             {0.45, QColor(232, 220, 255)},
                                             {0.55, QColor(206, 186, 255)},
                                             {1.0, QColor(178, 150, 248)}}));

    painter.save();
    painter.translate(placed.left() - 80.0, 27.0);
    paintFlourish(painter);
    painter.restore();
    painter.save();
    painter.translate(placed.right() + 80.0, 27.0);
    painter.scale(-1.0, 1.0);
    paintFlourish(painter);
    painter.restore();
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------------------------
// Program icon: grapes on a rounded blue square

QImage drawIcon(int size) {
    QImage image = transparentImage({size, size});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal inset = size >= 32 ? s / 32.0 : 0.5;
    const QRectF rect(inset, inset, s - 2 * inset, s - 2 * inset);
    const QPainterPath badge = roundedRect(rect, s * 0.22);
    painter.fillPath(
        badge, verticalGradient(
                   rect.top(), rect.bottom(),
                   {{0.0, QColor(140, 166, 252)}, {0.5, kField}, {1.0, QColor(70, 76, 200)}}));
    if (size >= 32) {
        painter.fillPath(
            roundedRect(rect.adjusted(s / 16, s / 24, -s / 16, -rect.height() / 2), s * 0.18),
            verticalGradient(rect.top(), rect.center().y(),
                             {{0.0, QColor(255, 255, 255, 90)}, {1.0, QColor(255, 255, 255, 0)}}));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(34, 40, 140), std::max(1.0, s / 64.0)));
    painter.drawPath(badge);

    if (size >= 64) {
        paintGrapeBunch(painter, {{s * 0.48, s * 0.33}, s * 0.075, {3, 4, 3, 2, 1}, true});
    } else if (size >= 32) {
        paintGrapeBunch(painter, {{s * 0.47, s * 0.34}, s * 0.085, {4, 3, 2, 1}, false});
    } else {
        paintGrapeBunch(painter, {{s * 0.47, s * 0.36}, s * 0.125, {3, 2, 1}, false});
    }
    painter.end();
    return image;
}

// ---------------------------------------------------------------------------------------------

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

struct ButtonFaces {
    Pictogram picture;
    QString caption;
    int normalId;
    int pressedId;
    int focusId;
};

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane_draw_bitmaps <output-folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<ButtonFaces> buttons{
        {runnerPictogram(), QStringLiteral("Statistics"), 157, 161, 160},
        {clockPictogram(), QStringLiteral("Diary"), 163, 164, 165},
        {cutleryPictogram(), QStringLiteral("Foods"), 166, 167, 168},
        {laptopPictogram(), QStringLiteral("Help"), 180, 179, 181},
    };
    std::vector<QString> captions;
    for (const ButtonFaces& button : buttons) {
        captions.push_back(button.caption);
    }
    const int captionSize = captionPixelSize(captions);

    bool ok = save(drawBackground(), folder, "155.png");
    for (const ButtonFaces& button : buttons) {
        const auto face = [&](FaceState state) {
            return drawFace(button.picture, button.caption, captionSize, state);
        };
        ok = save(face(FaceState::Normal), folder, QString("%1.png").arg(button.normalId)) && ok;
        ok = save(face(FaceState::Pressed), folder, QString("%1.png").arg(button.pressedId)) && ok;
        ok = save(face(FaceState::Focus), folder, QString("%1.png").arg(button.focusId)) && ok;
    }
    ok = save(drawBanner(), folder, "177.png") && ok;
    ok = save(drawGrapesPicture(), folder, "178.png") && ok;
    for (const int size : {16, 32, 48, 128, 256}) {
        ok = save(drawIcon(size), folder, QString("128-%1.png").arg(size)) && ok;
    }
    return ok ? 0 : 1;
}
