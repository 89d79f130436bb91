#pragma once

#include <QKeyEvent>

#include "platform/WinDefs.h"

// Offers a key press to PreTranslateMessage of the window that has it and then of each window
// above it up to its top-level window, as the window framework does before a key reaches a
// control. Returns true when the key is used up: a hook returned TRUE or set the key code to 0
// (the key then does nothing). Alt+Space, the Menu key or Shift+F10 that survives opens the
// system menu of the window the control is in, from any control.
bool PreTranslateKey(QWidget* receiver, const QKeyEvent& event);

// Some desktops also turn the Menu key into a context-menu request for the control with the
// focus (an edit would open its own menu over the system menu). True for such a request in a
// window of the layer, where the key has opened the system menu already.
bool IsMenuKeyEcho(const QWidget* receiver, const QEvent& event);

// Virtual-key codes and Qt keys of the keys the program meets.
UINT VirtualKeyFor(int qtKey);
int QtKeyFor(UINT virtualKey);
