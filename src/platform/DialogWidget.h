#pragma once

#include <QDialog>
#include <functional>

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Painting.h"

// The widget of a CDialog: a top-level window, or, for a child template with a parent, a plain
// child widget at the parent's top-left corner. Its client size is the template's size.
class DialogWidget : public Painted<QDialog> {
public:
    DialogWidget(const DialogTemplate& dialogTemplate, QWidget* parent);

    // The close box, Alt+F4 and the system menu's Close: OnCancel.
    void reject() override;
    void accept() override;

protected:
    // Enter and Escape that survived pre-translation reach OnOK and OnCancel of a top-level
    // dialog; a child dialog leaves them to its window.
    void keyPressEvent(QKeyEvent* event) override;
    // A right click on a top-level dialog's own background opens its system menu.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CDialog* Dialog() const;
};

// Tests: an action run on the next modal dialog once its loop runs.
std::function<void(CDialog&)>& NextModalAction();
