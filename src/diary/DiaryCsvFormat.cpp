#include "diary/DiaryCsvFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "diary/BodyMeasures.h"
#include "diary/EntrySave.h"
#include "platform/OleDateTime.h"
#include "store/CsvText.h"
#include "store/WhiteSpace.h"

namespace {

// The columns of a record, in the order of the table's fields.
enum Column : size_t {
    kName,
    kAge,
    kGender,
    kWeight,
    kHeight,
    kCalories,
    kActivity,
    kDate,
    kFormat,
    kBMI,
    kBMR,
    kColumnCount
};

constexpr std::array<std::string_view, 2> kGenders = {"female", "male"};
constexpr std::array<std::string_view, 5> kActivities = {"none", "light", "moderate", "hard",
                                                         "very hard"};
constexpr std::array<std::string_view, 2> kFormats = {CBodyMeasures::kMetric,
                                                      CBodyMeasures::kImperial};

// Bad lines listed one by one; past these a hostile file could fill the memory with reasons, so
// the rest are only counted.
constexpr size_t kListedBadLines = 1000;

struct Range {
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();

    void Take(double value) {
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    bool Holds(double value) const { return value >= lowest && value <= highest; }
};

// The weights and heights the diary panel's sliders reach in either unit system, converted to
// kilograms and centimetres as the sliders convert them.
struct SliderReach {
    Range weight;
    Range height;
};

const SliderReach& ReachOfSliders() {
    static const SliderReach reach = [] {
        SliderReach all;
        for (const std::string_view system : kFormats) {
            CBodyMeasures measures;
            measures.SetUnitRanges(system == CBodyMeasures::kMetric);
            for (const double weight : {measures.GetWeightMin(), measures.GetWeightMax()}) {
                measures.SetWeight(weight, system);
                all.weight.Take(measures.GetWeightKg());
            }
            for (const double height : {measures.GetHeightMin(), measures.GetHeightMax()}) {
                measures.SetHeight(height, system);
                all.height.Take(measures.GetHeightCm());
            }
        }
        return all;
    }();
    return reach;
}

std::string Shown(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

const std::vector<std::string>& ColumnNames() {
    static const std::vector<std::string> names = [] {
        const CDiaryTable table;
        std::vector<std::string> all;
        for (int32_t i = 0; i < table.GetFieldCount(); ++i) {
            all.emplace_back(table.m_fields[i].name);
        }
        return all;
    }();
    return names;
}

// Number texts of one record, kept until the record is written.
class NumberTexts {
public:
    template <class Number>
    std::string_view Of(Number value) {
        char* text = m_texts[m_used++].data();
        const std::to_chars_result end = std::to_chars(text, text + kLength, value);
        return {text, static_cast<size_t>(end.ptr - text)};
    }

private:
    static constexpr size_t kLength = 32;  // the longest shortest form of a double is 24
    std::array<std::array<char, kLength>, kColumnCount> m_texts{};
    size_t m_used = 0;
};

template <class Number>
bool ReadNumber(const std::string& text, Number& value) {
    const char* end = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(text.data(), end, value);
    return read.ec == std::errc() && read.ptr == end;
}

// A negative zero reads as zero, which is what the diary file keeps of it.
bool ReadFinite(const std::string& text, double& value) {
    if (!ReadNumber(text, value) || !std::isfinite(value)) {
        return false;
    }
    value = value == 0.0 ? 0.0 : value;
    return true;
}

template <size_t Count>
bool ReadWord(const std::string& text, const std::array<std::string_view, Count>& words,
              int32_t& index) {
    const auto found = std::find(words.begin(), words.end(), text);
    index = static_cast<int32_t>(found - words.begin());
    return found != words.end();
}

// The stored "%Y/%m/%d", or the seeded row's "%Y-%m-%d", as YYYY-MM-DD; other texts as stored.
std::string IsoDate(const char* stored) {
    std::string date = stored;
    if (date.size() == 10 && date[4] == date[7] && (date[4] == '/' || date[4] == '-')) {
        date[4] = '-';
        date[7] = '-';
    }
    return date;
}

// YYYY-MM-DD of a day the diary's dates can hold, into its stored form.
bool ReadDate(const std::string& text, std::string& stored) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    for (const size_t at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[at] < '0' || text[at] > '9') {
            return false;
        }
    }
    int year = 0;
    int month = 0;
    int day = 0;
    std::from_chars(text.data(), text.data() + 4, year);
    std::from_chars(text.data() + 5, text.data() + 7, month);
    std::from_chars(text.data() + 8, text.data() + 10, day);
    if (!COleDateTime().SetDate(year, month, day)) {
        return false;
    }
    stored = text;
    stored[4] = '/';
    stored[7] = '/';
    return true;
}

// Why the fields are no entry the diary can hold; empty when they are one.
std::string ReadEntry(const std::vector<std::string>& fields, DiaryEntry& entry) {
    const SliderReach& reach = ReachOfSliders();
    int32_t format = 0;
    entry.name = fields[kName];
    if (WithoutLeadingWhiteSpace(entry.name).empty()) {
        return "Name is empty";
    }
    if (!ReadNumber(fields[kAge], entry.age) || entry.age < kLowestAge || entry.age > kHighestAge) {
        return "Age is not a whole number from " + std::to_string(kLowestAge) + " to " +
               std::to_string(kHighestAge);
    }
    if (!ReadWord(fields[kGender], kGenders, entry.gender)) {
        return "Gender is not female or male";
    }
    if (!ReadFinite(fields[kWeight], entry.weight) || !reach.weight.Holds(entry.weight)) {
        return "Weight is not a number of kilograms from " + Shown(reach.weight.lowest) + " to " +
               Shown(reach.weight.highest);
    }
    if (!ReadFinite(fields[kHeight], entry.height) || !reach.height.Holds(entry.height)) {
        return "Height is not a number of centimetres from " + Shown(reach.height.lowest) + " to " +
               Shown(reach.height.highest);
    }
    if (!ReadFinite(fields[kCalories], entry.calories) || entry.calories < kLowestCalories ||
        entry.calories > kHighestCalories) {
        return "Calories is not a number from " + std::to_string(kLowestCalories) + " to " +
               std::to_string(kHighestCalories);
    }
    if (!ReadWord(fields[kActivity], kActivities, entry.activity)) {
        return "Activity is not none, light, moderate, hard or very hard";
    }
    if (!ReadDate(fields[kDate], entry.date)) {
        return "Date is not a day written YYYY-MM-DD";
    }
    if (!ReadWord(fields[kFormat], kFormats, format)) {
        return "Format is not Metric or Imperial";
    }
    entry.format = kFormats[static_cast<size_t>(format)];
    if (!ReadFinite(fields[kBMI], entry.bmi)) {
        return "BMI is not a finite number";
    }
    if (!ReadFinite(fields[kBMR], entry.bmr)) {
        return "BMR is not a finite number";
    }
    return "";
}

std::string HeaderText() {
    std::string header;
    AppendDiaryCsvHeader(header);
    return header.substr(0, header.size() - 2);
}

}  // namespace

void AppendDiaryCsvHeader(std::string& out) {
    const std::vector<std::string>& names = ColumnNames();
    const std::vector<std::string_view> fields(names.begin(), names.end());
    AppendCsvRecord(out, fields);
}

void AppendEntryRecord(std::string& out, const CDiaryTable& table) {
    NumberTexts numbers;
    const bool knownActivity =
        table.m_nActivity >= 0 && static_cast<size_t>(table.m_nActivity) < kActivities.size();
    const std::string date = IsoDate(TextOf(table.m_strDate));
    // Any gender but 0 counts as male, and any unit system but "Imperial" as metric.
    const std::string_view fields[] = {
        TextOf(table.m_strName),
        numbers.Of(table.m_nAge),
        kGenders[table.m_nGender == 0 ? 0 : 1],
        numbers.Of(table.m_dWeight),
        numbers.Of(table.m_dHeight),
        numbers.Of(table.m_dCalories),
        knownActivity ? kActivities[static_cast<size_t>(table.m_nActivity)]
                      : numbers.Of(table.m_nActivity),
        date,
        kFormats[table.m_strFormat.Equals(CBodyMeasures::kImperial) ? 1 : 0],
        numbers.Of(table.m_dBMI),
        numbers.Of(table.m_dBMR),
    };
    AppendCsvRecord(out, fields);
}

void PutEntry(const DiaryEntry& entry, CDiaryTable& table) {
    table.m_strName.AssignText(entry.name.c_str());
    table.m_nAge = entry.age;
    table.m_nGender = entry.gender;
    table.m_dWeight = entry.weight;
    table.m_dHeight = entry.height;
    table.m_dCalories = entry.calories;
    table.m_nActivity = entry.activity;
    table.m_strDate.AssignText(entry.date.c_str());
    table.m_strFormat.AssignText(entry.format.c_str());
    table.m_dBMI = entry.bmi;
    table.m_dBMR = entry.bmr;
}

DiaryCsvText ReadDiaryCsv(std::string_view text) {
    DiaryCsvText read;
    CCsvReader reader(text, kColumnCount);
    CsvRecord record;
    if (!reader.Next(record)) {
        read.refusal = "it is empty, where a diary file starts with the line " + HeaderText();
        return read;
    }
    if (!record.problem.empty() || record.fields != ColumnNames()) {
        read.refusal = "its first line is not " + HeaderText();
        return read;
    }
    while (reader.Next(record)) {
        std::string reason = record.problem;
        if (reason.empty() && record.fields.size() != kColumnCount) {
            reason = "it has " + std::to_string(record.fields.size()) +
                     " fields, where an entry has " + std::to_string(kColumnCount);
        }
        DiaryEntry entry;
        if (reason.empty()) {
            reason = ReadEntry(record.fields, entry);
        }
        if (reason.empty()) {
            read.entries.push_back(std::move(entry));
            continue;
        }
        if (++read.badLineCount <= kListedBadLines) {
            read.badLines.push_back("line " + std::to_string(record.line) + ": " + reason);
        }
    }
    return read;
}
