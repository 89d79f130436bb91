// Texts pass through the windows unchanged, whatever bytes they hold.

#include <gtest/gtest.h>

#include <string>

#include "platform/Dc.h"
#include "platform/Dialog.h"
#include "res/resource.h"

namespace {

// Every kind of window that shows a text: caption, static, edit, radio and push button.
TEST(TextTest, AnyBytesRoundTripThroughEveryKindOfWindow) {
    CDialog diary(IDD_DIARY);
    ASSERT_TRUE(diary.Create(IDD_DIARY));
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::string texts[] = {
        "Caf\xC3\xA9 \xF0\x9F\x8D\x8E",            // UTF-8 with an emoji
        "\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80",  // overlong, surrogate, past U+10FFFF
        "\xF0\x9F\x8D\x8E\x80\xE2\x82",            // a stray continuation byte, then cut short
        everyByte,
    };
    for (CWnd* window :
         {static_cast<CWnd*>(&diary), diary.GetDlgItem(IDC_HELP_TEXT), diary.GetDlgItem(IDC_NAME),
          diary.GetDlgItem(IDC_MALE), diary.GetDlgItem(IDC_SAVE)}) {
        for (const std::string& text : texts) {
            window->SetWindowText(text);
            EXPECT_EQ(window->GetWindowText(), text) << "in control " << window->GetDlgCtrlID();
        }
    }
    // One character drawn is narrower than the two its bytes would make as Latin-1.
    CImageDC dc(10, 10);
    EXPECT_LT(dc.GetTextExtent("\xC3\xA9").cx, dc.GetTextExtent("\xC3\x83\xC2\xA9").cx);
}

}  // namespace
