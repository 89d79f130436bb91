#include "foods/FoodLogDayDlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

using ::testing::ElementsAre;

namespace {

constexpr const char* kDiary = "morvane.qeldb";

class FoodLogDayDlgTest : public TempDirTest {};

std::vector<std::string> Rows(CFoodLogDayDlg& dialog) {
    std::vector<std::string> rows;
    CListCtrl& lines = dialog.Lines();
    for (int item = 0; item < lines.GetItemCount(); ++item) {
        rows.push_back(lines.GetItemText(item, 0) + "|" + lines.GetItemText(item, 1) + "|" +
                       lines.GetItemText(item, 2) + "|" + lines.GetItemText(item, 3));
    }
    return rows;
}

TEST_F(FoodLogDayDlgTest, ListsTheDayRemovesTheChosenLineAndShowsOtherDays) {
    RawConnection(kDiary).Exec("CREATE TABLE [Settings] ([Name] TEXT)");
    CFoodLog log(kDiary);
    const COleDateTime day(2024, 5, 2, 9, 0, 0);
    ASSERT_TRUE(log.Log(day, {"Cereals", "Porridge oats", 120, "40 g"}, 1.5));
    ASSERT_TRUE(log.Log(day, {"Fruit", "Banana", 95, "1 medium"}, 1.0));
    ASSERT_TRUE(log.Log(day, {"Drinks", "Latte", 1130, "1 bucket"}, 1.0));
    ASSERT_TRUE(log.Log(day - COleDateTimeSpan(1.0), {"Pies", "Pork pie", 376, "1 pie"}, 0.5));

    CFoodLogDayDlg dialog(kDiary, day);
    TestDriver::WhenModalRuns([&dialog](CDialog&) {
        EXPECT_THAT(Rows(dialog), ElementsAre("Porridge oats|40 g|1.5|180", "Banana|1 medium|1|95",
                                              "Latte|1 bucket|1|1\xE2\x80\x89" "130"));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_LOG_DAY_TOTAL),
                  "Total: 1\xE2\x80\x89" "405 kcal in 3 foods");
        dialog.Lines().SetItemState(0, 0, LVIS_SELECTED);
        dialog.Lines().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        TestDriver::Click(dialog.GetDlgItem(IDC_REMOVE_LINE));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_LOG_DAY_TOTAL),
                  "Total: 1\xE2\x80\x89" "310 kcal in 2 foods");

        TestDriver::PickDate(dialog.GetDlgItem(IDC_LOG_DATE), 2024, 5, 1);
        EXPECT_THAT(Rows(dialog), ElementsAre("Pork pie|1 pie|0.5|188"));
        TestDriver::Click(dialog.GetDlgItem(IDC_CLOSE_LOG));
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    std::vector<LoggedFood> lines;
    ASSERT_TRUE(log.ReadDay(day, lines));
    EXPECT_EQ(lines.size(), 2u);
}

}  // namespace
