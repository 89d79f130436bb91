#include "store/Statement.h"

#include <sqlite3.h>

CStatement::CStatement(sqlite3* db, const char* sql)
    : m_prepareResult(sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr)) {}

CStatement::~CStatement() {
    sqlite3_finalize(m_stmt);
}

int CStatement::Step() {
    return Prepared() ? sqlite3_step(m_stmt) : m_prepareResult;
}
