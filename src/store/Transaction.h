#pragma once

#include "store/SqliteTable.h"

// One write transaction on a table's file: begun by the constructor, rolled back by the
// destructor unless committed, so every way out of a failed write undoes it.
class CTransaction {
public:
    explicit CTransaction(CSqliteTable& table) : m_table(table), m_open(table.BeginTransaction()) {}
    ~CTransaction() {
        if (m_open) {
            m_table.RollbackTransaction();
        }
    }
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    bool Begun() const { return m_open; }
    // False when the commit failed; the transaction is then rolled back when the guard goes.
    bool Commit() {
        if (m_open && m_table.CommitTransaction()) {
            m_open = false;
            return true;
        }
        return false;
    }
    // Rolls back now, before the guard goes.
    void RollBack() {
        if (m_open) {
            m_table.RollbackTransaction();
            m_open = false;
        }
    }

private:
    CSqliteTable& m_table;
    bool m_open;
};
