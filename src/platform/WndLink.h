#pragma once

#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Wnd.h"

// What a widget of the layer knows about the window objects that stand for it. Every widget the
// layer makes derives from this. Messages reach the window object attached last: a control's own
// object once DDX_Control has attached it, else the plain stand-in made with the control.
class WndLink {
public:
    WndLink(QWidget* self, int id);
    virtual ~WndLink();
    WndLink(const WndLink&) = delete;
    WndLink& operator=(const WndLink&) = delete;

    int Id() const { return m_id; }
    CWnd* Owner() const { return m_windows.empty() ? nullptr : m_windows.back(); }

    void Attach(CWnd* window);
    void Detach(CWnd* window);
    // Gives a control a plain window object, so GetDlgItem finds it before the program attaches
    // its own.
    void MakeStandIn();

    HICON icon[2] = {nullptr, nullptr};  // big, small

private:
    QWidget* m_self;
    int m_id;
    std::unique_ptr<CWnd> m_standIn;
    std::vector<CWnd*> m_windows;
};

WndLink* LinkOf(const QWidget* widget);
// The control with that id among a dialog widget's own controls, or null.
QWidget* FindControl(const QWidget* dialog, int id);

// A Qt widget class made into a widget of the layer.
template <class Base>
class Linked : public Base, public WndLink {
public:
    template <class... Args>
    explicit Linked(int id, Args&&... args)
        : Base(std::forward<Args>(args)...), WndLink(this, id) {}
};

// Sends a control's notification to the dialog that holds it.
void NotifyParent(QWidget* control, UINT code);
