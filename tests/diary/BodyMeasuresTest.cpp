#include "diary/BodyMeasures.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

struct Ranges {
    double weightMin, weightMax, weightTick, heightMin, heightMax, heightTick;
};

void ExpectRanges(const CBodyMeasures& m, const Ranges& r) {
    EXPECT_EQ(m.GetWeightMin(), r.weightMin);
    EXPECT_EQ(m.GetWeightMax(), r.weightMax);
    EXPECT_EQ(m.GetWeightTick(), r.weightTick);
    EXPECT_EQ(m.GetHeightMin(), r.heightMin);
    EXPECT_EQ(m.GetHeightMax(), r.heightMax);
    EXPECT_EQ(m.GetHeightTick(), r.heightTick);
}

constexpr Ranges kMetric = {50, 165, 10, 110, 210, 5};
constexpr Ranges kImperial = {112, 364, 14, 42, 84, 1};

CBodyMeasures Measures(double kg, double cm, const char* unitSystem, double age = 30,
                       int32_t activity = 0, int32_t gender = 0) {
    CBodyMeasures m;
    m.SetMeasures(kg, cm, age, activity, gender, unitSystem);
    return m;
}

}  // namespace

TEST(BodyMeasuresTest, StartsWithTheMetricSlidersAndNoTexts) {
    const CBodyMeasures m;
    EXPECT_EQ(m.GetWeightKg(), 50.0);
    EXPECT_EQ(m.GetHeightCm(), 110.0);
    EXPECT_EQ(m.GetWeightLb(), 112.0);
    EXPECT_EQ(m.GetHeightIn(), 42.0);
    EXPECT_EQ(m.GetStones(), 7.0);
    EXPECT_EQ(m.GetPounds(), 12.0);
    EXPECT_EQ(m.GetFeet(), 3.0);
    EXPECT_EQ(m.GetInches(), 6.0);
    EXPECT_EQ(m.GetBMI(), 0.0);
    EXPECT_EQ(m.GetBMR(), 0.0);
    ExpectRanges(m, kMetric);
    EXPECT_EQ(m.GetWeightText(), "");
    EXPECT_EQ(m.GetHeightText(), "");
}

TEST(BodyMeasuresTest, ShowsEachUnitSystemWithItsOwnSlidersAndTexts) {
    const struct {
        double kg, cm;
        const char* unitSystem;
        const Ranges& ranges;
        const char* weightText;
        const char* heightText;
    } cases[] = {
        {70, 180, "Metric", kMetric, "Weight 70 kilos", "Height 180 cms"},
        {70, 180, "Imperial", kImperial, "Weight 11 stones 0 pounds", "Height 5 feet 11 inches"},
        {70, 180, "imperial", kMetric, "Weight 70 kilos", "Height 180 cms"},
        {70, 180, "", kMetric, "Weight 70 kilos", "Height 180 cms"},
        {50.67, 181.6, "Imperial", kImperial, "Weight 7 stones 14 pounds",
         "Height 5 feet 11 inches"},
        {40, 35, "Imperial", kImperial, "Weight 6 stones 4 pounds", "Height 1 feet 2 inches"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.unitSystem) + " " + std::to_string(c.kg));
        const CBodyMeasures m = Measures(c.kg, c.cm, c.unitSystem);
        ExpectRanges(m, c.ranges);
        EXPECT_EQ(m.GetWeightText(), c.weightText);
        EXPECT_EQ(m.GetHeightText(), c.heightText);
    }
}

TEST(BodyMeasuresTest, SplitsIntoWholeStonesAndFeetKeepingTheFraction) {
    const CBodyMeasures m = Measures(70, 180, "Imperial");
    EXPECT_NEAR(m.GetWeightLb(), 154.3236, 1e-4);
    EXPECT_EQ(m.GetStones(), 11.0);
    EXPECT_NEAR(m.GetPounds(), 0.3236, 1e-4);
    EXPECT_NEAR(m.GetHeightIn(), 70.8661, 1e-4);
    EXPECT_EQ(m.GetFeet(), 5.0);
    EXPECT_NEAR(m.GetInches(), 10.8661, 1e-4);
}

TEST(BodyMeasuresTest, SlidersSetTheValueInTheShownUnit) {
    CBodyMeasures m = Measures(70, 175, "Imperial");
    m.SetWeight(111.7, "Imperial");
    EXPECT_NEAR(m.GetWeightKg(), 111.7 / CBodyMeasures::kPoundsPerKilogram, 1e-9);
    EXPECT_EQ(m.GetStones(), 7.0);
    EXPECT_NEAR(m.GetPounds(), 13.7, 1e-9);
    EXPECT_EQ(m.GetWeightText(), "Weight 7 stones 14 pounds");
    m.SetHeight(71.7, "Imperial");
    EXPECT_NEAR(m.GetHeightCm(), 182.118, 1e-9);
    EXPECT_EQ(m.GetHeightText(), "Height 5 feet 12 inches");

    m.SetWeight(80, "Metric");
    EXPECT_NEAR(m.GetWeightLb(), 176.3698, 1e-4);
    EXPECT_EQ(m.GetWeightText(), "Weight 80 kilos");
    EXPECT_EQ(m.GetHeightText(), "Height 5 feet 12 inches");  // only the moved slider's text
    m.SetHeight(160, "Metric");
    EXPECT_EQ(m.GetHeightText(), "Height 160 cms");
    EXPECT_NEAR(m.GetBMI(), 31.25, 1e-9);
    ExpectRanges(m, kImperial);  // ranges follow SetMeasures and SetUnitRanges only

    m.SetUnitRanges(true);
    ExpectRanges(m, kMetric);
    EXPECT_EQ(m.GetWeightText(), "Weight 80 kilos");
    m.SetUnitRanges(false);
    EXPECT_EQ(m.GetWeightText(), "Weight 12 stones 8 pounds");
    EXPECT_EQ(m.GetHeightText(), "Height 5 feet 3 inches");
}

TEST(BodyMeasuresTest, ComputesBodyMassIndexAndCalorieNeed) {
    EXPECT_NEAR(Measures(70, 175, "Metric").GetBMI(), 22.857142857, 1e-9);

    const double woman = 655 + 9.56 * 60 + 1.85 * 165 - 4.68 * 30;
    const double man = 66 + 13.75 * 60 + 5.0 * 165 - 6.76 * 30;
    const struct {
        int32_t activity;
        double factor;
    } levels[] = {{0, 1.2}, {1, 1.375}, {2, 1.55}, {3, 1.725}, {4, 1.9}, {5, 1.0}, {-1, 1.0}};
    for (const auto& level : levels) {
        SCOPED_TRACE(level.activity);
        EXPECT_NEAR(Measures(60, 165, "Metric", 30, level.activity, 0).GetBMR(),
                    woman * level.factor, 1e-9);
        EXPECT_NEAR(Measures(60, 165, "Metric", 30, level.activity, 1).GetBMR(), man * level.factor,
                    1e-9);
        EXPECT_NEAR(Measures(60, 165, "Metric", 30, level.activity, 7).GetBMR(), man * level.factor,
                    1e-9);
    }
    EXPECT_NEAR(Measures(60, 165, "Metric").GetBMR(), 1672.14, 1e-9);
}

TEST(BodyMeasuresTest, AgeGenderAndActivityRecomputeTheCalorieNeed) {
    CBodyMeasures m = Measures(60, 165, "Metric");
    m.SetAge(40);
    EXPECT_NEAR(m.GetBMR(), (655 + 573.6 + 305.25 - 187.2) * 1.2, 1e-9);
    m.SetGender(1);
    EXPECT_NEAR(m.GetBMR(), (66 + 825 + 825 - 270.4) * 1.2, 1e-9);
    m.SetActivity(4);
    EXPECT_NEAR(m.GetBMR(), (66 + 825 + 825 - 270.4) * 1.9, 1e-9);
    EXPECT_EQ(m.GetAge(), 40.0);
    EXPECT_EQ(m.GetGender(), 1);
    EXPECT_EQ(m.GetActivity(), 4);
}

TEST(BodyMeasuresTest, TooLightOrTooShortChangesNothing) {
    for (const auto& [kg, cm] : {std::pair{39.9, 175.0}, std::pair{70.0, 34.9}}) {
        CBodyMeasures m = Measures(70, 175, "Metric");
        m.SetMeasures(kg, cm, 50, 3, 1, "Imperial");
        EXPECT_EQ(m.GetWeightKg(), 70.0);
        EXPECT_EQ(m.GetHeightCm(), 175.0);
        EXPECT_EQ(m.GetAge(), 30.0);
        EXPECT_EQ(m.GetGender(), 0);
        EXPECT_EQ(m.GetActivity(), 0);
        EXPECT_NEAR(m.GetBMI(), 22.857142857, 1e-9);
        EXPECT_NEAR(m.GetBMR(), (655 + 669.2 + 323.75 - 140.4) * 1.2, 1e-9);
        EXPECT_EQ(m.GetWeightText(), "Weight 70 kilos");
        ExpectRanges(m, kMetric);
    }
}
