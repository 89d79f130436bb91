#include "stats/StatsDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/TestDriver.h"
#include "res/resource.h"
#include "stats/ChartPainter.h"
#include "stats/DiaryRows.h"
#include "support/TempDir.h"

namespace {

constexpr const char* kDiaryFile = "morvane.qeldb";
const DiaryRow kEntry{.date = "2010/03/03", .weight = 80.0, .bmr = 2400};

// The panel with its chart and state in reach.
class PanelUnderTest : public CStatsDlg {
public:
    CChartCtrl& Chart() { return m_chart; }
    CSliderCtrl& Slider() { return m_slider; }
    int ChartKind() const { return m_nChart; }
    const std::string& UnitSystem() const { return m_strUnitSystem; }
};

class StatsDlgTest : public TempDirTest {
protected:
    void TearDown() override { m_panel.reset(); }

    void OpenPanel(const std::vector<DiaryRow>& rows) {
        ASSERT_TRUE(WriteDiary(kDiaryFile, rows));
        m_panel = std::make_unique<PanelUnderTest>();
        ASSERT_TRUE(m_panel->Create(IDD_STATS));
        m_panel->ShowWindow(SW_SHOW);
    }
    void Reshow() {
        m_panel->ShowWindow(SW_HIDE);
        m_panel->ShowWindow(SW_SHOW);
    }
    void Click(int id) { TestDriver::Click(m_panel->GetDlgItem(id)); }
    std::string Title() { return m_panel->Chart().GetChartTitle(); }
    std::vector<std::string> SeriesNames() { return m_panel->Chart().GetSeriesNames(); }
    // Whether the track bar and its caption are shown.
    bool OverlayShown() const {
        const bool shown = m_panel->GetDlgItem(IDC_ACTIVITY_SLIDER)->IsWindowVisible() != FALSE;
        const std::string caption = m_panel->GetDlgItemText(IDC_ACTIVITY_CAPTION);
        EXPECT_EQ(caption, shown ? "Adjust Graph Activity Overlay" : "");
        return shown;
    }

    std::unique_ptr<PanelUnderTest> m_panel;
};

TEST_F(StatsDlgTest, FirstShowDrawsTheBodyMassIndexChartOverTheWholeFrame) {
    OpenPanel(DailyRows(21, 2010, 3, 1));
    EXPECT_EQ(m_panel->ChartKind(), 0);
    EXPECT_EQ(Title(), "Body Mass Index - Recent History");
    EXPECT_FALSE(OverlayShown());

    CRect frame;
    m_panel->Chart().GetWindowRect(&frame);
    m_panel->ScreenToClient(&frame);
    CImageDC image(frame.Width(), frame.Height());
    const ChartLayout layout =
        DrawChart(&image, m_panel->Chart(), CSize(frame.Width(), frame.Height()));
    const auto pixel = [&](CPoint at) {
        return TestDriver::GrabPixel(m_panel.get(), frame.left + at.x, frame.top + at.y);
    };
    EXPECT_EQ(pixel({1, 1}), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixel({frame.Width() - 2, frame.Height() - 2}), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixel(layout.series[0][0].centre), RGB(255, 0, 0));
    EXPECT_EQ(pixel({layout.rcLegend.left + 2, layout.rcLegend.bottom - 3}), RGB(255, 255, 255));
}

TEST_F(StatsDlgTest, ButtonsChooseTheChartAndOnlyTheWeightChartShowsTheOverlay) {
    OpenPanel(DailyRows(5, 2010, 3, 1));
    Click(IDC_WEIGHT_BUTTON);
    EXPECT_EQ(m_panel->ChartKind(), 2);
    EXPECT_TRUE(OverlayShown());
    EXPECT_EQ(Title(), "Weight Loss Chart - Actual & Predicted 2010-2011");
    Click(IDC_BMR_BUTTON);
    EXPECT_EQ(m_panel->ChartKind(), 1);
    EXPECT_EQ(Title(), "Basal Metabolic Rate - Recent History");
    EXPECT_FALSE(OverlayShown());
    Click(IDC_BMI_BUTTON);
    EXPECT_EQ(Title(), "Body Mass Index - Recent History");
    const TestDriver::Spoken chart = TestDriver::SpokenOf(&m_panel->Chart());
    EXPECT_EQ(chart.name, "Body Mass Index - Recent History");
    EXPECT_EQ(chart.description,
              "My BMI 22, Obese 30, Overweight 25, Normal 19 from 01/03 to 05/03");
}

TEST_F(StatsDlgTest, TheTrackBarMovedByMouseOrKeysRedrawsOnlyTheWeightChart) {
    OpenPanel({kEntry});
    Click(IDC_WEIGHT_BUTTON);
    TestDriver::DragSlider(&m_panel->Slider(), 2);
    EXPECT_EQ(SeriesNames().at(1), "1900 Cals Diet incl m.activity");
    // Tab reaches it from the buttons; a key moves it as the mouse does.
    CWnd* weightButton = m_panel->GetDlgItem(IDC_WEIGHT_BUTTON);
    weightButton->SetFocus();
    TestDriver::PressKey(weightButton, VK_TAB);
    ASSERT_EQ(TestDriver::Focused(weightButton), &m_panel->Slider());
    TestDriver::PressKey(&m_panel->Slider(), VK_RIGHT);
    EXPECT_EQ(SeriesNames().at(1), "1900 Cals Diet incl h.activity");

    Click(IDC_BMR_BUTTON);
    const std::vector<std::string> before = SeriesNames();
    TestDriver::DragSlider(&m_panel->Slider(), 3);
    EXPECT_EQ(m_panel->ChartKind(), 1);
    EXPECT_EQ(SeriesNames(), before);
}

TEST_F(StatsDlgTest, ShowingAgainRebuildsTheLastChartFromTheFileWithTheTrackBarAtZero) {
    OpenPanel({kEntry});
    Click(IDC_WEIGHT_BUTTON);
    TestDriver::DragSlider(&m_panel->Slider(), 4);
    Reshow();
    EXPECT_EQ(m_panel->Slider().GetPos(), 0);
    EXPECT_EQ(SeriesNames().at(1), "1900 Cals Diet ");

    Click(IDC_BMR_BUTTON);
    ASSERT_TRUE(WriteDiary(kDiaryFile, {{.date = "2010/03/04", .calories = 1700}}));
    Reshow();
    EXPECT_EQ(m_panel->ChartKind(), 1);
    EXPECT_EQ(m_panel->Chart().GetGroups().at(1)->GetName(), "04/03");
    EXPECT_EQ(m_panel->Chart().GetGroups().at(1)->GetValue(0), 1700u);
}

TEST_F(StatsDlgTest, TheWeightChartUsesTheUnitSystemOfTheDiary) {
    DiaryRow imperial = kEntry;
    imperial.format = "Imperial";
    OpenPanel({imperial});
    EXPECT_EQ(m_panel->UnitSystem(), "Imperial");
    Click(IDC_WEIGHT_BUTTON);
    EXPECT_EQ(m_panel->Chart().GetYAxisTitle(), "Weight in Stones");
}

TEST_F(StatsDlgTest, AnEmptyDiaryKeepsTheChartButHidesTheOverlay) {
    OpenPanel({});
    Click(IDC_WEIGHT_BUTTON);
    EXPECT_EQ(Title(), "Weight Loss Chart - Actual & Predicted ");
    Click(IDC_BMI_BUTTON);
    EXPECT_EQ(Title(), "Weight Loss Chart - Actual & Predicted ");
    EXPECT_FALSE(OverlayShown());
}

TEST_F(StatsDlgTest, EnterAndEscapeDoNothing) {
    OpenPanel(DailyRows(3, 2010, 3, 1));
    Click(IDC_BMR_BUTTON);
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        TestDriver::PressKey(m_panel->GetDlgItem(IDC_BMI_BUTTON), key);
        TestDriver::ProcessEvents();
        EXPECT_TRUE(m_panel->IsWindowVisible());
        EXPECT_EQ(m_panel->ChartKind(), 1);
    }
}

TEST_F(StatsDlgTest, TheDialogBackgroundIsHollowAndControlsKeepTheirColours) {
    OpenPanel({});
    CImageDC dc(4, 4);
    for (UINT kind = CTLCOLOR_MSGBOX; kind <= CTLCOLOR_STATIC + 1; ++kind) {
        const CBrush* brush = m_panel->OnCtlColor(&dc, m_panel.get(), kind);
        const bool hollow =
            kind == CTLCOLOR_DLG || kind == CTLCOLOR_LISTBOX || kind > CTLCOLOR_STATIC;
        EXPECT_EQ(brush != nullptr && brush->IsHollow(), hollow) << kind;
    }
}

}  // namespace
