#pragma once

#include <QPaintEvent>
#include <functional>

#include "platform/WndLink.h"

// Paints a widget of the layer as the window framework paints a window: OnEraseBkgnd, then
// OnPaint, with a device context clipped to the region to repaint; then the widget's own look,
// when the window's default OnPaint ran and its OnEraseBkgnd drew nothing (a window that draws
// itself, like the chart, is not painted over).
void PaintWindow(QWidget* widget, QPaintEvent* event, const std::function<void()>& ownLook);

// The default OnPaint asks for the widget's own look.
void NoteDefaultPaint(const CWnd* window);

template <class Base>
class Painted : public Linked<Base> {
public:
    using Linked<Base>::Linked;

protected:
    void paintEvent(QPaintEvent* event) override {
        PaintWindow(this, event, [this, event] { PaintOwnLook(event); });
    }
    virtual void PaintOwnLook(QPaintEvent* event) { Base::paintEvent(event); }
};
