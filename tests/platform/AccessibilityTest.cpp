#include "platform/Accessibility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

using TestDriver::SpokenOf;

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (CDialog* dialog : {&m_diary, &m_foods, &m_stats}) {
            ASSERT_TRUE(dialog->Create(dialog->TemplateId()));
            dialog->ShowWindow(SW_SHOW);
        }
    }

    CDialog m_diary{IDD_DIARY};
    CDialog m_foods{IDD_FOODS};
    CDialog m_stats{IDD_STATS};
};

// Each control takes its name from the text or group that labels it; the label comes just before
// it in the tree.
TEST_F(AccessibilityTest, EachControlIsNamedByTheTextOrGroupThatLabelsIt) {
    m_stats.SetDlgItemText(IDC_ACTIVITY_CAPTION, "Adjust Graph Activity Overlay");
    const struct {
        CDialog* dialog;
        int id;
        const char* name;
    } controls[] = {
        {&m_diary, IDC_NAME, "Name"},
        {&m_diary, IDC_AGE, "Age"},
        {&m_diary, IDC_ENTRY_DATE, "Date"},
        {&m_diary, IDC_CALORIES, "Todays Calory Intake"},
        {&m_diary, IDC_WEIGHT_SLIDER, "Set Weight"},
        {&m_diary, IDC_HEIGHT_SLIDER, "Set Height"},
        {&m_diary, IDC_ENTRY_LABEL, ""},  // the help text beside it labels nothing
        {&m_foods, IDC_FOOD_SEARCH, "Enter Description of food"},
        {&m_stats, IDC_ACTIVITY_SLIDER, "Adjust Graph Activity Overlay"},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(SpokenOf(c.dialog->GetDlgItem(c.id)).name, c.name) << c.id;
    }
    const std::vector<TestDriver::Spoken> foods = TestDriver::SpokenControls(&m_foods);
    ASSERT_GE(foods.size(), 3u);
    EXPECT_EQ(foods[1].role + " " + foods[2].role, "StaticText EditableText");
}

// Tab, or Shift+Tab, into a radio group lands on its checked button (its first while none is),
// where Space cannot change the choice.
TEST_F(AccessibilityTest, TabIntoARadioGroupLandsOnItsCheckedButton) {
    m_diary.CheckDlgButton(IDC_FEMALE, BST_CHECKED);
    m_diary.CheckDlgButton(IDC_HARD_EXERCISE, BST_CHECKED);
    const struct {
        CDialog* dialog;
        int from;
        bool back;
        int lands;
    } tabs[] = {{&m_diary, IDC_AGE, false, IDC_FEMALE},
                {&m_diary, IDC_CALORIES, true, IDC_HARD_EXERCISE},
                {&m_diary, IDC_CALORIES, false, IDC_IMPERIAL},
                {&m_foods, IDC_FOOD_SEARCH, false, IDC_SORT_NONE}};
    for (const auto& tab : tabs) {
        CWnd* from = tab.dialog->GetDlgItem(tab.from);
        from->SetFocus();
        TestDriver::PressKey(from, VK_TAB, false, tab.back);
        EXPECT_EQ(TestDriver::Focused(from), tab.dialog->GetDlgItem(tab.lands)) << tab.from;
    }
}

}  // namespace
