#pragma once

#include <QFont>

#include "platform/DialogFont.h"

// The font dialogs and their controls are drawn with, standing in for the templates' font,
// chosen for the running style when first asked for. Message boxes and menus keep the
// desktop's.
QFont DialogQFont();
