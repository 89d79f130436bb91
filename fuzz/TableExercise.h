#pragma once

#include <functional>
#include <string>

#include "Require.h"

class CSqliteTable;

// Walks from the first row to past the last, as the panels do.
void WalkAllRows(CSqliteTable& table);

// What the panels do with a file they find on disk: open it, falling back to creating the table
// when the plain open fails, walk every row, add a row and edit the first. `fill` puts the values
// of the new or edited row into the field variables. Checks the promises the record store makes
// for any file, and leaves the table closed.
void ExerciseTable(CSqliteTable& table, const std::string& path, const std::function<void()>& fill);
