#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "res/resource.h"

namespace {

// What the hook is shown reaches it unchanged, its answer comes back, and the caption is the
// program's name unless the window gives its own.
TEST(MessageBoxTest, TextCaptionTypeAndAnswerPassThroughTheHook) {
    std::vector<std::string> shown;
    int answer = IDNO;
    SetMessageBoxHook([&](const std::string& text, const std::string& caption, UINT type) {
        shown.push_back(text + "|" + caption + "|" + std::to_string(type));
        return answer++;
    });
    CDialog diary(IDD_DIARY);
    ASSERT_TRUE(diary.Create(IDD_DIARY));
    EXPECT_EQ(AfxMessageBox("Save this record?", MB_YESNO), IDNO);
    EXPECT_EQ(diary.MessageBox("Save?", "Diary", MB_YESNO | MB_ICONEXCLAMATION), IDNO + 1);
    diary.MessageBox("Saved");
    SetMessageBoxHook(nullptr);
    const std::vector<std::string> expected{
        "Save this record?|Morvane|" + std::to_string(MB_YESNO),
        "Save?|Diary|" + std::to_string(MB_YESNO | MB_ICONEXCLAMATION),
        "Saved|Morvane|" + std::to_string(MB_OK)};
    EXPECT_EQ(shown, expected);
}

}  // namespace
