#include "foods/FoodSearch.h"

#include <algorithm>

#include "foods/FoodTable.h"
#include "store/FormatBuffer.h"
#include "store/WhiteSpace.h"

namespace {

// Characters as the user sees them: UTF-8 continuation bytes do not start one.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

// The text as the inside of an SQL string literal.
std::string QuotedForLiteral(const std::string& text) {
    std::string quoted;
    quoted.reserve(text.size());
    for (char c : text) {
        quoted += c;
        if (c == '\'') {
            quoted += '\'';
        }
    }
    return quoted;
}

}  // namespace

const char* FoodSortText(FoodSort sort) {
    switch (sort) {
        case FoodSort::Calories:
            return "[Calories] ASC";
        case FoodSort::Category:
            return "[Type] ASC";
        case FoodSort::Description:
            return "[Description] ASC";
        case FoodSort::None:
            break;
    }
    return "";
}

std::string PrepareSearchText(const std::string& typed) {
    return WithoutTrailingWhiteSpace(typed);
}

bool BuildFoodFilter(const std::string& typed, CByteBuffer& filter) {
    const std::string text = PrepareSearchText(typed);
    if (CharacterCount(text) < kMinSearchCharacters) {
        return false;
    }
    const std::string word = QuotedForLiteral(text);
    const std::string inside = "% " + word + " %";
    const std::string atStart = word + " %";
    FormatBuffer(filter, "[Description] LIKE '%s' OR [Description] LIKE '%s' OR [Type] LIKE '%s'",
                 inside.c_str(), atStart.c_str(), word.c_str());
    return true;
}

bool SearchFoods(CFoodTable& table, const std::string& typed) {
    if (!BuildFoodFilter(typed, table.m_filter)) {
        return false;
    }
    table.Requery();
    return true;
}
