#include "platform/KeyRouting.h"

#include <QContextMenuEvent>
#include <QWidget>

#include "platform/SystemMenu.h"
#include "platform/WndLink.h"

namespace {

// A key with no virtual-key code of its own still reaches the hooks with a nonzero code.
constexpr UINT kOtherKey = 0xFF;

struct KeyPair {
    UINT virtualKey;
    int qtKey;
};

constexpr KeyPair kKeys[] = {
    {VK_RETURN, Qt::Key_Return}, {VK_RETURN, Qt::Key_Enter},  {VK_ESCAPE, Qt::Key_Escape},
    {VK_TAB, Qt::Key_Tab},       {VK_SPACE, Qt::Key_Space},   {VK_LEFT, Qt::Key_Left},
    {VK_UP, Qt::Key_Up},         {VK_RIGHT, Qt::Key_Right},   {VK_DOWN, Qt::Key_Down},
    {VK_PRIOR, Qt::Key_PageUp},  {VK_NEXT, Qt::Key_PageDown}, {VK_HOME, Qt::Key_Home},
    {VK_END, Qt::Key_End},       {VK_APPS, Qt::Key_Menu},     {VK_F1, Qt::Key_F1},
    {VK_F10, Qt::Key_F10},
};

bool IsLetterOrDigit(int qtKey) {
    return (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z);
}

// Alt+Space as on the desktop's own window menu; the Menu key and Shift+F10 too, since window
// managers may keep Alt+Space for themselves.
bool OpensSystemMenu(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Space && held == Qt::AltModifier) ||
           (event.key() == Qt::Key_Menu && held == Qt::NoModifier) ||
           (event.key() == Qt::Key_F10 && held == Qt::ShiftModifier);
}

}  // namespace

UINT VirtualKeyFor(int qtKey) {
    if (IsLetterOrDigit(qtKey)) {
        return static_cast<UINT>(qtKey);  // the same codes
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.qtKey == qtKey) {
            return pair.virtualKey;
        }
    }
    return kOtherKey;
}

int QtKeyFor(UINT virtualKey) {
    if (IsLetterOrDigit(static_cast<int>(virtualKey))) {
        return static_cast<int>(virtualKey);
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.virtualKey == virtualKey) {
            return pair.qtKey;
        }
    }
    return Qt::Key_unknown;
}

bool PreTranslateKey(QWidget* receiver, const QKeyEvent& event) {
    MSG msg;
    msg.hwnd = receiver;
    msg.message = (event.modifiers() & Qt::AltModifier) != 0 ? WM_SYSKEYDOWN : WM_KEYDOWN;
    msg.wParam = VirtualKeyFor(event.key());
    msg.lParam = 1;  // one press
    for (QWidget* widget = receiver; widget != nullptr; widget = widget->parentWidget()) {
        const WndLink* link = LinkOf(widget);
        if (CWnd* window = link != nullptr ? link->Owner() : nullptr) {
            if (window->PreTranslateMessage(&msg) != FALSE || msg.wParam == 0) {
                return true;
            }
        }
        if (widget->isWindow()) {
            break;
        }
    }
    if (OpensSystemMenu(event)) {
        if (CWnd* window = CWnd::FromWidget(receiver->window())) {
            PopUpSystemMenu(*window, receiver->window()->mapToGlobal(QPoint(0, 0)));
            return true;
        }
    }
    return false;
}

bool IsMenuKeyEcho(const QWidget* receiver, const QEvent& event) {
    return event.type() == QEvent::ContextMenu &&
           static_cast<const QContextMenuEvent&>(event).reason() == QContextMenuEvent::Keyboard &&
           CWnd::FromWidget(receiver->window()) != nullptr;
}
