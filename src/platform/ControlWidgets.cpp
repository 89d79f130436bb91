#include "platform/ControlWidgets.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <algorithm>
#include <limits>
#include <utility>

#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/DcState.h"
#include "platform/Pictures.h"
#include "platform/QtText.h"
#include "platform/Units.h"

namespace {

QString Caption(const ControlTemplate& control) {
    return ToQString(control.caption != nullptr ? control.caption : "");
}

// Tab stops take the focus from the keyboard and the mouse, other controls from the mouse only.
void SetFocusFrom(QWidget* widget, const ControlTemplate& control) {
    widget->setFocusPolicy((control.style & CS_TAB_STOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
}

void Place(QWidget* widget, const ControlTemplate& control) {
    const int dpi = ScreenLogPixels();
    const int left = DialogUnitsToPixelsX(control.x, dpi);
    const int top = DialogUnitsToPixelsY(control.y, dpi);
    const int right = DialogUnitsToPixelsX(control.x + control.cx, dpi);
    const int bottom = DialogUnitsToPixelsY(control.y + control.cy, dpi);
    widget->setGeometry(left, top, right - left, bottom - top);
}

Qt::Alignment ColumnAlignment(int format) {
    switch (format) {
        case LVCFMT_RIGHT:
            return Qt::AlignRight | Qt::AlignVCenter;
        case LVCFMT_CENTER:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The user's short date, with the year in full.
QString ShortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    return format;
}

void NotifyClicks(QAbstractButton* button) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button] { NotifyParent(button, BN_CLICKED); });
}

// A dotted frame as the desktop's classic controls draw it around the keyboard focus; what a style
// draws for the focus on its own may be too faint to see.
void DrawFocusMark(QWidget* widget, int inset) {
    if (!widget->hasFocus()) {
        return;
    }
    QPainter painter(widget);
    painter.setPen(QPen(widget->palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(widget->rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void KeepTabStopOnChecked(QButtonGroup* group) {
    const auto moveStop = [group] {
        const QList<QAbstractButton*> buttons = group->buttons();
        QAbstractButton* stop = buttons.isEmpty() ? nullptr : buttons.first();
        for (QAbstractButton* button : buttons) {
            if (button->isChecked()) {
                stop = button;
            }
        }
        // Arrow keys still move between the buttons of the group.
        for (QAbstractButton* button : buttons) {
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, moveStop);
    moveStop();
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::PushButton:
            return new PushButtonWidget(control, parent);
        case ControlKind::OwnerDrawButton:
            return new OwnerDrawButtonWidget(control, parent);
        case ControlKind::RadioButton:
            return new RadioButtonWidget(control, parent);
        case ControlKind::GroupBox:
            return new GroupBoxWidget(control, parent);
        case ControlKind::Static:
        case ControlKind::StaticFrame:
        case ControlKind::Picture:
            return new StaticWidget(control, parent);
        case ControlKind::Edit:
            return new EditWidget(control, parent);
        case ControlKind::ListView:
            return new ListWidget(control, parent);
        case ControlKind::TrackBar:
            return new SliderWidget(control, parent);
        case ControlKind::DatePicker:
            return new DateWidget(control, parent);
    }
    return nullptr;
}

}  // namespace

void BuildControls(const DialogTemplate& dialog, QWidget* dialogWidget) {
    std::vector<QWidget*> widgets;
    std::vector<QButtonGroup*> groups;
    QButtonGroup* group = nullptr;
    for (const ControlTemplate& control : dialog.controls) {
        if ((control.style & CS_GROUP_START) != 0) {
            group = nullptr;
        }
        QWidget* widget = MakeControl(control, dialogWidget);
        widgets.push_back(widget);
        if (auto* radio = dynamic_cast<QRadioButton*>(widget)) {
            if (group == nullptr) {
                group = new QButtonGroup(dialogWidget);
                groups.push_back(group);
            }
            group->addButton(radio);
        }
        Place(widget, control);
        if (auto* picture = dynamic_cast<StaticWidget*>(widget)) {
            picture->FitPicture();
        }
        LinkOf(widget)->MakeStandIn();
        if ((control.style & CS_HIDDEN) != 0) {
            widget->hide();
        }
    }
    for (QButtonGroup* radios : groups) {
        KeepTabStopOnChecked(radios);
    }
    NameControlsByLabels(dialog, widgets);
}

void SetButtonChecked(QAbstractButton* button, bool checked) {
    button->setCheckable(true);  // a push button then tells a screen reader its state too
    if (checked || !button->isChecked()) {
        button->setChecked(checked);
        return;
    }
    QButtonGroup* group = button->group();
    const bool groupExclusive = group != nullptr && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive) {
        group->setExclusive(false);
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive) {
        group->setExclusive(true);
    }
}

// Buttons

PushButtonWidget::PushButtonWidget(const ControlTemplate& control, QWidget* parent)
    : Painted(control.id, Caption(control), parent) {
    setAutoDefault(false);
    SetFocusFrom(this, control);
    NotifyClicks(this);
}

void PushButtonWidget::PaintOwnLook(QPaintEvent* event) {
    Painted::PaintOwnLook(event);
    DrawFocusMark(this, 3);
}

void OwnerDrawButtonWidget::PaintOwnLook(QPaintEvent* /*event*/) {
    const auto* button = dynamic_cast<const CBitmapButton*>(Owner());
    const CBitmap* face = button != nullptr ? button->CurrentFace() : nullptr;
    if (face != nullptr) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), face->Data()->image);
    }
}

RadioButtonWidget::RadioButtonWidget(const ControlTemplate& control, QWidget* parent)
    : Painted(control.id, Caption(control), parent) {
    NotifyClicks(this);
}

GroupBoxWidget::GroupBoxWidget(const ControlTemplate& control, QWidget* parent)
    : Painted(control.id, Caption(control), parent) {
    // A frame drawn around other controls: beneath them, and never in the way of the mouse.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

int GroupBoxWidget::TitleLeft(const QFontMetrics& metrics) {
    return metrics.averageCharWidth() + 1;
}

int GroupBoxWidget::NeededWidth(const QFontMetrics& metrics, const QString& title) {
    constexpr int kGaps = 4;  // a blank each side of the title, then the frame's right edge
    return TitleLeft(metrics) + metrics.horizontalAdvance(title) + kGaps;
}

void GroupBoxWidget::PaintOwnLook(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    const QRect frame(0, top, width() - 2, height() - top - 2);
    QRegion outsideTitle(rect());
    if (!title().isEmpty()) {
        outsideTitle -= QRect(TitleLeft(metrics) - 2, 0, metrics.horizontalAdvance(title()) + 4,
                              metrics.height());
    }
    painter.setClipRegion(outsideTitle);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    painter.setClipping(false);
    style()->drawItemText(&painter, QRect(TitleLeft(metrics), 0, width(), metrics.height()),
                          Qt::AlignLeft | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

// Statics

StaticWidget::StaticWidget(const ControlTemplate& control, QWidget* parent)
    : Painted(control.id, parent), m_kind(control.kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop |
                 ((control.style & CS_RIGHT_ALIGN) != 0 ? Qt::AlignRight : Qt::AlignLeft));
    if (m_kind == ControlKind::Picture) {
        setPixmap(QPixmap::fromImage(ReadPicture(control.bitmap)));
    } else {
        setText(Caption(control));
    }
}

void StaticWidget::FitPicture() {
    if (m_kind == ControlKind::Picture && !pixmap().isNull()) {
        resize(pixmap().size());
    }
}

void StaticWidget::PaintOwnLook(QPaintEvent* event) {
    if (m_kind == ControlKind::StaticFrame) {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    Painted::PaintOwnLook(event);
}

// Edits

EditWidget::EditWidget(const ControlTemplate& control, QWidget* parent)
    : Painted(control.id, parent) {
    setMaxLength(std::numeric_limits<int>::max());
    setFrame((control.style & CS_BORDER) != 0);
    SetFocusFrom(this, control);
    if ((control.style & CS_RIGHT_ALIGN) != 0) {
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if ((control.style & CS_DIGITS_ONLY) != 0) {
        setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    }
    if ((control.style & CS_READ_ONLY) != 0) {
        setReadOnly(true);
        SetReadOnlyLook(true);
    }
    QObject::connect(this, &QLineEdit::textChanged, this,
                     [this] { NotifyParent(this, EN_CHANGE); });
}

void EditWidget::SetReadOnlyLook(bool readOnly) {
    QPalette look = parentWidget() != nullptr ? parentWidget()->palette() : palette();
    if (readOnly) {
        look.setColor(QPalette::Base, look.color(QPalette::Button));
    }
    setPalette(look);
}

// Lists

ListWidget::ListWidget(const ControlTemplate& control, QWidget* parent)
    : Linked(control.id, parent) {
    SetFocusFrom(this, control);
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    if ((control.style & CS_BORDER) == 0) {
        setFrameShape(QFrame::NoFrame);
    }
    QObject::connect(this, &QTreeWidget::itemDoubleClicked, this,
                     [this] { NotifyParent(this, NM_DBLCLK); });
    QObject::connect(this, &QTreeWidget::itemSelectionChanged, this,
                     [this] { NotifyParent(this, LVN_ITEMCHANGED); });
}

int ListWidget::AddColumn(const QString& heading, int format, int width) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, heading);
    headerItem()->setTextAlignment(column, ColumnAlignment(format));
    if (width >= 0) {
        setColumnWidth(column, width);
    }
    m_formats.push_back(format);
    return column;
}

int ListWidget::ColumnFormat(int column) const {
    return column >= 0 && column < static_cast<int>(m_formats.size()) ? m_formats[column]
                                                                      : LVCFMT_LEFT;
}

int ListWidget::InsertRow(int row, const QString& text) {
    if (row < 0) {
        return -1;
    }
    auto* item = new QTreeWidgetItem();
    for (int column = 0; column < columnCount(); ++column) {
        item->setTextAlignment(column, ColumnAlignment(ColumnFormat(column)));
    }
    item->setText(0, text);
    const int at = std::min(row, topLevelItemCount());
    insertTopLevelItem(at, item);
    return at;
}

QString ListWidget::CutTextAt(const QPoint& point) const {
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) {
        return {};
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1;
    const int room = option.rect.width() - 2 * margin;
    return fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

void ListWidget::FillWithLastColumn(bool fill) {
    m_fillWithLastColumn = fill;
    updateGeometries();
}

void ListWidget::updateGeometries() {
    // A hidden list is laid out as it is shown: measuring its header before would cost start-up
    // the hidden panels' lists.
    if (!isVisible()) {
        return;
    }
    QTreeWidget::updateGeometries();
    const int last = columnCount() - 1;
    if (!m_fillWithLastColumn || last < 0) {
        return;
    }
    int used = 0;
    for (int column = 0; column < last; ++column) {
        used += columnWidth(column);
    }
    const int width = std::max(viewport()->width() - used, header()->minimumSectionSize());
    if (columnWidth(last) != width) {
        setColumnWidth(last, width);
    }
}

bool ListWidget::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString cut = CutTextAt(help->pos());
        if (cut.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), cut, viewport());
        }
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

// Track bars

SliderWidget::SliderWidget(const ControlTemplate& control, QWidget* parent)
    : Painted(control.id, Qt::Horizontal, parent) {
    SetFocusFrom(this, control);
    setRange(0, 100);
    setTickInterval(1);
    setTickPosition((control.style & CS_TICKS_TOP) != 0 ? QSlider::TicksAbove
                                                        : QSlider::TicksBelow);
}

QPoint SliderWidget::ThumbCentre() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this)
        .center();
}

QPoint SliderWidget::DropPointFor(int value) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    // The slider maps the thumb's left edge onto the groove less the thumb's own width.
    const int span = groove.width() - thumb.width();
    const int left =
        groove.x() + QStyle::sliderPositionFromValue(minimum(), maximum(), value, span);
    return QPoint(left + thumb.center().x() - thumb.x(), thumb.center().y());
}

void SliderWidget::mousePressEvent(QMouseEvent* event) {
    Painted::mousePressEvent(event);
    m_mouseDown = m_mouseDown || event->button() == Qt::LeftButton;
}

void SliderWidget::mouseReleaseEvent(QMouseEvent* event) {
    Painted::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && std::exchange(m_mouseDown, false)) {
        NotifyParent(this, NM_RELEASEDCAPTURE);
    }
}

void SliderWidget::keyPressEvent(QKeyEvent* event) {
    const int before = value();
    Painted::keyPressEvent(event);
    TellIfMoved(before);
}

void SliderWidget::wheelEvent(QWheelEvent* event) {
    const int before = value();
    Painted::wheelEvent(event);
    TellIfMoved(before);
}

void SliderWidget::MoveByUser(int position) {
    const int before = value();
    setValue(position);
    TellIfMoved(before);
}

// While the mouse holds the thumb, its release tells.
void SliderWidget::TellIfMoved(int before) {
    if (value() != before && !m_mouseDown) {
        NotifyParent(this, NM_RELEASEDCAPTURE);
    }
}

void SliderWidget::SetValueText(const QString& text) {
    if (text == m_valueText) {
        return;
    }
    m_valueText = text;
    QAccessibleValueChangeEvent valueChanged(this, value());
    AnnounceChange(valueChanged);
    QAccessibleEvent descriptionChanged(this, QAccessible::DescriptionChanged);
    AnnounceChange(descriptionChanged);
}

void SliderWidget::PaintOwnLook(QPaintEvent* event) {
    Painted::PaintOwnLook(event);
    DrawFocusMark(this, 0);
}

// Date pickers

DateWidget::DateWidget(const ControlTemplate& control, QWidget* parent)
    : Linked(control.id, parent) {
    SetFocusFrom(this, control);
    setCalendarPopup(true);
    setMinimumDate(QDate(100, 1, 1));
    setDisplayFormat(ShortDateFormat());
    setDate(QDate::currentDate());
    QObject::connect(this, &QDateEdit::dateChanged, this,
                     [this] { NotifyParent(this, DTN_DATETIMECHANGE); });
}

bool DateWidget::SetTime(const COleDateTime& time) {
    if (time.GetStatus() != COleDateTime::valid) {
        return false;
    }
    // Only the user's picking tells the dialog.
    const QSignalBlocker quiet(this);
    setDate(QDate(time.GetYear(), time.GetMonth(), time.GetDay()));
    m_hour = time.GetHour();
    m_minute = time.GetMinute();
    m_second = time.GetSecond();
    return true;
}

bool DateWidget::GetTime(COleDateTime& time) const {
    const QDate shown = date();
    return time.SetDateTime(shown.year(), shown.month(), shown.day(), m_hour, m_minute, m_second);
}
