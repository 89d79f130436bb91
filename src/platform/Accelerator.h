#pragma once

#include <cstddef>

#include "platform/WinDefs.h"

class CWnd;

// Gives a window the command of the accelerator entry that a key-down matches, as a click of
// the button with that id: the button takes the focus and the window gets BN_CLICKED. Returns
// nonzero when an entry matched; the key is then used up. Shift and Ctrl are not told apart.
int TranslateAccelerator(CWnd* window, const ACCEL* table, std::size_t count, MSG* msg);
