#include "foods/FoodLogTexts.h"

#include <algorithm>
#include <charconv>

#include "store/WhiteSpace.h"

namespace {

// U+2009 THIN SPACE, which keeps a number together and reads as one.
constexpr const char* kThinSpace = "\xE2\x80\x89";

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::string Counted(int32_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string GroupedKcal(int64_t kcal) {
    const std::string digits = std::to_string(kcal < 0 ? -kcal : kcal);
    std::string grouped = kcal < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += kThinSpace;
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string DayTotalText(const DayTotal& total) {
    if (total.lines == 0) {
        return "Nothing logged on this day";
    }
    return GroupedKcal(total.kcal) + " kcal in " + Counted(total.lines, "food", "foods");
}

std::string TodayTotalText(const DayTotal& total) {
    return total.lines == 0 ? "Today: nothing logged yet" : "Today: " + DayTotalText(total);
}

std::string ServingsText(double servings) {
    char text[64];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, servings, std::chars_format::fixed, 2);
    if (error != std::errc()) {
        return {};
    }
    std::string shown(text, end);
    shown.erase(shown.find_last_not_of('0') + 1);
    if (!shown.empty() && shown.back() == '.') {
        shown.pop_back();
    }
    return shown;
}

std::string Shortened(const std::string& text, size_t characters) {
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (StartsCharacter(text[i]) && seen++ == characters) {
            return text.substr(0, i) + "\xE2\x80\xA6";  // U+2026 HORIZONTAL ELLIPSIS
        }
    }
    return text;
}

bool ParseNumber(const std::string& typed, double lowest, double highest, double& value) {
    std::string text = WithoutEdgeWhiteSpace(typed);
    std::replace(text.begin(), text.end(), ',', '.');
    double number = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || !(number >= lowest) ||
        !(number <= highest)) {
        return false;
    }
    value = number;
    return true;
}

bool ParseWholeNumber(const std::string& typed, int64_t lowest, int64_t highest, int32_t& value) {
    const std::string text = WithoutEdgeWhiteSpace(typed);
    int64_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || number < lowest ||
        number > highest) {
        return false;
    }
    value = static_cast<int32_t>(number);
    return true;
}
