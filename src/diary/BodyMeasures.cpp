#include "diary/BodyMeasures.h"

#include <cstdio>
#include <iterator>

namespace {

bool IsMetric(std::string_view unitSystem) {
    return unitSystem != CBodyMeasures::kImperial;
}

struct SliderRanges {
    double weightMin, weightMax, weightTick;
    double heightMin, heightMax, heightTick;
};

// Each system has its own round figures; they are not conversions of each other.
constexpr SliderRanges kMetricRanges = {50, 165, 10, 110, 210, 5};
constexpr SliderRanges kImperialRanges = {112, 364, 14, 42, 84, 1};

// Basal metabolic rate by the Harris-Benedict equations with rounded coefficients.
struct BmrCoefficients {
    double base, perKg, perCm, perYear;
};
constexpr BmrCoefficients kFemaleBmr = {655, 9.56, 1.85, 4.68};
constexpr BmrCoefficients kMaleBmr = {66, 13.75, 5.0, 6.76};

// Activity levels 0 (sedentary) to 4 (very active).
constexpr double kActivityFactors[] = {1.2, 1.375, 1.55, 1.725, 1.9};

// Whole units of `total` (truncated) and the rest, which keeps the fraction of `total`.
void Split(double total, int perUnit, double& whole, double& rest) {
    whole = static_cast<double>(static_cast<long>(total) / perUnit);
    rest = total - perUnit * whole;
}

std::string Printed(const char* format, double first, double second = 0.0) {
    char text[128];
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

}  // namespace

CBodyMeasures::CBodyMeasures() {
    SetSliderRanges(true);
}

void CBodyMeasures::SetMeasures(double weightKg, double heightCm, double age, int32_t activity,
                                int32_t gender, std::string_view unitSystem) {
    if (heightCm < kLowestHeightCm || weightKg < kLowestWeightKg) {
        return;
    }
    m_dWeightKg = weightKg;
    m_dWeightLb = weightKg * kPoundsPerKilogram;
    SplitWeight();
    m_dHeightCm = heightCm;
    m_dHeightIn = heightCm / kCentimetresPerInch;
    SplitHeight();
    SetUnitRanges(IsMetric(unitSystem));
    m_nActivity = activity;
    m_nGender = gender;
    m_dAge = age;
    ComputeBMR();
    ComputeBMI();
}

void CBodyMeasures::SetUnitRanges(bool metric) {
    SetSliderRanges(metric);
    WriteWeightText(metric);
    WriteHeightText(metric);
}

void CBodyMeasures::SetSliderRanges(bool metric) {
    const SliderRanges& ranges = metric ? kMetricRanges : kImperialRanges;
    m_dWeightMin = ranges.weightMin;
    m_dWeightMax = ranges.weightMax;
    m_dWeightTick = ranges.weightTick;
    m_dHeightMin = ranges.heightMin;
    m_dHeightMax = ranges.heightMax;
    m_dHeightTick = ranges.heightTick;
}

void CBodyMeasures::SetWeight(double value, std::string_view unitSystem) {
    const bool metric = IsMetric(unitSystem);
    if (metric) {
        m_dWeightKg = value;
        m_dWeightLb = value * kPoundsPerKilogram;
    } else {
        m_dWeightLb = value;
        m_dWeightKg = value / kPoundsPerKilogram;
    }
    SplitWeight();
    WriteWeightText(metric);
    ComputeBMR();
    ComputeBMI();
}

void CBodyMeasures::SetHeight(double value, std::string_view unitSystem) {
    const bool metric = IsMetric(unitSystem);
    if (metric) {
        m_dHeightCm = value;
        m_dHeightIn = value / kCentimetresPerInch;
    } else {
        m_dHeightIn = value;
        m_dHeightCm = value * kCentimetresPerInch;
    }
    SplitHeight();
    WriteHeightText(metric);
    ComputeBMR();
    ComputeBMI();
}

void CBodyMeasures::SetAge(int32_t years) {
    m_dAge = years;
    ComputeBMR();
}

void CBodyMeasures::SetGender(int32_t gender) {
    m_nGender = gender;
    ComputeBMR();
}

void CBodyMeasures::SetActivity(int32_t level) {
    m_nActivity = level;
    ComputeBMR();
}

void CBodyMeasures::ComputeBMR() {
    const BmrCoefficients& c = m_nGender == 0 ? kFemaleBmr : kMaleBmr;
    m_dBMR = c.base + c.perKg * m_dWeightKg + c.perCm * m_dHeightCm - c.perYear * m_dAge;
    if (m_nActivity >= 0 && m_nActivity < static_cast<int32_t>(std::size(kActivityFactors))) {
        m_dBMR *= kActivityFactors[m_nActivity];
    }
}

void CBodyMeasures::ComputeBMI() {
    const double metres = m_dHeightCm / 100.0;
    m_dBMI = m_dWeightKg / (metres * metres);
}

void CBodyMeasures::SplitWeight() {
    Split(m_dWeightLb, kPoundsPerStone, m_dStones, m_dPounds);
}

void CBodyMeasures::SplitHeight() {
    Split(m_dHeightIn, kInchesPerFoot, m_dFeet, m_dInches);
}

void CBodyMeasures::WriteWeightText(bool metric) {
    m_strWeightText = metric ? Printed("Weight %0.0f kilos", m_dWeightKg)
                             : Printed("Weight %0.0f stones %0.0f pounds", m_dStones, m_dPounds);
}

void CBodyMeasures::WriteHeightText(bool metric) {
    m_strHeightText = metric ? Printed("Height %0.0f cms", m_dHeightCm)
                             : Printed("Height %0.0f feet %0.0f inches", m_dFeet, m_dInches);
}
