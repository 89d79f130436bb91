#pragma once

#include <QMenu>

#include "platform/Wnd.h"

// Linux desktops own the window menu, so the layer keeps one of its own for each top-level
// dialog with a system menu: Minimise (when the window has the box), Close, and whatever the
// program appends.

// Fills a menu with the window's system menu; choosing an entry sends OnSysCommand.
void FillSystemMenu(QMenu& menu, CWnd& window);
// Opens the window's system menu at a screen position; nothing for a window without one.
void PopUpSystemMenu(CWnd& window, const QPoint& globalPos);
