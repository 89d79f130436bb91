#pragma once

#include <cstdint>
#include <string>

// Whole-file work on a database file, apart from any table object: the check made before a
// file is trusted, and the copies that backups are.
namespace database_file {

enum class Health {
    Sound,       // the check passed
    Damaged,     // the check found damage, or the file is no database
    Unreadable,  // the check could not run: locked, no permission, failing disk
};

// Runs "PRAGMA quick_check" without writing to the file (a hot journal left by a crash is rolled
// back first, as any opening would). `reason` gets what was wrong.
Health Check(const std::string& path, std::string& reason);

// Copies a database with SQLite's online backup into a temporary file beside `target`, syncs it
// to disk and renames it over `target`, so a crash leaves either the old copy or the new one.
bool Copy(const std::string& source, const std::string& target, std::string& error);

// The absolute form of a path, for telling the user which file is meant.
std::string FullPath(const std::string& path);

// The number of rows of a table, read without writing; -1 when it cannot be read.
int64_t CountRows(const std::string& path, const std::string& table);

}  // namespace database_file
