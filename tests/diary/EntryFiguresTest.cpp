#include "diary/EntryFigures.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryFiguresTest, BmiIsShownToOneDecimalWithTheBandOfTheValueShown) {
    const struct {
        double bmi;
        const char* text;
    } cases[] = {
        {18.449, "BMI 18.4, underweight"}, {18.45, "BMI 18.5, normal"},
        {24.949, "BMI 24.9, normal"},      {24.96, "BMI 25.0, overweight"},
        {70 / (1.66 * 1.66), "BMI 25.4, overweight"},
        {29.94, "BMI 29.9, overweight"},   {30.0, "BMI 30.0, obese"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BmiText(c.bmi), c.text) << c.bmi;
    }
    // The worked entry: female, 34, 70 kg, 166 cm, moderate exercise.
    EXPECT_EQ(NeedText((655 + 9.56 * 70 + 1.85 * 166 - 4.68 * 34) * 1.55),
              "Calorie need 2282 kcal a day");
}

}  // namespace
