#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>

#include "platform/CacheFile.h"
#include "platform/ControlWidgets.h"
#include "platform/DcState.h"
#include "platform/DialogFontQt.h"
#include "platform/DialogTemplate.h"
#include "platform/FontConfiguration.h"
#include "platform/QtText.h"
#include "platform/Units.h"

namespace {

struct Candidate {
    const char* face;
    double points;
};

// In order of preference: Arial's metrics at the templates' size first, then smaller and other
// faces.
constexpr Candidate kCandidates[] = {
    {"Liberation Sans", 8.0}, {"Liberation Sans", 7.5}, {"DejaVu Sans", 7.5},
    {"Liberation Sans", 7.0}, {"DejaVu Sans", 7.0},     {"Liberation Sans Narrow", 8.0},
};

std::optional<QFont> g_dialogFont;

// Long enough after start-up that the window is up and the user has not begun yet.
constexpr int kCheckAfterStartMs = 3000;

// Hinted fully, as the templates' bitmap font kept to the pixel grid: at these small sizes the
// text stays crisp, and each letter is drawn once rather than once for each sub-pixel offset.
QFont MakeFont(const Candidate& candidate) {
    QFont font(QString::fromLatin1(candidate.face));
    font.setPointSizeF(candidate.points);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The width a caption needs in its control, or 0 for a control that shows no caption.
int NeededWidth(ControlKind kind, const QString& caption, const QFont& font) {
    const QFontMetrics metrics(font);
    switch (kind) {
        case ControlKind::RadioButton: {
            QRadioButton probe(caption);
            probe.setFont(font);
            return probe.sizeHint().width();
        }
        case ControlKind::GroupBox:
            return GroupBoxWidget::NeededWidth(metrics, caption);
        case ControlKind::PushButton: {
            const QStyle* style = QApplication::style();
            return metrics.horizontalAdvance(caption) +
                   style->pixelMetric(QStyle::PM_ButtonMargin) +
                   2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        }
        case ControlKind::Static:
            return metrics.horizontalAdvance(caption);
        default:
            return 0;
    }
}

struct Captioned {
    const DialogTemplate* dialog;
    const ControlTemplate* control;
};

// Every control with a caption, those most likely to clip it first: the most letters for their
// width, a radio button's indicator counted as three. A candidate font is ruled out at its first
// clipped caption, so in this order a font too wide is ruled out after a few measurements.
const std::vector<Captioned>& CaptionsTightestFirst() {
    static const std::vector<Captioned> captions = [] {
        std::vector<Captioned> all;
        for (const DialogTemplate* dialog : AllDialogTemplates()) {
            for (const ControlTemplate& control : dialog->controls) {
                if (control.caption != nullptr && *control.caption != '\0') {
                    all.push_back({dialog, &control});
                }
            }
        }
        const auto letters = [](const ControlTemplate* control) {
            const int indicator = control->kind == ControlKind::RadioButton ? 3 : 0;
            return static_cast<double>(std::strlen(control->caption) + indicator) /
                   std::max(control->cx, 1);
        };
        std::stable_sort(all.begin(), all.end(), [&](const Captioned& a, const Captioned& b) {
            return letters(a.control) > letters(b.control);
        });
        return all;
    }();
    return captions;
}

// The captions the font clips; the search stops once `enough` are found.
std::vector<ClippedCaption> ClippedCaptionsWith(const QFont& font, std::size_t enough = SIZE_MAX) {
    std::vector<ClippedCaption> clipped;
    const int dpi = ScreenLogPixels();
    const int textHeight = QFontMetrics(font).height();
    for (const auto& [dialog, control] : CaptionsTightestFirst()) {
        const QString caption = ToQString(control->caption);
        const int needed = NeededWidth(control->kind, caption, font);
        if (needed == 0) {
            continue;
        }
        const int width = DialogUnitsToPixelsX(control->x + control->cx, dpi) -
                          DialogUnitsToPixelsX(control->x, dpi);
        const int height = DialogUnitsToPixelsY(control->y + control->cy, dpi) -
                           DialogUnitsToPixelsY(control->y, dpi);
        if (needed > width || textHeight > height) {
            clipped.push_back(
                {dialog->id, control->id, FromQString(caption), needed, width, textHeight, height});
            if (clipped.size() == enough) {
                return clipped;
            }
        }
    }
    return clipped;
}

bool Fits(const Candidate& candidate) {
    // One clipped caption rules a candidate out; measuring the rest would slow start-up.
    return ClippedCaptionsWith(MakeFont(candidate), 1).empty();
}

// The first candidate with which every caption fits, else the narrowest.
const Candidate& FirstFitting() {
    const auto found = std::find_if(std::begin(kCandidates), std::end(kCandidates), Fits);
    return found != std::end(kCandidates) ? *found : kCandidates[std::size(kCandidates) - 1];
}

std::string NameOf(const Candidate& candidate) {
    return candidate.face + std::string(" ") + FromQString(QString::number(candidate.points));
}

const Candidate* Named(const std::string& name) {
    const auto found = std::find_if(std::begin(kCandidates), std::end(kCandidates),
                                    [&name](const Candidate& c) { return NameOf(c) == name; });
    return found != std::end(kCandidates) ? found : nullptr;
}

}  // namespace

QFont ChooseDialogFont(const std::string& memory, int checkAfterMs) {
    const Candidate* remembered = Named(ReadCacheLine(memory));
    if (remembered != nullptr && Fits(*remembered)) {
        if (remembered != &kCandidates[0]) {
            QTimer::singleShot(checkAfterMs, qApp, [memory, remembered] {
                if (const Candidate& first = FirstFitting(); &first != remembered) {
                    WriteCacheLine(memory, NameOf(first));
                }
            });
        }
        return MakeFont(*remembered);
    }
    const Candidate& chosen = FirstFitting();
    WriteCacheLine(memory, NameOf(chosen));
    return MakeFont(chosen);
}

QFont DialogQFont() {
    if (QCoreApplication::instance() == nullptr) {
        return QFont();  // nothing to measure with yet
    }
    if (!g_dialogFont) {
        AwaitFontConfiguration();
        g_dialogFont = ChooseDialogFont(CacheFilePath("dialog-font"), kCheckAfterStartMs);
        qAddPostRoutine([] { g_dialogFont.reset(); });
    }
    return *g_dialogFont;
}

std::vector<ClippedCaption> FindClippedCaptions() {
    return ClippedCaptionsWith(DialogQFont());
}

std::string DialogFontName() {
    const QFont font = DialogQFont();
    return FromQString(QFontInfo(font).family()) + " " +
           FromQString(QString::number(font.pointSizeF())) + "pt";
}
