#include "stats/StatsDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TestDriver.h"
#include "res/resource.h"
#include "stats/ChartPainter.h"
#include "stats/DiaryRows.h"
#include "support/TempDir.h"

namespace {

// The panel with its chart and track bar in reach.
class PanelUnderTest : public CStatsDlg {
public:
    CChartCtrl& Chart() { return m_chart; }
    CSliderCtrl& Slider() { return m_slider; }
};

class StatsDlgTest : public TempDirTest {
protected:
    void OpenPanel(const std::vector<DiaryRow>& rows) {
        ASSERT_TRUE(WriteDiary("morvane.qeldb", rows));
        ASSERT_TRUE(m_panel.Create(IDD_STATS));
        m_panel.ShowWindow(SW_SHOW);
    }
    void Click(int id) { TestDriver::Click(m_panel.GetDlgItem(id)); }
    std::string Title() { return m_panel.Chart().GetChartTitle(); }
    std::string FirstDiet() { return m_panel.Chart().GetSeriesNames().at(1); }
    // Whether the track bar is shown, and its caption.
    std::string Overlay() {
        return (m_panel.GetDlgItem(IDC_ACTIVITY_SLIDER)->IsWindowVisible() ? "shown " : "hidden ") +
               m_panel.GetDlgItemText(IDC_ACTIVITY_CAPTION);
    }

    PanelUnderTest m_panel;
};

// The body mass index chart comes first, drawn over the whole frame.
TEST_F(StatsDlgTest, ButtonsChooseTheChartAndOnlyTheWeightChartShowsTheOverlay) {
    OpenPanel(DailyRows(5, 2010, 3, 1));
    EXPECT_EQ(Title(), "Body Mass Index - Recent History");
    EXPECT_EQ(Overlay(), "hidden ");
    CRect frame;
    m_panel.Chart().GetWindowRect(&frame);
    m_panel.ScreenToClient(&frame);
    CImageDC image(frame.Width(), frame.Height());
    const ChartLayout layout = DrawChart(&image, m_panel.Chart(), {frame.Width(), frame.Height()});
    const CPoint marker = layout.series[0][4].centre;  // BMI 22, clear of the other markers
    EXPECT_EQ(TestDriver::GrabPixel(&m_panel, frame.left + marker.x, frame.top + marker.y),
              RGB(255, 0, 0));
    EXPECT_EQ(TestDriver::GrabPixel(&m_panel, frame.right - 2, frame.bottom - 2),
              GetSysColor(COLOR_BTNFACE));

    Click(IDC_WEIGHT_BUTTON);
    EXPECT_EQ(Overlay(), "shown Adjust Graph Activity Overlay");
    EXPECT_EQ(Title(), "Weight Loss Chart - Actual & Predicted 2010-2011");
    Click(IDC_BMR_BUTTON);
    EXPECT_EQ(Title(), "Basal Metabolic Rate - Recent History");
    EXPECT_EQ(Overlay(), "hidden ");
    Click(IDC_BMI_BUTTON);
    const TestDriver::Spoken chart = TestDriver::SpokenOf(&m_panel.Chart());
    EXPECT_EQ(chart.name, "Body Mass Index - Recent History");
    EXPECT_EQ(chart.description,
              "My BMI 22, Obese 30, Overweight 25, Normal 19 from 01/03 to 05/03");
}

// The track bar, moved by the mouse or by a key after Tab reached it from the buttons, redraws
// only the weight chart; each show reads the file afresh with the track bar at zero.
TEST_F(StatsDlgTest, TheTrackBarRedrawsOnlyTheWeightChartAndEachShowStartsItAtZero) {
    OpenPanel({{.date = "2010/03/03", .weight = 80, .bmr = 2400, .format = "Imperial"}});
    Click(IDC_WEIGHT_BUTTON);
    EXPECT_EQ(m_panel.Chart().GetYAxisTitle(), "Weight in Stones");  // the diary's unit system
    TestDriver::DragSlider(&m_panel.Slider(), 2);
    EXPECT_EQ(FirstDiet(), "1900 Cals Diet incl m.activity");
    CWnd* weightButton = m_panel.GetDlgItem(IDC_WEIGHT_BUTTON);
    weightButton->SetFocus();
    TestDriver::PressKey(weightButton, VK_TAB);
    TestDriver::PressKey(TestDriver::Focused(weightButton), VK_RIGHT);
    EXPECT_EQ(FirstDiet(), "1900 Cals Diet incl h.activity");
    Click(IDC_BMR_BUTTON);
    TestDriver::DragSlider(&m_panel.Slider(), 4);
    EXPECT_EQ(FirstDiet(), "My BMR");
    Click(IDC_WEIGHT_BUTTON);
    EXPECT_EQ(FirstDiet(), "1900 Cals Diet incl ex.activtiy");

    ASSERT_TRUE(WriteDiary("morvane.qeldb", {{.date = "2010/04/04", .weight = 70, .bmr = 2400}}));
    m_panel.ShowWindow(SW_HIDE);
    m_panel.ShowWindow(SW_SHOW);
    EXPECT_EQ(m_panel.Slider().GetPos(), 0);
    EXPECT_EQ(FirstDiet(), "1900 Cals Diet ");
    EXPECT_EQ(m_panel.Chart().GetGroups().at(1)->GetValue(0), 70u);
}

TEST_F(StatsDlgTest, AnEmptyDiaryKeepsTheChartButHidesTheOverlay) {
    OpenPanel({});
    Click(IDC_WEIGHT_BUTTON);
    Click(IDC_BMI_BUTTON);
    EXPECT_EQ(Title(), "Weight Loss Chart - Actual & Predicted ");
    EXPECT_EQ(Overlay(), "hidden ");
}

}  // namespace
