#include "platform/TestDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QTreeWidget>

#include "platform/Accessibility.h"
#include "platform/ControlWidgets.h"
#include "platform/DcState.h"
#include "platform/DialogWidget.h"
#include "platform/KeyRouting.h"
#include "platform/QtText.h"
#include "platform/SystemMenu.h"

namespace TestDriver {

namespace {

QWidget* WidgetOf(const CWnd* window) {
    return window != nullptr ? window->Widget() : nullptr;
}

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A mouse press also gives the focus to a control that takes it from the mouse.
void PressAt(QWidget* widget, const QPoint& at) {
    if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus) != 0) {
        if (!widget->isActiveWindow()) {
            widget->window()->activateWindow();
            QCoreApplication::processEvents();  // the activation arrives as an event
        }
        widget->setFocus(Qt::MouseFocusReason);
    }
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
}

void ReleaseAt(QWidget* widget, const QPoint& at) {
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

QString KeyText(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
            return QStringLiteral("\r");
        case Qt::Key_Escape:
            return QStringLiteral("\x1b");
        case Qt::Key_Tab:
            return QStringLiteral("\t");
        case Qt::Key_Space:
            return QStringLiteral(" ");
        default:
            return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_Z ? QString(QChar(qtKey)).toLower()
                                                            : QString();
    }
}

Spoken Describe(QAccessibleInterface* accessible) {
    Spoken spoken;
    if (accessible == nullptr) {
        return spoken;
    }
    spoken.role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(accessible->role());
    spoken.name = FromQString(accessible->text(QAccessible::Name));
    spoken.value = FromQString(accessible->text(QAccessible::Value));
    spoken.description = FromQString(accessible->text(QAccessible::Description));
    spoken.checkable = accessible->state().checkable;
    spoken.checked = accessible->state().checked;
    return spoken;
}

void CollectSpoken(QAccessibleInterface* parent, std::vector<Spoken>& spoken) {
    for (int i = 0; parent != nullptr && i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child == nullptr || child->state().invisible) {
            continue;
        }
        if (dynamic_cast<DialogWidget*>(child->object()) != nullptr) {
            CollectSpoken(child, spoken);
        } else {
            spoken.push_back(Describe(child));
        }
    }
}

}  // namespace

void ProcessEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Click(CWnd* button) {
    Press(button);
    Release(button);
}

void Press(CWnd* button) {
    if (QWidget* widget = WidgetOf(button)) {
        PressAt(widget, widget->rect().center());
    }
}

void Release(CWnd* button) {
    if (QWidget* widget = WidgetOf(button)) {
        ReleaseAt(widget, widget->rect().center());
    }
}

void Type(CWnd* edit, const std::string& text) {
    auto* line = dynamic_cast<QLineEdit*>(WidgetOf(edit));
    if (line == nullptr || !line->isEnabled() || line->isReadOnly()) {
        return;
    }
    line->setFocus(Qt::OtherFocusReason);
    line->selectAll();
    line->insert(ToQString(text));
}

void PressKey(CWnd* target, UINT virtualKey, bool alt, bool shift) {
    QWidget* widget = WidgetOf(target);
    if (widget == nullptr) {
        return;
    }
    const int key = QtKeyFor(virtualKey);
    Qt::KeyboardModifiers modifiers = alt ? Qt::AltModifier : Qt::NoModifier;
    if (shift) {
        modifiers |= Qt::ShiftModifier;
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, KeyText(key));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, KeyText(key));
    QCoreApplication::sendEvent(widget, &release);
}

CWnd* Focused(CWnd* window) {
    const QWidget* widget = WidgetOf(window);
    return widget != nullptr ? CWnd::FromWidget(widget->window()->focusWidget()) : nullptr;
}

void DragSlider(CSliderCtrl* slider, int position) {
    auto* widget = dynamic_cast<SliderWidget*>(WidgetOf(slider));
    if (widget == nullptr) {
        return;
    }
    const QPoint drop = widget->DropPointFor(position);
    PressAt(widget, widget->ThumbCentre());
    SendMouse(widget, QEvent::MouseMove, drop, Qt::LeftButton);
    ReleaseAt(widget, drop);
}

void DoubleClick(CListCtrl* list, int item) {
    auto* tree = dynamic_cast<QTreeWidget*>(WidgetOf(list));
    QTreeWidgetItem* row = tree != nullptr ? tree->topLevelItem(item) : nullptr;
    if (row == nullptr) {
        return;
    }
    tree->scrollToItem(row);
    QWidget* viewport = tree->viewport();
    const QPoint at = tree->visualItemRect(row).center();
    PressAt(viewport, at);
    ReleaseAt(viewport, at);
    SendMouse(viewport, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    ReleaseAt(viewport, at);
}

void PickDate(CWnd* picker, int year, int month, int day) {
    if (auto* date = dynamic_cast<QDateEdit*>(WidgetOf(picker))) {
        date->setDate(QDate(year, month, day));
    }
}

void RightClick(CWnd* window, int x, int y) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) {
        return;
    }
    QWidget* under = widget->childAt(x, y);
    QWidget* target = under != nullptr ? under : widget;
    const QPoint at = target->mapFrom(widget, QPoint(x, y));
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QCoreApplication::sendEvent(target, &event);
}

void ChooseSystemMenu(CWnd* window, UINT id) {
    if (window == nullptr) {
        return;
    }
    QMenu menu;
    FillSystemMenu(menu, *window);
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->data().toUInt() == id) {
            action->trigger();
            return;
        }
    }
}

COLORREF GrabPixel(CWnd* window, int x, int y, const std::string& savePngPath) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) {
        return CLR_INVALID;
    }
    const QImage image = widget->grab().toImage();
    if (!savePngPath.empty()) {
        image.save(ToQString(savePngPath), "PNG");
    }
    return image.valid(x, y) ? ToColorRef(image.pixel(x, y)) : CLR_INVALID;
}

void WhenModalRuns(std::function<void(CDialog&)> action) {
    NextModalAction() = std::move(action);
}

std::vector<std::string> TakeOpenMenu() {
    std::vector<std::string> entries;
    auto* menu = dynamic_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return entries;
    }
    for (const QAction* action : menu->actions()) {
        entries.push_back(action->isSeparator() ? std::string() : FromQString(action->text()));
    }
    menu->close();
    return entries;
}

bool IsSeparateWindow(CWnd* window) {
    const QWidget* widget = WidgetOf(window);
    return widget != nullptr && widget->isWindow();
}

std::string HoverCell(CListCtrl* list, int item, int subItem) {
    auto* widget = dynamic_cast<ListWidget*>(WidgetOf(list));
    QTreeWidgetItem* row = widget != nullptr ? widget->topLevelItem(item) : nullptr;
    if (row == nullptr) {
        return "";
    }
    // A tip hides after a short delay; the next one must not be taken for this one's.
    QToolTip::hideText();
    QElapsedTimer waited;
    waited.start();
    while (QToolTip::isVisible() && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const QPoint at = widget->visualItemRect(row).center();
    const QPoint cell(widget->header()->sectionViewportPosition(subItem) +
                          widget->header()->sectionSize(subItem) / 2,
                      at.y());
    QHelpEvent event(QEvent::ToolTip, cell, widget->viewport()->mapToGlobal(cell));
    QCoreApplication::sendEvent(widget->viewport(), &event);
    return QToolTip::isVisible() ? FromQString(QToolTip::text()) : "";
}

bool ShowsHorizontalScrollBar(CListCtrl* list) {
    const auto* widget = dynamic_cast<ListWidget*>(WidgetOf(list));
    return widget != nullptr && widget->horizontalScrollBar()->isVisible();
}

Spoken SpokenOf(CWnd* window) {
    QWidget* widget = WidgetOf(window);
    return Describe(widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr);
}

std::vector<Spoken> SpokenControls(CWnd* window) {
    std::vector<Spoken> spoken;
    if (QWidget* widget = WidgetOf(window)) {
        CollectSpoken(QAccessible::queryAccessibleInterface(widget), spoken);
    }
    return spoken;
}

namespace {
std::vector<std::string>* g_announced = nullptr;

void RecordAnnouncement(QAccessibleEvent& event) {
    QAccessibleInterface* changed = event.accessibleInterface();
    if (g_announced == nullptr || changed == nullptr) {
        return;
    }
    if (event.type() == QAccessible::NameChanged) {
        g_announced->push_back("name " + FromQString(changed->text(QAccessible::Name)));
    } else if (event.type() == QAccessible::ValueChanged) {
        g_announced->push_back("value " + FromQString(changed->text(QAccessible::Value)));
    }
}
}  // namespace

std::vector<std::string> Announced(const std::function<void()>& action) {
    std::vector<std::string> announced;
    g_announced = &announced;
    SetAnnouncementHook(&RecordAnnouncement);
    action();
    SetAnnouncementHook(nullptr);
    g_announced = nullptr;
    return announced;
}

}  // namespace TestDriver
