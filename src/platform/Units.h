#pragma once

#include <cstdint>

// number × numerator / denominator rounded half away from zero, as the desktop interfaces
// compute it; the denominator is positive.
inline int MulDiv(int number, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

// Dialog units to pixels with the base units of the 8-point template font, 6 × 13 pixels at 96
// dots per inch, scaled to the screen's dots per inch.
inline int DialogUnitsToPixelsX(int units, int logPixels) {
    return MulDiv(units, 6 * logPixels, 4 * 96);
}
inline int DialogUnitsToPixelsY(int units, int logPixels) {
    return MulDiv(units, 13 * logPixels, 8 * 96);
}
