#pragma once

#include <vector>

#include "platform/DialogTemplate.h"

class QAccessibleEvent;
class QWidget;

// What a screen reader is told about the windows of the layer.

// Names the edits, track bars, date pickers and lists of a template, built into `widgets` (one
// per control, in template order), after what labels them: the nearest static text to the left
// that stands within the control's line, in the same group box; else the innermost group box
// around the control. A labelling text follows its own changes and comes just before its
// control in the accessibility tree.
void NameControlsByLabels(const DialogTemplate& dialog, const std::vector<QWidget*>& widgets);

// Makes the layer's own accessible interfaces known: track bars whose value (and, for desktop
// bridges that pass on only numbers, description) reads as the text the program gives them, and
// dialogs that keep static controls saying nothing (pictures, empty texts) out of the tree. A
// dialog inside another is a pane, not a dialog of its own.
void InstallAccessibleInterfaces();

// Tells a screen reader that what it speaks of a control (its name, value or description) has
// changed. The hook, set by tests, sees each change even while no screen reader listens, when Qt
// passes none on.
void AnnounceChange(QAccessibleEvent& change);
void SetAnnouncementHook(void (*hook)(QAccessibleEvent& change));
