#pragma once

#include <QImage>

#include "platform/WinTypes.h"

// The program's pictures, built into it as PNG files named by their resource id.
QString PicturePath(UINT id);

// Reads one, naming its format: left to guess, Qt loads every image plugin, and the libraries
// behind them, to ask whether it reads PNG, which start-up would pay for.
QImage ReadPicture(UINT id);
