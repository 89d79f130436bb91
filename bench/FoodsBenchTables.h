#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "foods/FoodTable.h"

// The food tables the search benchmarks run on, each a foods.qeldb in a directory of its own
// made once per run: a synthetic table of 100 000 rows and a copy of the shipped one.

// A word that many descriptions contain, as a user would type it.
constexpr const char* kCommonWord = "chicken";

const std::string& SyntheticFoodsDir();
const std::string& ShippedFoodsDir();

// Makes `dir` the working directory, where the program finds foods.qeldb by its bare name.
void EnterFoodsDir(const std::string& dir);

// The foods file on a connection of its own, searched with one SELECT.
class RawFoods {
public:
    RawFoods();
    ~RawFoods();
    RawFoods(const RawFoods&) = delete;
    RawFoods& operator=(const RawFoods&) = delete;

    // Runs "SELECT * FROM [Food] WHERE <filter>" and reads every matched row.
    std::vector<FoodRow> Select(const char* filter);

private:
    sqlite3* m_db = nullptr;
};

// Raw SQLite's side of a keystroke: the one SELECT with the filter for the common word, every
// matched row read, on the table in the directory `dir` gives.
void Keystroke_RawSqlite(benchmark::State& state, const std::string& (*dir)());
