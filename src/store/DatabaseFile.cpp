#include "store/DatabaseFile.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "store/ByteBuffer.h"
#include "store/FormatBuffer.h"
#include "store/Statement.h"

namespace database_file {
namespace {

// A connection closed when it goes out of scope.
class Connection {
public:
    Connection(const std::string& path, int flags) {
        m_result = sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr);
        if (m_db != nullptr) {
            sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
            sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
            CStatement::WatchConnection(m_db);
        }
    }
    ~Connection() { sqlite3_close(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Opened() const { return m_result == SQLITE_OK && m_db != nullptr; }
    sqlite3* Handle() const { return m_db; }
    std::string Error() const {
        return m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(m_result);
    }

private:
    sqlite3* m_db = nullptr;
    int m_result;
};

Health HealthOf(int result) {
    switch (result & 0xFF) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_FORMAT:
            return Health::Damaged;
        default:
            return Health::Unreadable;
    }
}

// Reads the check's rows; "ok" alone means sound.
Health RunCheck(sqlite3* db, std::string& reason, int& result) {
    CStatement statement(db, "PRAGMA quick_check");
    result = statement.Step();
    if (result != SQLITE_ROW) {
        reason = sqlite3_errmsg(db);
        return HealthOf(result);
    }
    const auto* first = reinterpret_cast<const char*>(sqlite3_column_text(statement.Handle(), 0));
    if (first != nullptr && std::string(first) == "ok") {
        return Health::Sound;
    }
    reason = first != nullptr ? first : "the check found damage";
    return Health::Damaged;
}

// Also for a folder, whose entry of a renamed file is on disk only once the folder is synced.
bool SyncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// The backup API copies page by page through SQLite, so a diary another program is writing is
// copied as one consistent state.
bool BackUpInto(const std::string& source, const std::string& target, std::string& error) {
    Connection from(source, SQLITE_OPEN_READONLY);
    Connection to(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!from.Opened() || !to.Opened()) {
        error = from.Opened() ? to.Error() : from.Error();
        return false;
    }
    // The copy goes to a temporary file that is synced once when complete, so SQLite's own
    // journal and syncs on it would only cost time.
    for (const char* pragma : {"PRAGMA journal_mode=OFF", "PRAGMA synchronous=OFF"}) {
        CStatement(to.Handle(), pragma).Step();
    }
    sqlite3_backup* backup = sqlite3_backup_init(to.Handle(), "main", from.Handle(), "main");
    if (backup == nullptr) {
        error = to.Error();
        return false;
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) {
        error = sqlite3_errstr(stepped != SQLITE_DONE ? stepped : finished);
        return false;
    }
    return true;
}

}  // namespace

Health Check(const std::string& path, std::string& reason) {
    int result = SQLITE_OK;
    {
        Connection readOnly(path, SQLITE_OPEN_READONLY);
        if (!readOnly.Opened()) {
            reason = readOnly.Error();
            return Health::Unreadable;
        }
        const Health health = RunCheck(readOnly.Handle(), reason, result);
        // Only a hot journal needs a writer: SQLite must roll it back before the file reads true.
        if ((result & 0xFF) != SQLITE_READONLY) {
            return health;
        }
    }
    Connection recovering(path, SQLITE_OPEN_READWRITE);
    if (!recovering.Opened()) {
        reason = recovering.Error();
        return Health::Unreadable;
    }
    return RunCheck(recovering.Handle(), reason, result);
}

bool Copy(const std::string& source, const std::string& target, std::string& error) {
    const std::string temporary = target + ".partial";
    std::remove(temporary.c_str());
    if (BackUpInto(source, temporary, error)) {
        std::error_code failure;
        if (!SyncFile(temporary)) {
            error = "the copy could not be written to disk";
        } else if (std::filesystem::rename(temporary, target, failure); failure) {
            error = failure.message();
        } else {
            const std::filesystem::path folder = std::filesystem::path(target).parent_path();
            SyncFile(folder.empty() ? "." : folder.string());
            return true;
        }
    }
    std::remove(temporary.c_str());
    return false;
}

std::string FullPath(const std::string& path) {
    std::error_code failure;
    const std::filesystem::path full = std::filesystem::absolute(path, failure);
    return failure ? path : full.lexically_normal().string();
}

int64_t CountRows(const std::string& path, const std::string& table) {
    Connection connection(path, SQLITE_OPEN_READONLY);
    if (!connection.Opened()) {
        return -1;
    }
    CByteBuffer sql;
    FormatBuffer(sql, "SELECT count(*) FROM [%s]", table.c_str());
    CStatement statement(connection.Handle(), sql.GetText());
    if (statement.Step() != SQLITE_ROW) {
        return -1;
    }
    return sqlite3_column_int64(statement.Handle(), 0);
}

}  // namespace database_file
