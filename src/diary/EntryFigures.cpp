#include "diary/EntryFigures.h"

#include <cmath>
#include <cstdio>

const char* BmiBand(double bmi) {
    if (bmi < 18.5) {
        return "underweight";
    }
    if (bmi < 25.0) {
        return "normal";
    }
    return bmi < 30.0 ? "overweight" : "obese";
}

// The band is that of the value as shown, so 24.96 reads "25.0, overweight".
std::string BmiText(double bmi) {
    const double shown = std::round(bmi * 10.0) / 10.0;
    char text[64];
    std::snprintf(text, sizeof text, "BMI %.1f, %s", shown, BmiBand(shown));
    return text;
}

std::string NeedText(double need) {
    char text[64];
    std::snprintf(text, sizeof text, "Calorie need %.0f kcal a day", need);
    return text;
}
