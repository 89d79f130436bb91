#include "stats/StatsDlg.h"

#include "diary/EntrySave.h"
#include "store/DatabaseFile.h"
#include "platform/DialogRules.h"
#include "platform/MessageBox.h"
#include "res/resource.h"
#include "stats/RecentHistoryChart.h"
#include "stats/WeightLossChart.h"

namespace {

constexpr int kOverlayPositions = 5;  // track bar positions 0 to 4

enum ChartKind { kBmiChart = 0, kBmrChart = 1, kWeightChart = 2 };

}  // namespace

const MessageMapEntry<CStatsDlg> CStatsDlg::kMessageMap[] = {
    {BN_CLICKED, IDC_BMI_BUTTON, &CStatsDlg::BuildBmiChart},
    {BN_CLICKED, IDC_BMR_BUTTON, &CStatsDlg::BuildBmrChart},
    {BN_CLICKED, IDC_WEIGHT_BUTTON, &CStatsDlg::BuildWeightChart},
    {NM_RELEASEDCAPTURE, IDC_ACTIVITY_SLIDER, &CStatsDlg::OnSliderReleased},
};

CStatsDlg::CStatsDlg(CWnd* parent)
    : CDialog(IDD_STATS, parent),
      m_entryDate(COleDateTime::GetCurrentTime()),
      m_strUnitSystem("Metric"),
      m_nChart(kBmiChart) {}

BOOL CStatsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_brHollow.CreateStockObject(NULL_BRUSH);
    return TRUE;
}

void CStatsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ACTIVITY_SLIDER, m_slider);
    DDX_Control(pDX, IDC_CHART, m_chart);
}

BOOL CStatsDlg::OnControlNotify(UINT code, int id) {
    return DispatchMessageMap(this, kMessageMap, code, id);
}

BOOL CStatsDlg::PreTranslateMessage(MSG* msg) {
    NeutraliseEnterAndEscape(msg);
    return CDialog::PreTranslateMessage(msg);
}

CBrush* CStatsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) {
    return HollowBackgroundBrush(pDC, ctlColor, CDialog::OnCtlColor(pDC, pWnd, ctlColor),
                                 &m_brHollow);
}

// On hide and show alike: the table is open after every show and closed after every hide, so
// each show reads the file afresh. The charts of a diary that cannot be opened are empty.
void CStatsDlg::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    m_table.Close();
    if (show && !m_table.Open(kDiaryFile)) {
        AfxMessageBox("The diary " + database_file::FullPath(kDiaryFile) + " could not be opened: " +
                          FailureReason(m_table) + ".",
                      MB_OK);
    }
    m_slider.SetRangeMin(0, FALSE);
    m_slider.SetRangeMax(kOverlayPositions - 1, FALSE);
    m_slider.SetTicFreq(1);
    m_slider.SetPos(0);
    RefreshChart();
}

void CStatsDlg::RefreshChart() {
    switch (m_nChart) {
        case kBmrChart:
            BuildBmrChart();
            break;
        case kWeightChart:
            BuildWeightChart();
            break;
        default:
            BuildBmiChart();
            break;
    }
    const char* format = m_table.m_strFormat.GetText();
    m_strUnitSystem = format != nullptr ? format : "";
}

ChartSource CStatsDlg::Source() {
    return {m_table, m_chart, m_chartGroups, m_entryDate, m_lastEntryDate};
}

void CStatsDlg::HideOverlay() {
    m_slider.ModifyStyle(WS_VISIBLE, 0, SWP_NOSIZE);
    InvalidateRect(nullptr, TRUE);
    SetDlgItemText(IDC_ACTIVITY_CAPTION, "");
}

void CStatsDlg::BuildBmiChart() {
    HideOverlay();
    m_nChart = kBmiChart;
    if (CRecentHistoryChart(Source()).BuildBmi()) {
        m_chart.Redraw();
    }
}

void CStatsDlg::BuildBmrChart() {
    HideOverlay();
    m_nChart = kBmrChart;
    if (CRecentHistoryChart(Source()).BuildBmr()) {
        m_chart.Redraw();
    }
}

void CStatsDlg::BuildWeightChart() {
    m_slider.ModifyStyle(0, WS_VISIBLE, SWP_FRAMECHANGED);
    InvalidateRect(nullptr, TRUE);
    SetDlgItemText(IDC_ACTIVITY_CAPTION, "Adjust Graph Activity Overlay");
    m_nChart = kWeightChart;
    CWeightLossChart(Source(), m_strUnitSystem, m_slider.GetPos()).Build();
    m_chart.Redraw();
}

void CStatsDlg::OnSliderReleased() {
    if (m_nChart == kWeightChart) {
        BuildWeightChart();
    }
}
