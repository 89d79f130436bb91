#include "foods/DiaryAddedTable.h"

#include <filesystem>

#include "store/FormatBuffer.h"
#include "store/SqliteTable.h"
#include "store/Transaction.h"

namespace {

using Presence = CSqliteTable::TablePresence;

std::string ReasonOf(const CSqliteTable& table) {
    const std::string reason = table.GetLastError();
    return reason.empty() ? "the diary file could not be used" : reason;
}

// Fails with the table's reason, leaving the file closed.
bool Fail(CSqliteTable& table, std::string& error) {
    error = ReasonOf(table);
    table.Close();
    return false;
}

bool MakeTableIfMissing(CSqliteTable& table, const char* indexSql) {
    switch (table.FindTable()) {
        case Presence::Present:
            return true;
        case Presence::Absent:
            return table.CreateTable() && (indexSql == nullptr || table.Execute(indexSql));
        case Presence::Unreadable:
            break;
    }
    return false;
}

}  // namespace

bool OpenToRead(CSqliteTable& table, const std::string& path, std::string& error) {
    table.Close();
    std::error_code failure;
    if (!std::filesystem::exists(path, failure) && !failure) {
        return true;
    }
    if (!table.CSqliteTable::Open(path.c_str())) {
        return Fail(table, error);
    }
    switch (table.FindTable()) {
        case Presence::Absent:
            table.Close();
            return true;
        case Presence::Unreadable:
            return Fail(table, error);
        case Presence::Present:
            break;
    }
    return table.Requery() || Fail(table, error);
}

bool WriteInOneTransaction(CSqliteTable& table, const std::string& path, const char* indexSql,
                           const std::function<bool()>& write, std::string& error) {
    table.Close();
    if (!table.CSqliteTable::Open(path.c_str())) {
        return Fail(table, error);
    }
    bool written = false;
    {
        CTransaction transaction(table);
        written = transaction.Begun() && MakeTableIfMissing(table, indexSql) &&
                  table.MapColumns() && write() && transaction.Commit();
        if (!written) {
            error = ReasonOf(table);
        }
    }
    table.Close();
    return written;
}

bool LoadRowById(CSqliteTable& table, int32_t rowId, bool& found) {
    FormatBuffer(table.m_filter, "ROWID = %d", rowId);
    table.m_sort.AssignText("");
    found = false;
    if (!table.Requery()) {
        return false;
    }
    found = table.m_recordCount > 0;
    return !found || table.MoveFirst();
}

bool ForEachRecord(CSqliteTable& table, const std::function<void()>& take) {
    if (!table.m_open) {
        return true;
    }
    for (bool moved = table.MoveFirst(); !table.IsEOF(); moved = table.MoveNext()) {
        if (!moved) {
            return false;
        }
        take();
    }
    return true;
}

bool ReadEveryRecord(CSqliteTable& table, const std::string& path,
                     const std::function<void()>& take, std::string& error) {
    if (!OpenToRead(table, path, error)) {
        return false;
    }
    if (ForEachRecord(table, take)) {
        return true;
    }
    error = ReasonOf(table);
    return false;
}
