#include "platform/PopupMenu.h"

#include <QMenu>

#include "platform/QtText.h"

namespace {

PopupMenuHook& Hook() {
    static PopupMenuHook hook;
    return hook;
}

}  // namespace

void SetPopupMenuHook(PopupMenuHook hook) {
    Hook() = std::move(hook);
}

UINT CMenu::TrackPopupMenu(UINT /*flags*/, int x, int y, CWnd* owner) {
    if (Hook()) {
        return Hook()(*this);
    }
    QMenu menu(owner != nullptr ? owner->Widget() : nullptr);
    for (const Item& item : m_items) {
        if ((item.flags & MF_SEPARATOR) != 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(ToQString(item.text));
        action->setData(item.id);
    }
    const QAction* chosen = menu.exec(QPoint(x, y));
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}
