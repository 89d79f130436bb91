#include "platform/Accessibility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

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

// Each control takes its name from the text or group that labels it, also when the program sets
// the label's text; the label comes just before it in the tree.
TEST_F(AccessibilityTest, EachControlIsNamedByTheTextOrGroupThatLabelsIt) {
    m_stats.SetDlgItemText(IDC_ACTIVITY_CAPTION, "Adjust Graph Activity Overlay");
    const struct {
        CDialog* dialog;
        int id;
        const char* name;
    } controls[] = {
        {&m_diary, IDC_ENTRY_DATE, "Date"},
        {&m_diary, IDC_WEIGHT_SLIDER, "Set Weight"},
        {&m_diary, IDC_ENTRY_LABEL, ""},  // the help text beside it labels nothing
        {&m_foods, IDC_FOOD_SEARCH, "Enter Description of food"},
        {&m_stats, IDC_ACTIVITY_SLIDER, "Adjust Graph Activity Overlay"},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(TestDriver::SpokenOf(c.dialog->GetDlgItem(c.id)).name, c.name) << c.id;
    }
    const std::vector<TestDriver::Spoken> foods = TestDriver::SpokenControls(&m_foods);
    ASSERT_GE(foods.size(), 3u);
    EXPECT_EQ(foods[1].role + " " + foods[2].role, "StaticText EditableText");
}

// A screen reader hears of a help text when the program changes it, by the text it now shows,
// and once.
TEST_F(AccessibilityTest, ChangedTextsAreAnnounced) {
    const std::vector<std::string> heard = TestDriver::Announced([this] {
        m_diary.SetDlgItemText(IDC_HELP_TEXT, "Enter your age");
        m_diary.SetDlgItemText(IDC_HELP_TEXT, "Enter your age");
    });
    EXPECT_EQ(heard, std::vector<std::string>{"name Enter your age"});
}

// Tab, or Shift+Tab, into a radio group lands on its checked button, or its first while none is.
TEST_F(AccessibilityTest, TabIntoARadioGroupLandsOnItsCheckedButton) {
    m_diary.CheckDlgButton(IDC_FEMALE, BST_CHECKED);
    m_diary.CheckDlgButton(IDC_HARD_EXERCISE, BST_CHECKED);
    const struct {
        CWnd* from;
        bool back;
        CWnd* lands;
    } tabs[] = {
        {m_diary.GetDlgItem(IDC_AGE), false, m_diary.GetDlgItem(IDC_FEMALE)},
        {m_diary.GetDlgItem(IDC_CALORIES), true, m_diary.GetDlgItem(IDC_HARD_EXERCISE)},
        {m_foods.GetDlgItem(IDC_FOOD_SEARCH), false, m_foods.GetDlgItem(IDC_ADD_OWN_FOOD)},
        {m_foods.GetDlgItem(IDC_EDIT_OWN_FOOD), false, m_foods.GetDlgItem(IDC_SORT_NONE)},
    };
    for (const auto& tab : tabs) {
        tab.from->SetFocus();
        TestDriver::PressKey(tab.from, VK_TAB, false, tab.back);
        EXPECT_EQ(TestDriver::Focused(tab.from), tab.lands) << tab.from->GetDlgCtrlID();
    }
}

}  // namespace
