#include "FoodsBenchTables.h"

#include <cstdlib>
#include <filesystem>

#include "foods/FoodSearch.h"
#include "support/TempDir.h"

namespace {

constexpr int kSyntheticRows = 100000;

constexpr const char* kTypes[] = {"Bakery", "Cereals", "Dairy",  "Drinks",    "Fish",
                                  "Fruit",  "Meat",    "Pasta",  "Poultry",   "Ready meals",
                                  "Snacks", "Soups",   "Sweets", "Vegetables"};
constexpr const char* kStyles[] = {"Roast", "Boiled", "Fried",  "Grilled", "Steamed",
                                   "Baked", "Raw",    "Smoked", "Stewed",  "Braised"};
// One noun in forty is the common word, so about 2 500 rows contain it.
constexpr const char* kNouns[] = {
    "chicken", "beef",    "pork",  "lamb",   "salmon", "cod",     "tuna",     "rice",
    "bread",   "cheese",  "apple", "banana", "pear",   "carrot",  "potato",   "onion",
    "pepper",  "tomato",  "bean",  "lentil", "pea",    "cabbage", "spinach",  "noodle",
    "pasta",   "yoghurt", "cream", "butter", "egg",    "oat",     "barley",   "plum",
    "cherry",  "melon",   "mango", "leek",   "turnip", "squash",  "mushroom", "sprout"};
constexpr const char* kServings[] = {"with sauce", "in brine", "plain", "with herbs", "sliced"};

template <class T, size_t N>
const T& Pick(const T (&items)[N], unsigned& seed) {
    seed = seed * 1103515245u + 12345u;
    return items[(seed >> 16) % N];
}

std::vector<FoodRow> SyntheticFoods() {
    std::vector<FoodRow> rows;
    rows.reserve(kSyntheticRows);
    unsigned seed = 1;
    for (int i = 0; i < kSyntheticRows; ++i) {
        std::string description = Pick(kStyles, seed);
        description += std::string(" ") + Pick(kNouns, seed) + " " + Pick(kServings, seed);
        rows.push_back(
            {Pick(kTypes, seed), description, 20 + static_cast<int32_t>(seed % 600), "100 g"});
    }
    return rows;
}

}  // namespace

const std::string& SyntheticFoodsDir() {
    static ScopedTempDir dir;
    static std::string error;
    static const bool made =
        CFoodTable::WriteFile(dir.File(kFoodsFile).c_str(), SyntheticFoods(), error);
    if (!made) {
        std::abort();
    }
    return dir.Path();
}

const std::string& ShippedFoodsDir() {
    static ScopedTempDir dir;
    static const bool made =
        std::filesystem::copy_file(MORVANE_SHIPPED_FOODS, dir.File(kFoodsFile));
    if (!made) {
        std::abort();
    }
    return dir.Path();
}

void EnterFoodsDir(const std::string& dir) {
    std::filesystem::current_path(dir);
}

RawFoods::RawFoods() {
    sqlite3_open_v2(kFoodsFile, &m_db, SQLITE_OPEN_READWRITE, nullptr);
}

RawFoods::~RawFoods() {
    sqlite3_close(m_db);
}

std::vector<FoodRow> RawFoods::Select(const char* filter) {
    const std::string sql = std::string("SELECT * FROM [Food] WHERE ") + filter;
    std::vector<FoodRow> rows;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        auto text = [statement](int column) {
            const unsigned char* value = sqlite3_column_text(statement, column);
            return std::string(value != nullptr ? reinterpret_cast<const char*>(value) : "");
        };
        rows.push_back({text(0), text(1), sqlite3_column_int(statement, 2), text(3)});
    }
    sqlite3_finalize(statement);
    return rows;
}

void Keystroke_RawSqlite(benchmark::State& state, const std::string& (*dir)()) {
    EnterFoodsDir(dir());
    RawFoods raw;
    CByteBuffer filter;
    BuildFoodFilter(kCommonWord, filter);
    size_t found = 0;
    for (auto _ : state) {
        found = raw.Select(filter.GetText()).size();
    }
    state.counters["rows"] = static_cast<double>(found);
}
