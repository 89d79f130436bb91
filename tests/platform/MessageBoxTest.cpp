#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "res/resource.h"

namespace {

struct Shown {
    std::string text;
    std::string caption;
    UINT type;
};

// Answers every message box with `answer` and keeps what was shown.
class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxHook([this](const std::string& text, const std::string& caption, UINT type) {
            m_shown.push_back({text, caption, type});
            return m_answer;
        });
    }
    void TearDown() override { SetMessageBoxHook(nullptr); }

    std::vector<Shown> m_shown;
    int m_answer = IDOK;
};

TEST_F(MessageBoxTest, QuestionsAndNoticesCarryTheProgramsName) {
    m_answer = IDNO;
    EXPECT_EQ(AfxMessageBox("Are you sure you wish to save this record?", MB_YESNO), IDNO);
    m_answer = IDOK;
    EXPECT_EQ(AfxMessageBox("Check Name Field"), IDOK);
    ASSERT_EQ(m_shown.size(), 2u);
    EXPECT_EQ(m_shown[0].text, "Are you sure you wish to save this record?");
    EXPECT_EQ(m_shown[0].caption, "Morvane");
    EXPECT_EQ(m_shown[0].type, MB_YESNO);
    EXPECT_EQ(m_shown[1].type, MB_OK);
}

TEST_F(MessageBoxTest, WindowMessageBoxesKeepTheirCaption) {
    CDialog diary(IDD_DIARY);
    ASSERT_TRUE(diary.Create(IDD_DIARY));
    m_answer = IDYES;
    EXPECT_EQ(diary.MessageBox("Save?", "Diary", MB_YESNO | MB_ICONEXCLAMATION), IDYES);
    EXPECT_EQ(diary.MessageBox("Saved"), IDYES);
    ASSERT_EQ(m_shown.size(), 2u);
    EXPECT_EQ(m_shown[0].caption, "Diary");
    EXPECT_EQ(m_shown[0].type, MB_YESNO | MB_ICONEXCLAMATION);
    EXPECT_EQ(m_shown[1].caption, "Morvane");
}

}  // namespace
