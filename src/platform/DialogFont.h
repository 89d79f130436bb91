#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

// The templates were laid out for a narrow bitmap font that Linux lacks. The layer draws dialogs
// with the first of a few installed faces and sizes with which every caption of every template,
// with its radio indicator or button frame, fits the rectangle its template gives it.

struct ClippedCaption {
    UINT dialogId;
    int controlId;
    std::string caption;
    int neededWidth, width;    // pixels
    int neededHeight, height;  // pixels
};

// Every caption of the program's templates that does not fit its rectangle with the dialog font.
std::vector<ClippedCaption> FindClippedCaptions();
// The dialog font as "<face> <points>pt".
std::string DialogFontName();
