// Arbitrary bytes as the diary file: opened, walked, added to and edited as the diary panel does.

#include <cstddef>
#include <cstdint>

#include "ScratchFile.h"
#include "TableExercise.h"
#include "diary/DiaryTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteScratchFile("morvane.qeldb", data, size);
    CDiaryTable table;
    ExerciseTable(table, path, [&table] {
        table.m_strName.AssignText("Fuzz");
        table.m_dWeight = 80.5;
        table.m_strDate.AssignText("2010/03/07");
        table.m_strFormat.AssignText("Imperial");
    });
    return 0;
}
