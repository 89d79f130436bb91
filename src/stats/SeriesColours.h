#pragma once

#include <vector>

#include "platform/Gdi.h"

// Hue, lightness and saturation on a 0..240 scale to a colour, in the integer arithmetic of the
// usual HLS-to-RGB conversion.
COLORREF HlsToRgb(int hue, int lightness, int saturation);

// One colour per series, hues spread evenly round the wheel from red, full saturation, middle
// lightness.
std::vector<COLORREF> SeriesColours(int count);
