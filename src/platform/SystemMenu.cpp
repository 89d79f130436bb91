#include "platform/SystemMenu.h"

#include "platform/QtText.h"

void FillSystemMenu(QMenu& menu, CWnd& window) {
    const CMenu* systemMenu = window.GetSystemMenu(FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    for (const CMenu::Item& item : systemMenu->Items()) {
        if ((item.flags & MF_SEPARATOR) != 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(ToQString(item.text));
        action->setData(item.id);
        QObject::connect(action, &QAction::triggered, &menu,
                         [&window, id = item.id] { window.OnSysCommand(id, 0); });
    }
}

void PopUpSystemMenu(CWnd& window, const QPoint& globalPos) {
    if (window.GetSystemMenu(FALSE) == nullptr) {
        return;
    }
    auto* menu = new QMenu(window.Widget());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    FillSystemMenu(*menu, window);
    menu->popup(globalPos);
}
