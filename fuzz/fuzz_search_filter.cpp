// Arbitrary text typed into the foods search. The filter it builds must be valid SQL whatever the
// text holds (a broken filter would stay in force and fail every later opening of the table), and
// for plain ASCII text the rows found must be exactly those the search rule names.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Require.h"
#include "ScratchFile.h"
#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"

namespace {

const std::vector<FoodRow> kFoods = {
    {"Egg", "Boiled egg white", 17, "1 large"},
    {"Egg", "Egg fried", 90, "1 large"},
    {"Egg", "Boiled egg", 78, "1 large"},
    {"Pies", "Shepherd's pie with peas", 250, "1 portion"},
    {"Pies", "Cottage pie", 240, "1 portion"},
    {"Sweets", "100% cocoa bar", 600, "100 g"},
    {"Sweets",
     "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
     "e with sugar",
     330, "1 pot"},
    {"Drinks", "Tea 'builder's' brew", 30, "1 mug"},
    {"Misc", "under_score snack", 120, "1 bag"},
    {"Fruit", "Apple", 52, "100 g"},
};

// One character of a stored text, as LIKE sees it: a whole UTF-8 sequence.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) == 0x80 && !characters.empty()) {
            characters.back() += byte;
        } else {
            characters.emplace_back(1, byte);
        }
    }
    return characters;
}

bool SameLetter(const std::string& stored, char pattern) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return stored.size() == 1 && lower(stored[0]) == lower(pattern);
}

// LIKE without ESCAPE for an ASCII pattern: % any run, _ any one character, A-Z without case.
bool Like(const std::string& stored, const std::string& pattern) {
    const std::vector<std::string> text = Characters(stored);
    // matches[j]: the pattern read so far matches the first j characters of the text.
    std::vector<bool> matches(text.size() + 1, false);
    matches[0] = true;
    for (char p : pattern) {
        std::vector<bool> next(text.size() + 1, false);
        for (size_t j = 0; j <= text.size(); ++j) {
            if (p == '%') {
                next[j] = matches[j] || (j > 0 && next[j - 1]);
            } else if (j > 0 && matches[j - 1]) {
                next[j] = p == '_' || SameLetter(text[j - 1], p);
            }
        }
        matches = std::move(next);
    }
    return matches.back();
}

std::vector<std::string> ExpectedDescriptions(const std::string& word) {
    std::vector<std::string> found;
    for (const FoodRow& row : kFoods) {
        if (Like(row.description, "% " + word + " %") || Like(row.description, word + " %") ||
            Like(row.type, word)) {
            found.push_back(row.description);
        }
    }
    return found;
}

std::vector<std::string> FoundDescriptions(CFoodTable& table) {
    std::vector<std::string> found;
    table.MoveFirst();
    while (!table.IsEOF()) {
        found.emplace_back(table.m_strDescription.GetText());
        table.MoveNext();
    }
    return found;
}

bool IsPlainAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::string MakeFoodsFile() {
    const std::string path = ScratchPath("foods.qeldb");
    CFoodTable writer;
    Require(writer.OpenOrCreate(path.c_str()) && writer.AddFoods(kFoods), "the foods file is made");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = MakeFoodsFile();
    static CFoodTable table;
    const std::string typed(reinterpret_cast<const char*>(data), size);
    table.Close();
    table.m_filter.AssignText("");
    Require(table.Open(path.c_str()), "the foods file opens");
    if (!SearchFoods(table, typed)) {
        return 0;
    }
    table.Close();
    Require(table.Open(path.c_str()), "the table opens again with the filter in force");
    const std::string word = PrepareSearchText(typed);
    if (IsPlainAscii(word)) {
        std::vector<std::string> found = FoundDescriptions(table);
        std::vector<std::string> expected = ExpectedDescriptions(word);
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        Require(found == expected, "the search finds exactly the rows its rule names");
    }
    return 0;
}
