#pragma once

#include <QFont>
#include <string>

#include "platform/DialogFont.h"

// The font dialogs and their controls are drawn with, standing in for the templates' font,
// chosen for the running style when first asked for. Message boxes and menus keep the
// desktop's.
QFont DialogQFont();

// Chooses the dialog font and remembers the choice in the cache file `memory`. Every candidate
// face tried costs start-up a font load and a measurement, so the remembered face is tried first
// and taken when every caption fits; `checkAfterMs` later the faces before it are tried again
// and the first that fits is remembered, so a change of fonts or screen is taken at the next
// start.
QFont ChooseDialogFont(const std::string& memory, int checkAfterMs);
