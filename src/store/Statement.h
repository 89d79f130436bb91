#pragma once

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement, finalized when the guard goes out of scope, so no statement outlives
// the call that prepared it. Used only inside the record store.
class CStatement {
public:
    // A statement still preparing or stepping after this long is interrupted: a file from the
    // user's disk may hold a view or trigger that never ends.
    static constexpr int kTimeLimitMs = 5000;

    // Prepares `sql` (up to its terminator) on `db`; Prepared() tells whether that worked.
    CStatement(sqlite3* db, const char* sql);
    ~CStatement();
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;

    bool Prepared() const { return m_prepareResult == 0; }
    // The result of sqlite3_step, or the prepare error when nothing was prepared.
    int Step();
    // Makes the statement ready to step again with new values: bindings are cleared to NULL.
    void Reset();
    sqlite3_stmt* Handle() const { return m_stmt; }

    // Puts every statement of the connection under the time limit; once after opening.
    static void WatchConnection(sqlite3* db);

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_prepareResult;
};
