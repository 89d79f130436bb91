#include "TableExercise.h"

#include "store/SqliteTable.h"

void WalkAllRows(CSqliteTable& table) {
    table.MoveFirst();
    for (int32_t steps = 0; !table.IsEOF(); ++steps) {
        Require(steps < table.m_recordCount, "a walk ends after the last row");
        Require(table.MoveNext(), "MoveNext moves on until past the last row");
    }
}

namespace {

bool OpenAsThePanelsDo(CSqliteTable& table, const std::string& path) {
    if (table.Open(path.c_str())) {
        return true;
    }
    Require(!table.m_open, "a failed Open leaves the file closed");
    return table.OpenOrCreate(path.c_str());
}

void AddRow(CSqliteTable& table, const std::function<void()>& fill) {
    if (!table.AddNew()) {
        return;
    }
    fill();
    const int32_t before = table.m_recordCount;
    if (table.Update()) {
        Require(table.m_recordCount == before + 1 && table.m_position == table.m_recordCount,
                "an added row stands at the end of the list");
    } else {
        Require(table.m_recordCount == before, "a failed add appends nothing");
    }
    Require(!table.m_adding && table.m_editRowId == 0, "Update ends the pending add");
}

void EditFirstRow(CSqliteTable& table, const std::function<void()>& fill) {
    if (!table.Requery() || !table.MoveFirst() || !table.Edit()) {
        return;
    }
    fill();
    table.Update();
    Require(!table.m_adding && table.m_editRowId == 0, "Update ends the pending edit");
}

}  // namespace

void ExerciseTable(CSqliteTable& table, const std::string& path,
                   const std::function<void()>& fill) {
    if (OpenAsThePanelsDo(table, path)) {
        WalkAllRows(table);
        AddRow(table, fill);
        EditFirstRow(table, fill);
        WalkAllRows(table);
    }
    table.Close();
}
