// How windows of the layer paint: erase then paint, dialog backgrounds from OnCtlColor, controls
// that draw themselves, picture buttons and pictures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/DialogFont.h"
#include "platform/TestDriver.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kPurple = RGB(120, 0, 120);

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

// A static that draws everything itself in its erase handler, as the chart does.
class SelfDrawnStatic : public CStatic {
public:
    BOOL OnEraseBkgnd(CDC* pDC) override {
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, kPurple);
        pDC->GetCurrentFont()->GetLogFont(&deviceFont);
        return CStatic::OnEraseBkgnd(pDC);
    }

    LOGFONT deviceFont;
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

TEST_F(PaintingTest, EveryRepaintErasesThenPaints) {
    TestDriver::GrabPixel(&m_main, 0, 0);
    m_main.log.clear();
    m_main.InvalidateRect(nullptr, TRUE);
    TestDriver::GrabPixel(&m_main, 0, 0);
    EXPECT_EQ(m_main.log, (std::vector<std::string>{"erase", "paint"}));
}

TEST_F(PaintingTest, DialogBackgroundComesFromOnCtlColorAndHollowShowsWhatIsBeneath) {
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, 80, 20), kGreen);
    // Inside the hollow panel, away from its controls: the main window's green.
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, 300, 100 + 350), kGreen);
    EXPECT_FALSE(m_panel.log.empty());
}

TEST_F(PaintingTest, FrameStaticDrawsBlackUnlessItDrawsItself) {
    CRect frame;
    m_panel.GetDlgItem(IDC_CHART)->GetWindowRect(&frame);
    m_main.ScreenToClient(&frame);
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, frame.left, frame.top + 50), kBlack);
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, frame.left + 50, frame.top + 50), kGreen);

    SelfDrawnStatic chart;
    CDataExchange exchange(&m_panel, FALSE);
    DDX_Control(&exchange, IDC_CHART, chart);
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, frame.left, frame.top + 50), kPurple);
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, frame.left + 50, frame.top + 50), kPurple);
    // Its device context starts with the dialog font.
    EXPECT_EQ(DialogFontName().rfind(chart.deviceFont.lfFaceName + " ", 0), 0u);
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
    for (const CPoint& at : {CPoint(5, 5), CPoint(40, 60), CPoint(78, 98)}) {
        EXPECT_EQ(TestDriver::GrabPixel(&m_main, button.left + at.x, button.top + at.y),
                  face.GetPixel(at.x, at.y));
    }

    CBitmap banner;
    ASSERT_TRUE(banner.LoadBitmap(IDB_BANNER));
    // The banner static sits at 119, 3 dialog units and takes the bitmap's size.
    EXPECT_EQ(TestDriver::GrabPixel(&m_main, 179 + 380, 5 + 51), banner.GetPixel(380, 51));
}

}  // namespace
