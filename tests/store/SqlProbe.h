#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

// Test-side views of a database file that bypass the record store: a raw connection for
// preparing files and reading back what was stored, and a log of the statements a connection runs.

class RawConnection {
public:
    explicit RawConnection(const std::string& path) { sqlite3_open(path.c_str(), &m_db); }
    ~RawConnection() { sqlite3_close(m_db); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    int Exec(const std::string& sql) {
        return sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    }

    // The first column of the first row as text; "<null>" for NULL, "<none>" without a row.
    std::string Text(const std::string& sql) {
        sqlite3_stmt* statement = nullptr;
        std::string value = "<none>";
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(statement, 0);
            value = text != nullptr ? reinterpret_cast<const char*>(text) : "<null>";
        }
        sqlite3_finalize(statement);
        return value;
    }

    sqlite3* m_db = nullptr;
};

class StatementLog {
public:
    explicit StatementLog(sqlite3* db) : m_db(db) {
        sqlite3_trace_v2(m_db, SQLITE_TRACE_STMT, &StatementLog::Record, this);
    }
    ~StatementLog() { sqlite3_trace_v2(m_db, 0, nullptr, nullptr); }
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    std::vector<std::string> m_statements;

private:
    static int Record(unsigned, void* context, void*, void* text) {
        static_cast<StatementLog*>(context)->m_statements.emplace_back(
            static_cast<const char*>(text));
        return 0;
    }

    sqlite3* m_db;
};
