#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One person's weight and height in metric and imperial units, with the body mass index, the
// daily calorie need (basal metabolic rate times the activity factor), the ranges of the diary
// panel's two sliders and the texts shown under them. The unit system is named by a text: only
// an exact "Imperial" means imperial, anything else metric.
class CBodyMeasures {
public:
    // The two names of the unit systems, as the diary's "Format" column holds them.
    static constexpr const char* kImperial = "Imperial";
    static constexpr const char* kMetric = "Metric";
    static constexpr double kPoundsPerKilogram = 2.20462262;
    static constexpr double kCentimetresPerInch = 2.54;
    static constexpr int kPoundsPerStone = 14;
    static constexpr int kInchesPerFoot = 12;
    static constexpr double kLowestWeightKg = 40.0;
    static constexpr double kLowestHeightCm = 35.0;

    CBodyMeasures();

    // Sets everything from metric values; a weight below 40 kg or a height below 35 cm changes
    // nothing at all.
    void SetMeasures(double weightKg, double heightCm, double age, int32_t activity, int32_t gender,
                     std::string_view unitSystem);
    // Slider ranges and both texts in one unit system, from the values held.
    void SetUnitRanges(bool metric);
    // From a slider position in the displayed unit; updates the weight (height) text only.
    void SetWeight(double value, std::string_view unitSystem);
    void SetHeight(double value, std::string_view unitSystem);
    // Each recomputes the calorie need, not the body mass index.
    void SetAge(int32_t years);
    void SetGender(int32_t gender);
    void SetActivity(int32_t level);

    void ComputeBMR();
    void ComputeBMI();

    int32_t GetActivity() const { return m_nActivity; }
    int32_t GetGender() const { return m_nGender; }
    double GetAge() const { return m_dAge; }
    double GetBMR() const { return m_dBMR; }
    double GetBMI() const { return m_dBMI; }
    double GetWeightKg() const { return m_dWeightKg; }
    double GetHeightCm() const { return m_dHeightCm; }
    double GetWeightLb() const { return m_dWeightLb; }
    double GetHeightIn() const { return m_dHeightIn; }
    double GetStones() const { return m_dStones; }
    double GetPounds() const { return m_dPounds; }
    double GetFeet() const { return m_dFeet; }
    double GetInches() const { return m_dInches; }
    double GetWeightMin() const { return m_dWeightMin; }
    double GetWeightMax() const { return m_dWeightMax; }
    double GetWeightTick() const { return m_dWeightTick; }
    double GetHeightMin() const { return m_dHeightMin; }
    double GetHeightMax() const { return m_dHeightMax; }
    double GetHeightTick() const { return m_dHeightTick; }
    const std::string& GetHeightText() const { return m_strHeightText; }
    const std::string& GetWeightText() const { return m_strWeightText; }

private:
    void SetSliderRanges(bool metric);
    void SplitWeight();
    void SplitHeight();
    void WriteWeightText(bool metric);
    void WriteHeightText(bool metric);

    int32_t m_nActivity = 0;
    int32_t m_nGender = 0;  // 0 female, any other value male
    double m_dAge = 0.0;
    double m_dBMR = 0.0;
    double m_dBMI = 0.0;
    double m_dWeightKg = 50.0;
    double m_dHeightCm = 110.0;
    double m_dWeightLb = 112.0;
    double m_dHeightIn = 42.0;
    double m_dStones = 7.0;
    double m_dPounds = 12.0;  // left over after the whole stones, fraction kept
    double m_dFeet = 3.0;
    double m_dInches = 6.0;  // left over after the whole feet, fraction kept
    // Slider ranges and tick spacing in the displayed units; metric until told otherwise.
    double m_dWeightMin;
    double m_dWeightMax;
    double m_dWeightTick;
    double m_dHeightMin;
    double m_dHeightMax;
    double m_dHeightTick;
    std::string m_strHeightText;
    std::string m_strWeightText;
};
