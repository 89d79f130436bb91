#pragma once

#include <cstdint>
#include <functional>
#include <string>

class CSqliteTable;

// The tables that the food log and the user's own foods add to the diary file. Reading never
// makes them: a diary without one reads as holding no rows, and its bytes stay as they were.
// The first write makes the table, inside the write's own transaction. Each call opens the file
// afresh and closes it again, so a diary restored from a backup in between is the one used.

// Opens the table of the diary at `path` and requeries it with the filter and sort in force.
// True with the table open, or true with it closed when the diary or the table is not there yet
// (nothing to read); false, with SQLite's reason in `error`, when the file could not be read.
bool OpenToRead(CSqliteTable& table, const std::string& path, std::string& error);

// Runs `write` on the table in one transaction, first making the table (and the index that
// `indexSql` makes, when given) if the diary lacks it. `write` may requery and move; it returns
// false on the first failed write. False, with SQLite's reason in `error`, when any part failed:
// then nothing is stored.
bool WriteInOneTransaction(CSqliteTable& table, const std::string& path, const char* indexSql,
                           const std::function<bool()>& write, std::string& error);

// Requeries the open table for the one row with that id and loads it; `found` is false when the
// row is gone. False when the file could not be read.
bool LoadRowById(CSqliteTable& table, int32_t rowId, bool& found);

// Calls `take` with each record of the requeried set loaded, in set order; nothing for a closed
// table. False when a record could not be read.
bool ForEachRecord(CSqliteTable& table, const std::function<void()>& take);

// OpenToRead, then ForEachRecord; false, with the reason in `error`, when the file or a record
// could not be read.
bool ReadEveryRecord(CSqliteTable& table, const std::string& path,
                     const std::function<void()>& take, std::string& error);
