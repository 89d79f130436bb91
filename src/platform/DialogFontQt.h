#pragma once

#include <QFont>

#include "platform/DialogFont.h"

// The font dialogs and their controls are drawn with, standing in for the templates' font.
QFont DialogQFont();
// Chooses the dialog font for the running style. Message boxes and menus keep the desktop's.
void InstallDialogFont();
