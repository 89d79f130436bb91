#include "platform/WndLink.h"

#include <algorithm>

WndLink::WndLink(QWidget* self, int id) : m_self(self), m_id(id) {}

WndLink::~WndLink() {
    // The widget goes first: every window object standing for it forgets it.
    for (CWnd* window : m_windows) {
        window->m_widget = nullptr;
    }
}

void WndLink::Attach(CWnd* window) {
    Detach(window);
    m_windows.push_back(window);
}

void WndLink::Detach(CWnd* window) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
}

void WndLink::MakeStandIn() {
    m_standIn = std::make_unique<CWnd>();
    m_standIn->AttachWidget(m_self);
}

WndLink* LinkOf(const QWidget* widget) {
    return dynamic_cast<WndLink*>(const_cast<QWidget*>(widget));
}

QWidget* FindControl(const QWidget* dialog, int id) {
    if (dialog == nullptr) {
        return nullptr;
    }
    for (QObject* child : dialog->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        const WndLink* link = widget != nullptr ? LinkOf(widget) : nullptr;
        if (link != nullptr && link->Id() == id && !widget->isWindow()) {
            return widget;
        }
    }
    return nullptr;
}

void NotifyParent(QWidget* control, UINT code) {
    const WndLink* link = LinkOf(control);
    CWnd* dialog = CWnd::FromWidget(control->parentWidget());
    if (link != nullptr && dialog != nullptr) {
        dialog->OnControlNotify(code, link->Id());
    }
}
