// Rewrites the Format of every row of a diary in one transaction, the way the diary panel copies
// the profile to every row. The interrupted-write test kills it part way.
//
// usage: rewrite_format_child DIARY FORMAT     exits 0 once the transaction is committed

#include "diary/DiaryTable.h"

#if defined(__SANITIZE_ADDRESS__)
// Killed at random points, the child only has to be quick; without a quarantine of freed blocks
// AddressSanitizer's allocator reuses memory instead of faulting in fresh pages for every block.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=0";
}
#endif

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    CDiaryTable table;
    if (!table.Open(argv[1]) || !table.BeginTransaction()) {
        return 1;
    }
    bool written = true;
    for (table.MoveFirst(); written && !table.IsEOF(); table.MoveNext()) {
        written = table.Edit();
        table.m_strFormat.AssignText(argv[2]);
        written = written && table.Update();
    }
    if (written && table.CommitTransaction()) {
        return 0;
    }
    table.RollbackTransaction();
    return 1;
}
