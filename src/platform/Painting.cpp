#include "platform/Painting.h"

#include <QPainter>

#include "platform/DcState.h"

namespace {

struct PaintPass {
    const CWnd* window;
    bool defaultPaint;
};

PaintPass* g_pass = nullptr;  // the window whose handlers run now

}  // namespace

void PaintWindow(QWidget* widget, QPaintEvent* event, const std::function<void()>& ownLook) {
    CWnd* window = CWnd::FromWidget(widget);
    if (window == nullptr) {
        ownLook();
        return;
    }
    PaintPass pass{window, false};
    PaintPass* const outer = std::exchange(g_pass, &pass);
    bool erased = false;
    {
        QPainter painter(widget);
        painter.setClipRegion(event->region());
        CDC dc;
        BindPainter(dc, painter, widget->font(), widget->logicalDpiY());
        window->OnEraseBkgnd(&dc);
        erased = dc.State().drawCount > 0;
        window->OnPaint();
    }
    g_pass = outer;
    if (pass.defaultPaint && !erased) {
        ownLook();
    }
}

void NoteDefaultPaint(const CWnd* window) {
    if (g_pass != nullptr && g_pass->window == window) {
        g_pass->defaultPaint = true;
    }
}
