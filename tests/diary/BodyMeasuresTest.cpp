#include "diary/BodyMeasures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<double> Ranges(const CBodyMeasures& m) {
    return {m.GetWeightMin(), m.GetWeightMax(), m.GetWeightTick(),
            m.GetHeightMin(), m.GetHeightMax(), m.GetHeightTick()};
}

const std::vector<double> kMetric = {50, 165, 10, 110, 210, 5};
const std::vector<double> kImperial = {112, 364, 14, 42, 84, 1};

CBodyMeasures Measures(double kg, double cm, const char* unitSystem, int32_t activity = 0,
                       int32_t gender = 0) {
    CBodyMeasures m;
    m.SetMeasures(kg, cm, 30, activity, gender, unitSystem);
    return m;
}

// Any unit system other than "Imperial" is metric; pounds and inches split into whole stones and
// feet, keeping the fraction; 40 kg and 35 cm are the least taken, and less changes nothing.
TEST(BodyMeasuresTest, ShowsEachUnitSystemWithItsOwnSlidersAndTexts) {
    const struct {
        double kg, cm;
        const char* unitSystem;
        const std::vector<double>& ranges;
        const char* weightText;
        const char* heightText;
    } cases[] = {
        {70, 180, "Metric", kMetric, "Weight 70 kilos", "Height 180 cms"},
        {70, 180, "Imperial", kImperial, "Weight 11 stones 0 pounds", "Height 5 feet 11 inches"},
        {70, 180, "imperial", kMetric, "Weight 70 kilos", "Height 180 cms"},
        {50.67, 181.6, "Imperial", kImperial, "Weight 7 stones 14 pounds",
         "Height 5 feet 11 inches"},
        {40, 35, "Imperial", kImperial, "Weight 6 stones 4 pounds", "Height 1 feet 2 inches"},
        {39.9, 175, "Imperial", kMetric, "", ""},
        {70, 34.9, "Imperial", kMetric, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.unitSystem) + " " + std::to_string(c.kg));
        const CBodyMeasures m = Measures(c.kg, c.cm, c.unitSystem);
        EXPECT_EQ(Ranges(m), c.ranges);
        EXPECT_EQ(m.GetWeightText(), c.weightText);
        EXPECT_EQ(m.GetHeightText(), c.heightText);
    }
}

TEST(BodyMeasuresTest, SlidersSetTheValueInTheShownUnit) {
    CBodyMeasures m = Measures(70, 175, "Imperial");
    m.SetWeight(111.7, "Imperial");
    EXPECT_NEAR(m.GetWeightKg(), 111.7 / CBodyMeasures::kPoundsPerKilogram, 1e-9);
    EXPECT_EQ(m.GetWeightText(), "Weight 7 stones 14 pounds");
    m.SetHeight(71.7, "Imperial");
    EXPECT_NEAR(m.GetHeightCm(), 182.118, 1e-9);
    EXPECT_EQ(m.GetHeightText(), "Height 5 feet 12 inches");

    m.SetWeight(80, "Metric");
    EXPECT_EQ(m.GetWeightText(), "Weight 80 kilos");
    EXPECT_EQ(m.GetHeightText(), "Height 5 feet 12 inches");  // only the moved slider's text
    m.SetHeight(160, "Metric");
    EXPECT_EQ(m.GetHeightText(), "Height 160 cms");
    EXPECT_NEAR(m.GetBMI(), 31.25, 1e-9);
    EXPECT_EQ(Ranges(m), kImperial);  // ranges follow SetMeasures and SetUnitRanges only

    m.SetUnitRanges(false);
    EXPECT_EQ(m.GetWeightText(), "Weight 12 stones 8 pounds");
    EXPECT_EQ(m.GetHeightText(), "Height 5 feet 3 inches");
}

// Any gender but 0 (female) reckons as a man; an activity level out of range has no factor.
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
        EXPECT_NEAR(Measures(60, 165, "Metric", level.activity, 0).GetBMR(), woman * level.factor,
                    1e-9);
        EXPECT_NEAR(Measures(60, 165, "Metric", level.activity, 7).GetBMR(), man * level.factor,
                    1e-9);
    }
}

}  // namespace
