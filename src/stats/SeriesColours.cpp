#include "stats/SeriesColours.h"

namespace {

constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;

int HueToValue(int m1, int m2, int hue) {
    if (hue < 0) {
        hue += kHlsMax;
    }
    if (hue > kHlsMax) {
        hue -= kHlsMax;
    }
    if (hue < kHlsMax / 6) {
        return m1 + ((m2 - m1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    }
    if (hue < kHlsMax / 2) {
        return m2;
    }
    if (hue < kHlsMax * 2 / 3) {
        return m1 + ((m2 - m1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    }
    return m1;
}

int ToRgbScale(int value) {
    return (value * kRgbMax + kHlsMax / 2) / kHlsMax;
}

}  // namespace

COLORREF HlsToRgb(int hue, int lightness, int saturation) {
    if (saturation == 0) {
        const int grey = lightness * kRgbMax / kHlsMax;
        return RGB(grey, grey, grey);
    }
    const int m2 = lightness <= kHlsMax / 2
                       ? (lightness * (kHlsMax + saturation) + kHlsMax / 2) / kHlsMax
                       : lightness + saturation - (lightness * saturation + kHlsMax / 2) / kHlsMax;
    const int m1 = 2 * lightness - m2;
    return RGB(ToRgbScale(HueToValue(m1, m2, hue + kHlsMax / 3)),
               ToRgbScale(HueToValue(m1, m2, hue)),
               ToRgbScale(HueToValue(m1, m2, hue - kHlsMax / 3)));
}

std::vector<COLORREF> SeriesColours(int count) {
    std::vector<COLORREF> colours;
    if (count <= 0) {
        return colours;
    }
    const int step = kHlsMax / count;
    for (int i = 0; i < count; ++i) {
        colours.push_back(HlsToRgb(i * step, kHlsMax / 2, kHlsMax));
    }
    return colours;
}
