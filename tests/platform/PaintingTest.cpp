// How windows of the layer paint: erase then paint, dialog backgrounds from OnCtlColor, picture
// buttons and pictures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);

// A dialog with its own background brush (solid or hollow), logging its paint handlers.
class PaintedDialog : public CDialog {
public:
    PaintedDialog(UINT templateId, CWnd* parent, CBrush& brush)
        : CDialog(templateId, parent), m_brush(brush) {}

    BOOL OnEraseBkgnd(CDC* pDC) override {
        log.push_back("erase");
        return CDialog::OnEraseBkgnd(pDC);
    }
    void OnPaint() override {
        log.push_back("paint");
        CDialog::OnPaint();
    }
    CBrush* OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) override {
        CBrush* base = CDialog::OnCtlColor(pDC, pWnd, ctlColor);
        return ctlColor == CTLCOLOR_DLG ? &m_brush : base;
    }

    std::vector<std::string> log;

private:
    CBrush& m_brush;
};

class PaintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_green.CreateSolidBrush(kGreen);
        m_hollow.CreateStockObject(HOLLOW_BRUSH);
        ASSERT_TRUE(m_main.Create(IDD_MORVANE_DIALOG));
        ASSERT_TRUE(m_panel.Create(IDD_STATS, &m_main));
        m_panel.SetWindowPos(nullptr, 0, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_panel.ShowWindow(SW_SHOW);
    }

    CBrush m_green;
    CBrush m_hollow;
    PaintedDialog m_main{IDD_MORVANE_DIALOG, nullptr, m_green};
    PaintedDialog m_panel{IDD_STATS, &m_main, m_hollow};
};

// Every repaint erases then paints; a hollow panel shows the main window's background beneath,
// away from its controls.
TEST_F(PaintingTest, RepaintsEraseThenPaintAndHollowShowsWhatIsBeneath) {
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, 80, 20), kGreen);
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, 300, 100 + 350), kGreen);
    m_main.log.clear();
    m_main.InvalidateRect(nullptr, TRUE);
    TestDriver::GrabPixel(&m_main, 0, 0);
    EXPECT_EQ(m_main.log, (std::vector<std::string>{"erase", "paint"}));
}

TEST_F(PaintingTest, PictureButtonsShowTheirFaceAndPicturesTheirBitmap) {
    CBitmapButton diary;
    CDataExchange exchange(&m_main, FALSE);
    DDX_Control(&exchange, IDC_DIARY, diary);
    CRect button;
    diary.GetWindowRect(&button);
    m_main.ScreenToClient(&button);
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, button.left + 5, button.top + 5), kGreen);

    ASSERT_TRUE(diary.LoadBitmaps(IDB_DIARY_NORMAL, IDB_DIARY_PRESSED, IDB_DIARY_FOCUS));
    CBitmap face;
    ASSERT_TRUE(face.LoadBitmap(IDB_DIARY_NORMAL));
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, button.left + 40, button.top + 60),
              face.GetPixel(40, 60));
    CBitmap banner;
    ASSERT_TRUE(banner.LoadBitmap(IDB_BANNER));
    // The banner static sits at 119, 3 dialog units and takes the bitmap's size.
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, 179 + 380, 5 + 51), banner.GetPixel(380, 51));
}

}  // namespace
