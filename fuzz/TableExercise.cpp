#include "TableExercise.h"

#include "store/SqliteTable.h"

// A damaged file may hold rows that cannot be read: the walk then stops where the store says so.
void WalkAllRows(CSqliteTable& table) {
    if (!table.MoveFirst()) {
        return;
    }
    for (int32_t steps = 0; !table.IsEOF(); ++steps) {
        Require(steps < table.m_recordCount, "a walk ends after the last row");
        const int32_t at = table.m_position;
        if (!table.MoveNext()) {
            Require(table.ReadFailed() && table.m_position == at,
                    "MoveNext moves on, or says the row cannot be read and stays put");
            return;
        }
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
