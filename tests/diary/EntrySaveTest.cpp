#include "diary/EntrySave.h"

#include <gtest/gtest.h>

#include <string>

#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

class EntrySaveTest : public TempDirTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_table.OpenOrCreate(kDiaryFile));
        ASSERT_TRUE(m_table.AddNew());
        m_table.m_strName.AssignText("Ann");
        m_table.m_dWeight = 70.0;
        m_table.m_dHeight = 166.0;
        ASSERT_TRUE(m_table.Update());
        m_measures.SetMeasures(70.0, 166.0, 34, 2, 0, CBodyMeasures::kMetric);
    }

    static EntryForm Form(const char* name, const char* calories, const char* age) {
        return {name, calories, age, 2, 0, false, COleDateTime(2010, 3, 7, 18, 30, 0)};
    }

    CDiaryTable m_table;
    CBodyMeasures m_measures;
};

// The checks run in order, and numbers no diary entry can hold are refused with them.
TEST_F(EntrySaveTest, ChecksRunInOrderAndRefuseNumbersADiaryCannotHold) {
    const struct {
        const char* name;
        const char* calories;
        const char* age;
        EntryCheck check;
    } cases[] = {
        {" \t", "x", "", EntryCheck::Name},         {"Ann", " ", "0", EntryCheck::Calories},
        {"Ann", "-1", "34", EntryCheck::Calories},  {"Ann", "30001", "34", EntryCheck::Calories},
        {"Ann", "99999999999", "34", EntryCheck::Calories},
        {"Ann", "30000", "", EntryCheck::Age},      {"Ann", "0", "0", EntryCheck::Age},
        {"Ann", "0", "151", EntryCheck::Age},       {"Ann", "0", "99999999999", EntryCheck::Age},
        {"Ann", "30000", "150", EntryCheck::Passed}, {"Ann", "letters", "1", EntryCheck::Passed},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(m_table.AddNew());
        EXPECT_EQ(TakeEntry(Form(c.name, c.calories, c.age), m_measures, m_table), c.check)
            << c.name << "|" << c.calories << "|" << c.age;
        m_table.m_adding = false;
    }
    EXPECT_STREQ(CheckMessage(EntryCheck::Age), "Check Age Field");
}

TEST_F(EntrySaveTest, TakenEntryCarriesTheMeasuresAndTheDayPicked) {
    ASSERT_TRUE(m_table.AddNew());
    ASSERT_EQ(TakeEntry(Form("  Ann ", "2000 kcal", "34"), m_measures, m_table),
              EntryCheck::Passed);
    EXPECT_STREQ(m_table.m_strName.GetText(), "Ann ");
    EXPECT_EQ(m_table.m_dCalories, 2000.0);
    EXPECT_STREQ(m_table.m_strDate.GetText(), "2010/03/07");
    EXPECT_NEAR(m_table.m_dBMI, 25.4, 0.05);
    EXPECT_NEAR(m_table.m_dBMR, (655 + 9.56 * 70 + 1.85 * 166 - 4.68 * 34) * 1.55, 1e-9);
    int32_t savedRowId = 0;
    std::string failure;
    ASSERT_TRUE(WriteEntry(m_table, m_measures, savedRowId, failure)) << failure;
    EXPECT_EQ(savedRowId, 2);
}

// Saving the profile copies its name, units and gender to every row, each row's calorie need
// worked out again with its own measures and its BMI kept; all of it in one transaction or none.
TEST_F(EntrySaveTest, TheProfileCopyReachesEveryRowOrNone) {
    RawConnection raw(kDiaryFile);
    raw.Exec("INSERT INTO Settings VALUES ('Ann',40,0,90,160,1800,1,'2010/03/01','Metric',99.5,1)");
    raw.Exec("INSERT INTO Settings VALUES ('Ann',50,0,60,190,1800,4,'2010/03/02','Metric',99.5,1)");
    raw.Exec(
        "CREATE TRIGGER refuse_row_3 BEFORE UPDATE ON Settings WHEN old.ROWID = 3 "
        "BEGIN SELECT RAISE(ABORT, 'row 3 refused'); END");
    ASSERT_TRUE(m_table.Requery());
    const std::string before =
        raw.Text("SELECT group_concat(Name||Gender||Format||BMR) FROM Settings");
    const auto saveProfileAsImperialMan = [this](std::string& failure) {
        EntryForm form = Form("Ann", "2000", "34");
        form.gender = 1;
        form.imperial = true;
        int32_t savedRowId = 0;
        return m_table.MoveFirst() && m_table.Edit() &&
               TakeEntry(form, m_measures, m_table) == EntryCheck::Passed &&
               WriteEntry(m_table, m_measures, savedRowId, failure);
    };
    std::string failure;
    EXPECT_FALSE(saveProfileAsImperialMan(failure));
    EXPECT_EQ(failure, "row 3 refused");
    EXPECT_EQ(raw.Text("SELECT group_concat(Name||Gender||Format||BMR) FROM Settings"), before);

    raw.Exec("DROP TRIGGER refuse_row_3");
    ASSERT_TRUE(saveProfileAsImperialMan(failure)) << failure;
    EXPECT_EQ(raw.Text("SELECT group_concat(Gender || Format, ',') FROM Settings"),
              "1Imperial,1Imperial,1Imperial");
    EXPECT_EQ(raw.Text("SELECT group_concat(BMI, ',') FROM Settings WHERE ROWID > 1"), "99.5,99.5");
    EXPECT_NEAR(std::stod(raw.Text("SELECT BMR FROM Settings WHERE ROWID = 2")),
                (66 + 13.75 * 90 + 5.0 * 160 - 6.76 * 40) * 1.375, 1e-9);
    EXPECT_NEAR(std::stod(raw.Text("SELECT BMR FROM Settings WHERE ROWID = 3")),
                (66 + 13.75 * 60 + 5.0 * 190 - 6.76 * 50) * 1.9, 1e-9);
}

}  // namespace
