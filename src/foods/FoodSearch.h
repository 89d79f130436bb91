#pragma once

#include <cstddef>
#include <string>

class CByteBuffer;
class CFoodTable;

// The orders the foods panel offers for its results, all ascending.
enum class FoodSort { None, Calories, Category, Description };

// The text put after " ORDER BY "; the empty text keeps the engine's own order.
const char* FoodSortText(FoodSort sort);

// A prepared search text shorter than this searches nothing.
constexpr size_t kMinSearchCharacters = 3;

// The typed text with trailing white space removed; leading white space stays.
std::string PrepareSearchText(const std::string& typed);

// Builds the filter that finds the typed text as a whole word at the start of a description or
// inside it, or as a category name in full (letter case aside). `%` and `_` keep their LIKE
// meaning; an apostrophe is doubled so that it is searched for like any other character.
// Returns false and leaves `filter` untouched when the prepared text is too short to search.
bool BuildFoodFilter(const std::string& typed, CByteBuffer& filter);

// Filters the open table by the typed text and requeries it; false, with the table untouched,
// when the text is too short to search.
bool SearchFoods(CFoodTable& table, const std::string& typed);
