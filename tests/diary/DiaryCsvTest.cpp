#include "diary/DiaryCsv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/DatabaseFile.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

using namespace std::string_literals;

const std::string kHeader = "Name,Age,Gender,Weight,Height,Calories,Activity,Date,Format,BMI,BMR";
const std::string kEntry = "Ann,34,female,70,166,1800,light,2010-03-07,Metric,25.4,1700";

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Lines(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

// The entry above with one field replaced.
std::string EntryWith(size_t column, const std::string& value) {
    size_t start = 0;
    for (size_t i = 0; i < column; ++i) {
        start = kEntry.find(',', start) + 1;
    }
    const size_t end = kEntry.find(',', start);
    return kEntry.substr(0, start) + value + (end == std::string::npos ? "" : kEntry.substr(end));
}

std::string Diary(const std::string& folder) {
    return folder + "/morvane.qeldb";
}

DiaryCsvReport Import(const std::string& file, const std::string& folder) {
    std::filesystem::create_directories(folder);
    return ImportDiaryCsv(file, CDiaryBackups(folder), COleDateTime(2024, 5, 1, 9, 0, 0));
}

using DiaryCsvTest = TempDirTest;

TEST_F(DiaryCsvTest, ExportImportElsewhereAndExportAgainGiveTheSameBytes) {
    const std::string name = "\"Ann \"\"Nan\"\", Smith\r\nof Leeds\"";
    const std::vector<std::string> lines = {
        kHeader,
        name + ",34,female,70.5,166,1800,moderate,2010-03-07,Imperial,25.584555,1645.123",
        name + ",34,female,69.25,180.5,0,very hard,2010-03-08,Imperial,0.1,1712.5",
        name + ",150,female,165.1,110,30000,none,2012-02-29,Imperial,0,2000",
    };
    // A byte-order mark and LF line ends read as well as the CRLF ends written, and a negative
    // zero as the zero the diary keeps.
    std::string in = "\xEF\xBB\xBF" + Lines(lines, "\n");
    in.replace(in.find("Imperial,0,"), 10, "Imperial,-0");
    Write("in.csv", in);
    EXPECT_EQ(Import("in.csv", "a").summary, "Imported 3 entries, skipped 0 already in the diary");
    const std::string diary = Bytes(Diary("a"));

    const DiaryCsvReport exported = ExportDiaryCsv(Diary("a"), "out.csv");
    EXPECT_EQ(exported.summary, "Exported 3 entries to " + database_file::FullPath("out.csv"));
    EXPECT_EQ(Bytes("out.csv"), Lines(lines, "\r\n"));
    EXPECT_TRUE(Bytes(Diary("a")) == diary);
    // The first entry took the seeded profile row: no row is left over.
    EXPECT_EQ(RawConnection(Diary("a")).Text("SELECT count(*) || max(ROWID) FROM Settings"), "33");

    EXPECT_EQ(Import("out.csv", "b").outcome, CsvOutcome::Done);
    EXPECT_EQ(ExportDiaryCsv(Diary("b"), "again.csv").outcome, CsvOutcome::Done);
    EXPECT_EQ(Bytes("again.csv"), Bytes("out.csv"));

    EXPECT_EQ(Import("in.csv", "a").summary, "Imported 0 entries, skipped 3 already in the diary");
    EXPECT_TRUE(Bytes(Diary("a")) == diary);
}

// Added entries take the profile's name, gender and units, and their calorie need follows that
// gender; a diary with a column the program does not know takes its rows by name.
TEST_F(DiaryCsvTest, AddedEntriesTakeTheProfileAndThoseAlreadyThereAreSkipped) {
    const std::string held = "Ann,34,female,69,166,1500,none,2010-03-08,Metric,25,1600";
    Write("profile.csv", Lines({kHeader, kEntry, held}, "\r\n"));
    Write("more.csv", Lines({kHeader, "Bob,40,male,80,180,2000,light,2011-01-02,Imperial,24.7,9999",
                             held, "Bob" + held.substr(3)},
                            "\r\n"));
    ASSERT_EQ(Import("profile.csv", "d").outcome, CsvOutcome::Done);
    RawConnection raw(Diary("d"));
    raw.Exec("ALTER TABLE Settings ADD COLUMN Note TEXT");
    raw.Exec("UPDATE Settings SET Name = 'Old' WHERE ROWID = 2");

    EXPECT_EQ(Import("more.csv", "d").summary, "Imported 1 entry, skipped 2 already in the diary");
    EXPECT_EQ(raw.Text("SELECT group_concat(Name || Gender || Format, ' ') FROM Settings"),
              "Ann0Metric Ann0Metric Ann0Metric");
    EXPECT_NEAR(std::stod(raw.Text("SELECT BMR FROM Settings WHERE ROWID = 3")),
                (655 + 9.56 * 80 + 1.85 * 180 - 4.68 * 40) * 1.375, 1e-9);
}

TEST_F(DiaryCsvTest, AFileWithBadLinesIsRefusedWholeWithEveryLineSaid) {
    const std::string age = "Age is not a whole number from 1 to 150";
    const std::string date = "Date is not a day written YYYY-MM-DD";
    const struct {
        size_t column;
        const char* value;
        std::string reason;
    } faults[] = {
        {0, " ", "Name is empty"},
        {1, "0", age},
        {1, "151", age},
        {2, "Female", "Gender is not female or male"},
        {3, "165.2", "Weight is not a number of kilograms from 50 to 165.108"},
        {4, "106.6", "Height is not a number of centimetres from 106.68 to 213.36"},
        {5, "-1", "Calories is not a number from 0 to 30000"},
        {6, "very", "Activity is not none, light, moderate, hard or very hard"},
        {7, "2010-02-29", date},
        {7, "2010/03/07", date},
        {8, "metric", "Format is not Metric or Imperial"},
        {9, "nan", "BMI is not a finite number"},
    };
    std::vector<std::string> lines = {kHeader, kEntry};
    std::vector<std::string> said;
    const auto bad = [&](const std::string& line, const std::string& reason) {
        lines.push_back(line);
        said.push_back("line " + std::to_string(lines.size()) + ": " + reason);
    };
    for (const auto& fault : faults) {
        bad(EntryWith(fault.column, fault.value), fault.reason);
    }
    bad("a,b", "it has 2 fields, where an entry has 11");
    bad("Ann\0,34"s, "it holds a NUL byte");
    bad("\"\xC3\",1", "it is not UTF-8 text");
    lines.push_back(kEntry);
    bad("\"Ann", "a quoted field is not closed");

    Write("profile.csv", Lines({kHeader, kEntry}, "\n"));
    ASSERT_EQ(Import("profile.csv", "d").outcome, CsvOutcome::Done);
    RawConnection(Diary("d"))
        .Exec(
            "CREATE TRIGGER refuse AFTER INSERT ON Settings WHEN NEW.Age = 77 "
            "BEGIN SELECT RAISE(ABORT, 'refused by a trigger'); END");
    const std::string diary = Bytes(Diary("d"));
    const std::string file = database_file::FullPath("in.csv");
    const std::string nothing = ". Nothing was written to the diary.";
    const struct {
        std::string text;
        CsvOutcome outcome;
        std::string summary;
        std::vector<std::string> lines;
    } cases[] = {
        {Lines(lines, "\n"), CsvOutcome::BadInput,
         file + " cannot be imported: " + std::to_string(said.size()) +
             " of its lines are no diary entry" + nothing,
         said},
        {"\xEF\xBB\xBF\r\n",
         CsvOutcome::BadInput,
         file + " is no diary file: it is empty, where a diary file starts with the line " +
             kHeader + nothing,
         {}},
        {"Name,Age\r\n" + kEntry,
         CsvOutcome::BadInput,
         file + " is no diary file: its first line is not " + kHeader + nothing,
         {}},
        // The first entry is written before the second fails; both go.
        {Lines({kHeader, EntryWith(7, "2010-03-09"), EntryWith(1, "77")}, "\n"),
         CsvOutcome::FileError,
         "The diary " + database_file::FullPath(Diary("d")) +
             " could not be written: refused by a trigger" + nothing,
         {}},
    };
    for (const auto& c : cases) {
        Write("in.csv", c.text);
        const DiaryCsvReport report = Import("in.csv", "d");
        EXPECT_EQ(report.outcome, c.outcome) << c.summary;
        EXPECT_EQ(report.summary, c.summary);
        EXPECT_EQ(report.badLines, c.lines);
        EXPECT_TRUE(Bytes(Diary("d")) == diary) << c.summary;
    }
    std::filesystem::remove("in.csv");
    EXPECT_EQ(Import("in.csv", "d").outcome, CsvOutcome::FileError);
}

TEST_F(DiaryCsvTest, TheSampleFileAndAHundredThousandEntriesImportWhole) {
    EXPECT_EQ(Import(MORVANE_SAMPLE_CSV, "sample").summary,
              "Imported 4 entries, skipped 0 already in the diary");
    std::string large = kHeader + "\r\n";
    for (int i = 0; i < 100000; ++i) {
        large += EntryWith(5, std::to_string(i % 30000)) + "\r\n";
    }
    Write("large.csv", large);
    EXPECT_EQ(Import("large.csv", "large").summary,
              "Imported 100000 entries, skipped 0 already in the diary");
    EXPECT_EQ(ExportDiaryCsv(Diary("large"), "large-out.csv").outcome, CsvOutcome::Done);
    EXPECT_TRUE(Bytes("large-out.csv") == large);
}

}  // namespace
