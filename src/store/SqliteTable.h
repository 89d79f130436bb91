#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "store/ByteBuffer.h"

struct sqlite3;
struct sqlite3_stmt;
class CStatement;

// The type of a column and of the value variable that holds it.
enum class FieldType : int32_t {
    Text = 1,        // CByteBuffer holding a text
    Int = 2,         // int32_t
    Double = 3,      // double
    LongBinary = 4,  // CByteBuffer holding raw bytes
};

// One declared column.
struct CTableField {
    FieldType type;
    void* value;     // the value variable inside the derived object
    int32_t column;  // index in the result of "SELECT * FROM [table]"; -1 when not found
    char name[100];
};

// One table of one SQLite file, read as a record set: the owner sets a filter and a sort,
// requeries, and moves over 1-based positions; each move loads one row into the field variables of
// the derived class, which declares the table's name and typed columns. Writes go through Edit or
// AddNew, then Update. Failures are results (false, 0); GetLastError() gives SQLite's reason for
// the last failed statement.
class CSqliteTable {
public:
    CSqliteTable();
    virtual ~CSqliteTable();
    CSqliteTable(const CSqliteTable&) = delete;
    CSqliteTable& operator=(const CSqliteTable&) = delete;

    virtual const char* GetTableName() const = 0;
    virtual int32_t GetFieldCount() const = 0;
    // Opens an existing file for reading and writing; reads no rows.
    virtual bool Open(const char* path);

    // Opens the file, creating it when missing, creates the table when missing, then requeries.
    // On failure the file is closed again and GetLastError() says why.
    bool OpenOrCreate(const char* path);
    bool Close();
    // Runs one statement once; true when it gave a row or finished.
    bool Execute(const char* sql);
    // True also when the table is there already; false when it is neither there nor made.
    bool CreateTable();
    // Whether the open file holds this table, found without writing; Unreadable when the file
    // could not be asked (locked, damaged), with SQLite's reason in GetLastError().
    enum class TablePresence { Present, Absent, Unreadable };
    TablePresence FindTable();
    // Matches result columns to fields by name and adds the columns the file lacks.
    bool MapColumns();
    // The SELECT text for this table, in a buffer shared by all tables: valid until the next
    // call, so callers copy it at once.
    const char* BuildSelect(bool rowIdOnly, bool withFilter, bool withSort);

    // False when the columns cannot be mapped or the file cannot be read (damaged, locked); the
    // list, count and position then stay as they were.
    bool Requery();
    int32_t CountRecords();
    // Moves to a 1-based position and loads its row. A position past the last loads nothing;
    // a position whose slot holds no id (the sort could not be prepared) loads empty values.
    // A row that cannot be read (locked, damaged, failing disk) fails the move and leaves the
    // position and the loaded row as they were; so do MoveFirst, MoveLast, MoveNext, MovePrev.
    bool MoveTo(int32_t position);
    bool MoveFirst();
    bool MoveLast();
    bool MoveNext();
    bool MovePrev();
    bool IsEOF() const;
    // True when the last move failed because its row could not be read.
    bool ReadFailed() const { return m_readFailed; }
    void ClearFields();
    // The id at a 1-based position, or 0 when the list holds none there.
    int32_t RowIdAt(int32_t position) const;
    // The 1-based position of a row id in the list, or 0 when it is not there.
    int32_t PositionOf(int32_t rowId) const;

    // Begins editing the loaded record; refused past the end and on a position without an id.
    bool Edit();
    bool AddNew();
    // Writes the pending edit or new row and ends the pending state. False when the statement
    // failed; then no other row has changed and no id was appended.
    bool Update();
    // Deletes the loaded record by its row id; refused while a write is pending, past the end and
    // on a position without an id. The id leaves the list, so the position then names the record
    // that followed, not yet loaded. A failed statement changes nothing and returns false.
    bool Delete();

    // Steps one SELECT of the filter and sort and loads its rows into the field variables one
    // after the other, each with its m_currentRowId, calling `eachRow` after each load. The list
    // and the position stay as they were; the fields hold the last row read. Refused while a
    // write is pending; false when a row cannot be read.
    bool ReadAll(const std::function<void()>& eachRow);
    // Writes many new rows through one INSERT prepared once: `nextRow` sets the field variables
    // of the next row and returns true, or returns false when there is none. Each row is written
    // and bound as Update writes a new one and becomes the last position. False at the first row
    // that cannot be written: that row changes nothing, and the rows before it stay for the
    // caller's transaction to undo. Refused while a write is pending.
    bool AppendRows(const std::function<bool()>& nextRow);

    // One transaction around many writes ("BEGIN IMMEDIATE", "COMMIT", "ROLLBACK"). A failed
    // commit leaves the transaction open; roll it back. CTransaction does both in one place.
    bool BeginTransaction();
    bool CommitTransaction();
    void RollbackTransaction();

    // SQLite's text for the last statement of this table that failed; empty when none has.
    const char* GetLastError() const { return m_lastError.c_str(); }

    sqlite3* m_db;
    std::unique_ptr<CTableField[]> m_fields;
    bool m_open;
    CByteBuffer m_path;
    CByteBuffer m_filter;
    CByteBuffer m_sort;
    int32_t m_recordCount;
    int32_t m_position;
    int32_t m_columnCount;
    bool m_columnsMapped;
    int32_t m_currentRowId;
    std::unique_ptr<int32_t[]> m_rowIds;
    int32_t m_rowIdCapacity;
    int32_t m_rowsRead;
    int32_t m_editRowId;
    bool m_adding;
    std::string m_lastError;

protected:
    // For the derived constructor: declares field `index` bound to the variable at `value`.
    void DefineField(int32_t index, const char* name, FieldType type, void* value);
    // The Open override shared by the concrete tables: base open, then requery; on any failure
    // the file is closed and false returned.
    bool OpenAndRequery(const char* path);
    void LoadRow(sqlite3_stmt* statement);
    bool InsertByName();
    void AppendRowId(int32_t id);

private:
    bool m_readFailed = false;

    bool OpenConnection(const char* path, int flags);
    bool HasFields() const { return m_open && m_db != nullptr && m_fields != nullptr; }
    void AddMissingColumn(const CTableField& field);
    bool IsEmptyFile();
    // Reads up to `count` ids of the filter and sort into `rowIds`; false when the file could
    // not be read.
    bool ReadRowIds(int32_t count, int32_t* rowIds, int32_t& rowsRead);
    enum class MoveResult { Moved, Refused, ReadFailed };
    MoveResult Go(int32_t position);
    bool Step(int32_t position);
    // Prepares `sql`, binds `bound` to parameters 1, 2, ... and steps once; true when it finished.
    bool WriteStatement(const char* sql, const std::vector<const CTableField*>& bound);
    bool BindAndStep(CStatement& statement, const std::vector<const CTableField*>& bound);
    std::vector<const CTableField*> AllFields() const;
    // "INSERT INTO [table] VALUES(?,...) ", one parameter per field in field order.
    void BuildPositionalInsert(CByteBuffer& sql) const;
    // "UPDATE [table] SET  [first] = ?,... WHERE ROWID = <edited row>".
    void BuildEdit(CByteBuffer& sql) const;
    bool UpdateColumnOfRow(const CTableField& field, int32_t rowId);
    void EndPending();
    // Ends the pending state after a failed write; returns false.
    bool FailWrite();
    void NoteError();
    // Runs a clean-up statement without replacing the reason of the failure it cleans up after.
    void ExecuteKeepingError(const char* sql);
};
