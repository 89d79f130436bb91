#include "diary/EntrySave.h"

#include <gtest/gtest.h>

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
        EntryForm form;
        form.name = name;
        form.calories = calories;
        form.age = age;
        form.activity = 2;
        form.date = COleDateTime(2010, 3, 7, 18, 30, 0);
        return form;
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
    EXPECT_EQ(RawConnection(kDiaryFile).Text("SELECT Date FROM Settings WHERE ROWID = 2"),
              "2010/03/07");
}

}  // namespace
