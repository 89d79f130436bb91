#pragma once

#include <QKeyEvent>

#include "platform/WinDefs.h"

// Offers a key press to PreTranslateMessage of the window that has it and then of each window
// above it up to its top-level window, as the window framework does before a key reaches a
// control. Returns true when the key is used up: a hook returned TRUE or set the key code to 0
// (the key then does nothing). Alt+Space that survives opens the window's system menu.
bool PreTranslateKey(QWidget* receiver, const QKeyEvent& event);

// Virtual-key codes and Qt keys of the keys the program meets.
UINT VirtualKeyFor(int qtKey);
int QtKeyFor(UINT virtualKey);
