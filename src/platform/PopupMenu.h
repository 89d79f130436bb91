#pragma once

#include <functional>

#include "platform/Wnd.h"

// Tests choose instead of the user: while a hook is set, CMenu::TrackPopupMenu calls it with the
// menu and returns what it returns (an entry's id, or 0), and no menu is shown.
using PopupMenuHook = std::function<UINT(const CMenu& menu)>;
void SetPopupMenuHook(PopupMenuHook hook);
