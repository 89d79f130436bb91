// Texts pass through the windows unchanged, whatever bytes they hold.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Dc.h"
#include "res/resource.h"

namespace {

class TextTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_diary.Create(IDD_DIARY)); }

    // Every kind of window that shows a text: caption, static, edit, radio and push button.
    std::vector<CWnd*> TextWindows() {
        return {&m_diary, m_diary.GetDlgItem(IDC_HELP_TEXT), m_diary.GetDlgItem(IDC_NAME),
                m_diary.GetDlgItem(IDC_MALE), m_diary.GetDlgItem(IDC_SAVE)};
    }

    CDialog m_diary{IDD_DIARY};
};

TEST_F(TextTest, AnyBytesRoundTrip) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::string texts[] = {
        "Caf\xC3\xA9 \xF0\x9F\x8D\x8E",            // UTF-8 with an emoji
        "Caf\xE9 \xFF\xFE",                        // Latin-1 bytes, not UTF-8
        "\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80",  // overlong, surrogate, past U+10FFFF
        "\xE2\x82",                                // cut short
        "\xF0\x9F\x8D\x8E\x80",                    // an emoji, then a stray continuation byte
        everyByte,
        std::string(100000, 'x') + "\xF0\x9F\x8D\x8E",
    };
    for (CWnd* window : TextWindows()) {
        for (const std::string& text : texts) {
            window->SetWindowText(text);
            EXPECT_EQ(window->GetWindowText(), text) << "in control " << window->GetDlgCtrlID();
        }
    }
}

TEST_F(TextTest, ValidUtf8IsReadAsCharacters) {
    CImageDC dc(10, 10);
    // One character drawn is narrower than the two its bytes would make as Latin-1.
    EXPECT_LT(dc.GetTextExtent("\xC3\xA9").cx, dc.GetTextExtent("\xC3\x83\xC2\xA9").cx);
}

TEST_F(TextTest, DialogItemTextsGoToTheirControls) {
    m_diary.SetDlgItemText(IDC_WEIGHT_TEXT, "11 stone 0 lb");
    EXPECT_EQ(m_diary.GetDlgItem(IDC_WEIGHT_TEXT)->GetWindowText(), "11 stone 0 lb");
    EXPECT_EQ(m_diary.GetDlgItemText(IDC_SAVE), "SAVE");
    EXPECT_EQ(m_diary.GetDlgItemText(IDC_IMPERIAL), "Display weights and measures as Imperial ");
    EXPECT_EQ(m_diary.GetDlgItemText(12345), "");
}

}  // namespace
