#include "platform/DialogWidget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "platform/DcState.h"
#include "platform/DialogFontQt.h"
#include "platform/QtText.h"
#include "platform/SystemMenu.h"
#include "platform/Units.h"

namespace {

Qt::WindowFlags TopLevelFlags(const DialogTemplate& dialogTemplate, bool owned) {
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if ((dialogTemplate.style & DS_CAPTION) != 0) {
        flags |= Qt::WindowTitleHint;
    }
    if ((dialogTemplate.style & DS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((dialogTemplate.style & DS_MINIMIZE_BOX) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

}  // namespace

DialogWidget::DialogWidget(const DialogTemplate& dialogTemplate, QWidget* parent)
    : Painted(0, parent) {
    const bool child = (dialogTemplate.style & DS_CHILD) != 0 && parent != nullptr;
    setWindowFlags(child ? Qt::Widget : TopLevelFlags(dialogTemplate, parent != nullptr));
    setFont(DialogQFont());
    setWindowTitle(ToQString(dialogTemplate.caption != nullptr ? dialogTemplate.caption : ""));
    const int dpi = ScreenLogPixels();
    const QSize client(DialogUnitsToPixelsX(dialogTemplate.cx, dpi),
                       DialogUnitsToPixelsY(dialogTemplate.cy, dpi));
    setFixedSize(client);
    if (child) {
        move(0, 0);  // also keeps QDialog from centring it on show
    }
    // Shown only through ShowWindow, which sends the show notification.
    hide();
}

CDialog* DialogWidget::Dialog() const {
    return dynamic_cast<CDialog*>(Owner());
}

void DialogWidget::reject() {
    if (CDialog* dialog = Dialog()) {
        dialog->OnCancel();
    }
}

void DialogWidget::accept() {
    if (CDialog* dialog = Dialog()) {
        dialog->OnOK();
    }
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!isWindow() || modifiers != Qt::NoModifier) {
        event->ignore();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            break;
        case Qt::Key_Escape:
            reject();
            break;
        default:
            event->ignore();
    }
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
    CWnd* window = Owner();
    if (isWindow() && window != nullptr) {
        PopUpSystemMenu(*window, event->globalPos());
    }
    event->accept();
}

std::function<void(CDialog&)>& NextModalAction() {
    static std::function<void(CDialog&)> action;
    return action;
}
