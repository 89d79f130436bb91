#include "store/Statement.h"

#include <sqlite3.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// The deadline of the prepare or step now running; none outside them. Everything runs on the
// one GUI thread, but each thread gets its own so that tests may use threads.
thread_local Clock::time_point t_deadline;
thread_local bool t_watching = false;

// Arms the deadline for one call into SQLite.
class DeadlineScope {
public:
    DeadlineScope() {
        t_deadline = Clock::now() + std::chrono::milliseconds(CStatement::kTimeLimitMs);
        t_watching = true;
    }
    ~DeadlineScope() { t_watching = false; }
    DeadlineScope(const DeadlineScope&) = delete;
    DeadlineScope& operator=(const DeadlineScope&) = delete;
};

// Non-zero interrupts the statement, which then fails with SQLITE_INTERRUPT.
int PastDeadline(void*) {
    return t_watching && Clock::now() > t_deadline ? 1 : 0;
}

// Virtual-machine steps between two looks at the clock.
constexpr int kStepsBetweenChecks = 10000;

int Prepare(sqlite3* db, const char* sql, sqlite3_stmt** stmt) {
    const DeadlineScope scope;
    return sqlite3_prepare_v2(db, sql, -1, stmt, nullptr);
}

}  // namespace

CStatement::CStatement(sqlite3* db, const char* sql) : m_prepareResult(Prepare(db, sql, &m_stmt)) {}

CStatement::~CStatement() {
    sqlite3_finalize(m_stmt);
}

int CStatement::Step() {
    if (!Prepared()) {
        return m_prepareResult;
    }
    const DeadlineScope scope;
    return sqlite3_step(m_stmt);
}

void CStatement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void CStatement::WatchConnection(sqlite3* db) {
    sqlite3_progress_handler(db, kStepsBetweenChecks, &PastDeadline, nullptr);
}
