#include "platform/LayerApplication.h"

#include <QKeyEvent>
#include <QWidget>

#include "platform/Accessibility.h"
#include "platform/KeyRouting.h"

LayerApplication::LayerApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setQuitOnLastWindowClosed(false);
    InstallAccessibleInterfaces();
}

bool LayerApplication::notify(QObject* receiver, QEvent* event) {
    // Each key press passes here once, on its way to the widget with the focus; Qt's own
    // propagation to the parents comes after.
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType() &&
        PreTranslateKey(static_cast<QWidget*>(receiver), *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (receiver->isWidgetType() && IsMenuKeyEcho(static_cast<QWidget*>(receiver), *event)) {
        return true;
    }
    return QApplication::notify(receiver, event);
}
