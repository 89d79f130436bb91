#include "store/SqliteTable.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "store/FormatBuffer.h"
#include "store/Statement.h"

namespace {

// Spare row-id slots given at every requery and added whenever the list is full.
constexpr int32_t kRowIdGrowth = 5000;

// How a field type is written in CREATE TABLE, in the ALTER that adds it to an older table, and
// the value the follow-up UPDATE gives the old rows (none: they stay NULL).
struct TypeWords {
    FieldType type;
    const char* create;
    const char* alter;
    const char* fill;
};

constexpr TypeWords kTypeWords[] = {
    {FieldType::Text, "TEXT", "TEXT", "\"\""},
    {FieldType::Int, "INT", "Integer", "0"},
    {FieldType::Double, "DOUBLE", "Double", "0.0"},
    {FieldType::LongBinary, "LongBinary", "LongBinary", nullptr},
};

const TypeWords* WordsFor(FieldType type) {
    for (const TypeWords& words : kTypeWords) {
        if (words.type == type) {
            return &words;
        }
    }
    return nullptr;
}

char Separator(bool first) {
    return first ? ' ' : ',';
}

bool HasText(const CByteBuffer& buffer) {
    return buffer.GetText() != nullptr && buffer.GetText()[0] != '\0';
}

void AppendClause(CByteBuffer& sql, const char* keyword, const CByteBuffer& clause) {
    if (HasText(clause)) {
        sql.Append(keyword);
        sql.Append(clause.GetText());
    }
}

bool TakesPartInNamedInsert(const CTableField& field) {
    return field.type == FieldType::Text || field.type == FieldType::Int;
}

// Binds one field's value; a cleared buffer binds NULL, the empty text an empty text. The
// buffers stay untouched until the statement is finalized, so SQLite need not copy them.
bool BindField(sqlite3_stmt* statement, int parameter, const CTableField& field) {
    if (field.value == nullptr) {
        return true;
    }
    switch (field.type) {
        case FieldType::Text: {
            const auto& text = *static_cast<const CByteBuffer*>(field.value);
            const int length = text.m_size > 1 ? text.m_size - 1 : 0;
            return sqlite3_bind_text(statement, parameter, text.GetText(), length, SQLITE_STATIC) ==
                   SQLITE_OK;
        }
        case FieldType::Int:
            return sqlite3_bind_int(statement, parameter,
                                    *static_cast<const int32_t*>(field.value)) == SQLITE_OK;
        case FieldType::Double:
            return sqlite3_bind_double(statement, parameter,
                                       *static_cast<const double*>(field.value)) == SQLITE_OK;
        case FieldType::LongBinary: {
            const auto& bytes = *static_cast<const CByteBuffer*>(field.value);
            return sqlite3_bind_blob(statement, parameter, bytes.GetText(), bytes.m_size,
                                     SQLITE_STATIC) == SQLITE_OK;
        }
    }
    return true;
}

// The empty value of a field's type: the empty text, 0, 0.0, or no bytes.
void ClearField(const CTableField& field) {
    switch (field.type) {
        case FieldType::Text:
            static_cast<CByteBuffer*>(field.value)->AssignText("");
            break;
        case FieldType::Int:
            *static_cast<int32_t*>(field.value) = 0;
            break;
        case FieldType::Double:
            *static_cast<double*>(field.value) = 0.0;
            break;
        case FieldType::LongBinary:
            static_cast<CByteBuffer*>(field.value)->Clear();
            break;
    }
}

// Results that say the file itself cannot be read (damaged, not a database, locked, failing
// disk), as against a filter or sort text that is not valid SQL.
bool IsFileFailure(int result) {
    switch (result & 0xFF) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_IOERR:
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_NOMEM:
        case SQLITE_CANTOPEN:
        case SQLITE_INTERRUPT:
            return true;
        default:
            return false;
    }
}

}  // namespace

CSqliteTable::CSqliteTable()
    : m_db(nullptr),
      m_open(false),
      m_recordCount(0),
      m_position(-1),
      m_columnCount(0),
      m_columnsMapped(false),
      m_currentRowId(0),
      m_rowIdCapacity(0),
      m_rowsRead(0),
      m_editRowId(0),
      m_adding(false) {}

CSqliteTable::~CSqliteTable() {
    if (m_db != nullptr) {
        Close();
    }
}

void CSqliteTable::DefineField(int32_t index, const char* name, FieldType type, void* value) {
    const int32_t count = GetFieldCount();
    if (m_fields == nullptr && count > 0) {
        m_fields = std::make_unique<CTableField[]>(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i) {
            m_fields[i].column = -1;
        }
    }
    if (m_fields == nullptr || index < 0 || index >= count || name == nullptr ||
        std::strlen(name) >= sizeof(CTableField::name)) {
        return;
    }
    CTableField& field = m_fields[index];
    field.type = type;
    field.value = value;
    field.column = -1;
    std::strcpy(field.name, name);
}

bool CSqliteTable::OpenConnection(const char* path, int flags) {
    if (m_open || m_db != nullptr || path == nullptr) {
        return false;
    }
    const int result = sqlite3_open_v2(path, &m_db, flags, nullptr);
    if (result != SQLITE_OK || m_db == nullptr) {
        // A handle handed back with the failure stays until Close.
        m_lastError = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(result);
        return false;
    }
    // A diary file comes from the user's disk: its schema must not be able to run code or
    // corrupt the file through SQL. No busy timeout: a file locked by another program fails at
    // once and the caller reports it.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    CStatement::WatchConnection(m_db);
    m_open = true;
    m_path.AssignText(path);
    return true;
}

bool CSqliteTable::Open(const char* path) {
    return OpenConnection(path, SQLITE_OPEN_READWRITE);
}

bool CSqliteTable::IsEmptyFile() {
    CStatement statement(m_db, "PRAGMA page_count");
    return statement.Step() == SQLITE_ROW && sqlite3_column_int(statement.Handle(), 0) == 0;
}

bool CSqliteTable::OpenAndRequery(const char* path) {
    if (CSqliteTable::Open(path) && Requery()) {
        return true;
    }
    Close();
    return false;
}

bool CSqliteTable::OpenOrCreate(const char* path) {
    if (!OpenConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
        return false;
    }
    // Auto-vacuum is chosen when the file is made; asking for it again later would be a write
    // at every opening, also of a file that cannot be read.
    if (IsEmptyFile()) {
        Execute("PRAGMA auto_vacuum=1");
    }
    if (CreateTable() && Requery()) {
        return true;
    }
    const std::string reason = m_lastError;
    Close();
    m_lastError = reason;
    return false;
}

bool CSqliteTable::Close() {
    if (!m_open && m_db == nullptr) {
        return true;
    }
    sqlite3_close(m_db);
    m_db = nullptr;
    m_open = false;
    m_columnsMapped = false;
    m_path.AssignText("");
    return true;
}

void CSqliteTable::NoteError() {
    m_lastError = sqlite3_errmsg(m_db);
}

bool CSqliteTable::Execute(const char* sql) {
    if (!m_open || m_db == nullptr) {
        return false;
    }
    CStatement statement(m_db, sql);
    const int result = statement.Step();
    if (result == SQLITE_ROW || result == SQLITE_DONE) {
        return true;
    }
    NoteError();
    return false;
}

void CSqliteTable::ExecuteKeepingError(const char* sql) {
    const std::string reason = m_lastError;
    Execute(sql);
    m_lastError = reason;
}

bool CSqliteTable::CreateTable() {
    const int32_t count = GetFieldCount();
    if (!HasFields() || count == 0) {
        return false;
    }
    CByteBuffer sql;
    CByteBuffer piece;
    FormatBuffer(sql, "CREATE TABLE [%s] (", GetTableName());
    for (int32_t i = 0; i < count; ++i) {
        const TypeWords* words = WordsFor(m_fields[i].type);
        if (words != nullptr) {
            FormatBuffer(piece, "%c[%s] %s", Separator(i == 0), m_fields[i].name, words->create);
            sql.Append(piece.GetText());
        }
    }
    sql.Append(")");
    // An existing table refuses the statement; that is expected and not a failure.
    return Execute(sql.GetText()) || FindTable() == TablePresence::Present;
}

CSqliteTable::TablePresence CSqliteTable::FindTable() {
    if (!m_open || m_db == nullptr) {
        return TablePresence::Unreadable;
    }
    CStatement statement(m_db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    if (!statement.Prepared() ||
        sqlite3_bind_text(statement.Handle(), 1, GetTableName(), -1, SQLITE_STATIC) != SQLITE_OK) {
        NoteError();
        return TablePresence::Unreadable;
    }
    switch (statement.Step()) {
        case SQLITE_ROW:
            return TablePresence::Present;
        case SQLITE_DONE:
            return TablePresence::Absent;
        default:
            NoteError();
            return TablePresence::Unreadable;
    }
}

const char* CSqliteTable::BuildSelect(bool rowIdOnly, bool withFilter, bool withSort) {
    static CByteBuffer select;
    FormatBuffer(select, "SELECT %s FROM [%s]", rowIdOnly ? "ROWID" : "*", GetTableName());
    if (withFilter) {
        AppendClause(select, " WHERE ", m_filter);
    }
    if (withSort) {
        AppendClause(select, " ORDER BY ", m_sort);
    }
    return select.GetText();
}

bool CSqliteTable::MapColumns() {
    const int32_t count = GetFieldCount();
    if (!HasFields() || count == 0) {
        return false;
    }
    CByteBuffer sql;
    sql.AssignText(BuildSelect(false, true, true));
    {
        CStatement statement(m_db, sql.GetText());
        if (!statement.Prepared()) {
            NoteError();
            return false;
        }
        // Indices from an earlier file must not survive into this one.
        for (int32_t i = 0; i < count; ++i) {
            m_fields[i].column = -1;
        }
        m_columnCount = sqlite3_column_count(statement.Handle());
        for (int32_t c = 0; c < m_columnCount; ++c) {
            const char* name = sqlite3_column_name(statement.Handle(), c);
            CTableField* end = m_fields.get() + count;
            CTableField* field = std::find_if(m_fields.get(), end, [name](const CTableField& f) {
                return name != nullptr && std::strcmp(f.name, name) == 0;
            });
            if (field != end) {
                field->column = c;
            }
        }
    }
    for (int32_t i = 0; i < count; ++i) {
        if (m_fields[i].column == -1) {
            AddMissingColumn(m_fields[i]);
        }
    }
    m_columnsMapped = true;
    return true;
}

void CSqliteTable::AddMissingColumn(const CTableField& field) {
    const TypeWords* words = WordsFor(field.type);
    if (words == nullptr) {
        return;
    }
    CByteBuffer sql;
    FormatBuffer(sql, "ALTER TABLE [%s] ADD COLUMN [%s] %s", GetTableName(), field.name,
                 words->alter);
    Execute(sql.GetText());
    if (words->fill != nullptr) {
        FormatBuffer(sql, "UPDATE %s SET [%s] = %s", GetTableName(), field.name, words->fill);
        Execute(sql.GetText());
    }
}

bool CSqliteTable::Requery() {
    if (!m_open || m_db == nullptr) {
        return false;
    }
    if (!m_columnsMapped && !MapColumns()) {
        return false;
    }
    const int32_t count = CountRecords();
    // A file that cannot be read is no empty set: an owner taking it for one would write into it.
    if (count == 0 && IsFileFailure(sqlite3_errcode(m_db))) {
        return false;
    }
    const int32_t capacity = count + kRowIdGrowth;
    // Value-initialized: a slot whose id is never read holds 0, which selects no row.
    auto rowIds = std::make_unique<int32_t[]>(static_cast<size_t>(capacity));
    int32_t rowsRead = 0;
    if (count > 0 && !ReadRowIds(count, rowIds.get(), rowsRead)) {
        return false;
    }
    m_recordCount = count;
    m_position = 1;
    m_rowIdCapacity = capacity;
    m_rowIds = std::move(rowIds);
    m_rowsRead = rowsRead;
    return m_recordCount == 0 || MoveTo(1);
}

bool CSqliteTable::ReadRowIds(int32_t count, int32_t* rowIds, int32_t& rowsRead) {
    CByteBuffer sql;
    sql.AssignText(BuildSelect(true, true, true));
    CStatement statement(m_db, sql.GetText());
    int result = statement.Step();
    // Only a real row gives an id; an error ends the list where it stands.
    while (rowsRead < count && result == SQLITE_ROW) {
        rowIds[rowsRead] = sqlite3_column_int(statement.Handle(), 0);
        ++rowsRead;
        result = statement.Step();
    }
    if (result == SQLITE_ROW || result == SQLITE_DONE) {
        return true;
    }
    NoteError();
    // A sort text that is not valid SQL leaves an empty list; a file that cannot be read fails.
    return !IsFileFailure(result);
}

int32_t CSqliteTable::CountRecords() {
    if (!m_open || m_db == nullptr) {
        return 0;
    }
    CByteBuffer sql;
    FormatBuffer(sql, "SELECT COUNT (*) FROM [%s]", GetTableName());
    AppendClause(sql, " WHERE ", m_filter);
    CStatement statement(m_db, sql.GetText());
    if (statement.Step() != SQLITE_ROW) {
        NoteError();
        return 0;
    }
    const unsigned char* count = sqlite3_column_text(statement.Handle(), 0);
    return count != nullptr ? std::atoi(reinterpret_cast<const char*>(count)) : 0;
}

int32_t CSqliteTable::RowIdAt(int32_t position) const {
    if (m_rowIds == nullptr || position < 1 ||
        position > std::min(m_recordCount, m_rowIdCapacity)) {
        return 0;
    }
    return m_rowIds[position - 1];
}

int32_t CSqliteTable::PositionOf(int32_t rowId) const {
    const int32_t held = std::min(m_recordCount, m_rowIdCapacity);
    if (m_rowIds == nullptr || rowId <= 0) {
        return 0;
    }
    const int32_t* begin = m_rowIds.get();
    const int32_t* end = begin + held;
    const int32_t* found = std::find(begin, end, rowId);
    return found != end ? static_cast<int32_t>(found - begin) + 1 : 0;
}

CSqliteTable::MoveResult CSqliteTable::Go(int32_t position) {
    m_readFailed = false;
    if (!m_open || m_db == nullptr || m_rowIds == nullptr || m_editRowId != 0 || m_adding) {
        return MoveResult::Refused;
    }
    if (position <= 0) {
        return MoveResult::Refused;
    }
    if (m_recordCount == 0) {
        return MoveResult::Moved;
    }
    if (position > m_recordCount) {
        m_position = position;
        return MoveResult::Moved;
    }
    const int32_t rowId = RowIdAt(position);
    CByteBuffer sql;
    FormatBuffer(sql, "%s WHERE ROWID = %d", BuildSelect(false, false, false), rowId);
    CStatement statement(m_db, sql.GetText());
    const int result = statement.Step();
    // A row that cannot be read is never shown as a row of empty values: an owner would write
    // them back. Fields, position and current id stay those of the row loaded before.
    if (result != SQLITE_ROW && result != SQLITE_DONE) {
        NoteError();
        m_readFailed = true;
        return MoveResult::ReadFailed;
    }
    m_currentRowId = rowId;
    LoadRow(statement.Handle());
    m_position = position;
    return MoveResult::Moved;
}

bool CSqliteTable::MoveTo(int32_t position) {
    return Go(position) == MoveResult::Moved;
}

bool CSqliteTable::MoveFirst() {
    if (!m_open || m_db == nullptr) {
        return false;
    }
    return Go(1) != MoveResult::ReadFailed;
}

bool CSqliteTable::MoveLast() {
    if (!m_open || m_db == nullptr) {
        return false;
    }
    return Go(m_recordCount) != MoveResult::ReadFailed;
}

bool CSqliteTable::MoveNext() {
    if (!m_open || m_db == nullptr || m_position > m_recordCount) {
        return false;
    }
    return Step(m_position + 1);
}

bool CSqliteTable::MovePrev() {
    if (!m_open || m_db == nullptr || m_position <= 1) {
        return false;
    }
    return Step(m_position - 1);
}

// A step that cannot read its row stays where it was.
bool CSqliteTable::Step(int32_t position) {
    const int32_t from = m_position;
    m_position = position;
    if (Go(position) == MoveResult::ReadFailed) {
        m_position = from;
        return false;
    }
    return true;
}

bool CSqliteTable::IsEOF() const {
    return m_recordCount == 0 || m_position > m_recordCount;
}

void CSqliteTable::LoadRow(sqlite3_stmt* statement) {
    if (!HasFields()) {
        return;
    }
    // 0 when the statement has no current row: every field gets its empty value.
    const int available = sqlite3_data_count(statement);
    const int32_t count = GetFieldCount();
    for (int32_t i = 0; i < count; ++i) {
        const CTableField& field = m_fields[i];
        if (field.value == nullptr) {
            continue;
        }
        if (field.column < 0 || field.column >= available) {
            ClearField(field);
            continue;
        }
        switch (field.type) {
            case FieldType::Text: {
                const unsigned char* text = sqlite3_column_text(statement, field.column);
                static_cast<CByteBuffer*>(field.value)
                    ->AssignText(text != nullptr ? reinterpret_cast<const char*>(text) : "");
                break;
            }
            case FieldType::Int:
                *static_cast<int32_t*>(field.value) = sqlite3_column_int(statement, field.column);
                break;
            case FieldType::Double:
                *static_cast<double*>(field.value) = sqlite3_column_double(statement, field.column);
                break;
            case FieldType::LongBinary: {
                const void* bytes = sqlite3_column_blob(statement, field.column);
                const int size = sqlite3_column_bytes(statement, field.column);
                static_cast<CByteBuffer*>(field.value)->Assign(bytes, size);
                break;
            }
        }
    }
    EndPending();
}

void CSqliteTable::ClearFields() {
    if (!HasFields()) {
        return;
    }
    const int32_t count = GetFieldCount();
    for (int32_t i = 0; i < count; ++i) {
        if (m_fields[i].value != nullptr) {
            ClearField(m_fields[i]);
        }
    }
}

bool CSqliteTable::Edit() {
    if (!m_open || m_db == nullptr || m_rowIds == nullptr || m_editRowId != 0 ||
        m_recordCount <= 0 || m_adding) {
        return false;
    }
    // Past the end, or a position whose id was never read, has no row to edit.
    const int32_t rowId = RowIdAt(m_position);
    if (rowId <= 0) {
        return false;
    }
    m_editRowId = rowId;
    return true;
}

bool CSqliteTable::AddNew() {
    if (!HasFields() || m_editRowId != 0 || m_adding) {
        return false;
    }
    ClearFields();
    m_adding = true;
    return true;
}

void CSqliteTable::EndPending() {
    m_editRowId = 0;
    m_adding = false;
}

bool CSqliteTable::FailWrite() {
    EndPending();
    return false;
}

bool CSqliteTable::BindAndStep(CStatement& statement,
                               const std::vector<const CTableField*>& bound) {
    int parameter = 1;
    for (const CTableField* field : bound) {
        if (!BindField(statement.Handle(), parameter++, *field)) {
            NoteError();
            return false;
        }
    }
    if (statement.Step() != SQLITE_DONE) {
        NoteError();
        return false;
    }
    return true;
}

bool CSqliteTable::WriteStatement(const char* sql, const std::vector<const CTableField*>& bound) {
    CStatement statement(m_db, sql);
    if (!statement.Prepared()) {
        NoteError();
        return false;
    }
    return BindAndStep(statement, bound);
}

std::vector<const CTableField*> CSqliteTable::AllFields() const {
    std::vector<const CTableField*> fields;
    const int32_t count = GetFieldCount();
    for (int32_t i = 0; i < count; ++i) {
        fields.push_back(&m_fields[i]);
    }
    return fields;
}

void CSqliteTable::BuildPositionalInsert(CByteBuffer& sql) const {
    FormatBuffer(sql, "INSERT INTO [%s] VALUES(", GetTableName());
    const int32_t count = GetFieldCount();
    for (int32_t i = 0; i < count; ++i) {
        sql.Append(i == 0 ? "?" : ",?");
    }
    sql.Append(") ");
}

void CSqliteTable::BuildEdit(CByteBuffer& sql) const {
    CByteBuffer piece;
    FormatBuffer(sql, "UPDATE [%s] SET ", GetTableName());
    const int32_t count = GetFieldCount();
    for (int32_t i = 0; i < count; ++i) {
        FormatBuffer(piece, "%c[%s] = ?", Separator(i == 0), m_fields[i].name);
        sql.Append(piece.GetText());
    }
    FormatBuffer(piece, " WHERE ROWID = %d", m_editRowId);
    sql.Append(piece.GetText());
}

bool CSqliteTable::Update() {
    const int32_t count = GetFieldCount();
    if (count < m_columnCount && m_adding) {
        return InsertByName();
    }
    if (!HasFields() || (m_editRowId <= 0 && !m_adding)) {
        return false;
    }
    CByteBuffer sql;
    if (m_adding) {
        BuildPositionalInsert(sql);
    } else {
        BuildEdit(sql);
    }
    if (!WriteStatement(sql.GetText(), AllFields())) {
        return FailWrite();
    }
    if (m_adding) {
        AppendRowId(static_cast<int32_t>(sqlite3_last_insert_rowid(m_db)));
        m_position = m_recordCount;
    }
    EndPending();
    return true;
}

bool CSqliteTable::Delete() {
    if (!m_open || m_db == nullptr || m_rowIds == nullptr || m_editRowId != 0 || m_adding) {
        return false;
    }
    const int32_t rowId = RowIdAt(m_position);
    if (rowId <= 0) {
        return false;
    }
    CByteBuffer sql;
    FormatBuffer(sql, "DELETE FROM [%s] WHERE ROWID = %d", GetTableName(), rowId);
    if (!WriteStatement(sql.GetText(), {})) {
        return false;
    }
    int32_t* slot = m_rowIds.get() + (m_position - 1);
    std::copy(slot + 1, m_rowIds.get() + m_recordCount, slot);
    --m_recordCount;
    return true;
}

bool CSqliteTable::ReadAll(const std::function<void()>& eachRow) {
    if (!HasFields() || m_editRowId != 0 || m_adding) {
        return false;
    }
    if (!m_columnsMapped && !MapColumns()) {
        return false;
    }
    CByteBuffer sql;
    FormatBuffer(sql, "SELECT *, ROWID FROM [%s]", GetTableName());
    AppendClause(sql, " WHERE ", m_filter);
    AppendClause(sql, " ORDER BY ", m_sort);
    CStatement statement(m_db, sql.GetText());
    // The row id comes last, behind however many columns the file has now.
    const int rowIdColumn = sqlite3_column_count(statement.Handle()) - 1;
    int result = statement.Step();
    while (result == SQLITE_ROW) {
        m_currentRowId = sqlite3_column_int(statement.Handle(), rowIdColumn);
        LoadRow(statement.Handle());
        eachRow();
        result = statement.Step();
    }
    if (result != SQLITE_DONE) {
        NoteError();
        return false;
    }
    return true;
}

bool CSqliteTable::AppendRows(const std::function<bool()>& nextRow) {
    if (!HasFields() || m_editRowId != 0 || m_adding) {
        return false;
    }
    if (GetFieldCount() < m_columnCount) {
        // Columns the class does not declare: each row goes in by name, as Update puts it.
        while (nextRow()) {
            m_adding = true;
            if (!InsertByName()) {
                return false;
            }
        }
        return true;
    }
    CByteBuffer sql;
    BuildPositionalInsert(sql);
    CStatement statement(m_db, sql.GetText());
    if (!statement.Prepared()) {
        NoteError();
        return false;
    }
    const std::vector<const CTableField*> bound = AllFields();
    while (nextRow()) {
        if (!BindAndStep(statement, bound)) {
            return false;
        }
        AppendRowId(static_cast<int32_t>(sqlite3_last_insert_rowid(m_db)));
        m_position = m_recordCount;
        statement.Reset();
    }
    return true;
}

bool CSqliteTable::UpdateColumnOfRow(const CTableField& field, int32_t rowId) {
    CByteBuffer sql;
    FormatBuffer(sql, "UPDATE [%s] SET [%s] = ? WHERE ROWID = %d", GetTableName(), field.name,
                 rowId);
    return WriteStatement(sql.GetText(), {&field});
}

bool CSqliteTable::InsertByName() {
    const int32_t count = GetFieldCount();
    if (count >= m_columnCount || !m_adding || !HasFields()) {
        return false;
    }
    CByteBuffer sql;
    CByteBuffer piece;
    CByteBuffer values;
    std::vector<const CTableField*> bound;
    FormatBuffer(sql, "INSERT INTO [%s] (", GetTableName());
    values.AssignText(") VALUES (");
    for (int32_t i = 0; i < count; ++i) {
        if (TakesPartInNamedInsert(m_fields[i])) {
            const char separator = Separator(bound.empty());
            FormatBuffer(piece, "%c[%s]", separator, m_fields[i].name);
            sql.Append(piece.GetText());
            FormatBuffer(piece, "%c?", separator);
            values.Append(piece.GetText());
            bound.push_back(&m_fields[i]);
        }
    }
    sql.Append(values.GetText());
    sql.Append(")");

    // The INSERT and the UPDATEs that complete the row stand or fall together.
    if (!Execute("SAVEPOINT insert_by_name")) {
        return FailWrite();
    }
    bool written = WriteStatement(sql.GetText(), bound);
    const auto rowId = static_cast<int32_t>(sqlite3_last_insert_rowid(m_db));
    for (int32_t i = 0; written && i < count; ++i) {
        const CTableField& field = m_fields[i];
        const bool hasBytes = field.type == FieldType::LongBinary && field.value != nullptr &&
                              static_cast<const CByteBuffer*>(field.value)->m_size >= 1;
        if (field.type == FieldType::Double || hasBytes) {
            written = UpdateColumnOfRow(field, rowId);
        }
    }
    if (written) {
        written = Execute("RELEASE insert_by_name");
    }
    if (!written) {
        ExecuteKeepingError("ROLLBACK TO insert_by_name");
        ExecuteKeepingError("RELEASE insert_by_name");
        return FailWrite();
    }
    AppendRowId(rowId);
    m_position = m_recordCount;
    EndPending();
    return true;
}

void CSqliteTable::AppendRowId(int32_t id) {
    if (m_rowIds == nullptr) {
        m_rowIdCapacity = m_recordCount + kRowIdGrowth;
        m_rowIds = std::make_unique<int32_t[]>(static_cast<size_t>(m_rowIdCapacity));
    } else if (m_recordCount + 1 >= m_rowIdCapacity) {
        auto grown =
            std::make_unique<int32_t[]>(static_cast<size_t>(m_rowIdCapacity) + kRowIdGrowth);
        std::copy_n(m_rowIds.get(), m_recordCount, grown.get());
        m_rowIds = std::move(grown);
        m_rowIdCapacity += kRowIdGrowth;
    }
    m_rowIds[m_recordCount] = id;
    ++m_recordCount;
}

bool CSqliteTable::BeginTransaction() {
    return Execute("BEGIN IMMEDIATE");
}

bool CSqliteTable::CommitTransaction() {
    return Execute("COMMIT");
}

void CSqliteTable::RollbackTransaction() {
    ExecuteKeepingError("ROLLBACK");
}
