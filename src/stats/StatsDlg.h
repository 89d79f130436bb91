#pragma once

#include <string>

#include "diary/DiaryTable.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/OleDateTime.h"
#include "stats/ChartCtrl.h"
#include "stats/ChartSource.h"

// The statistics panel: one of three charts of the diary at a time (body mass index, calories
// eaten against calories needed, weight loss with predicted diets), chosen by three buttons. A
// track bar with its caption adds exercise to the predicted diets and is shown only with the
// weight-loss chart. The panel re-reads the diary file whenever it is shown or hidden.
class CStatsDlg : public CDialog {
public:
    explicit CStatsDlg(CWnd* parent = nullptr);

    // Reopens the diary, puts the track bar back at 0 and rebuilds the chart last chosen.
    void OnShowWindow(BOOL show, UINT status) override;
    BOOL OnControlNotify(UINT code, int id) override;
    // Enter and Escape never press a button or close the panel.
    BOOL PreTranslateMessage(MSG* msg) override;
    // The panel's own background and list boxes are not painted, so the main window's picture
    // shows through.
    CBrush* OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) override;

    void BuildBmiChart();
    void BuildBmrChart();
    void BuildWeightChart();
    // Rebuilds the chart last chosen, then takes the unit system of the entry it ended on.
    void RefreshChart();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Tests reach the panel's state.
    CSliderCtrl m_slider;
    CChartCtrl m_chart;
    COleDateTime m_entryDate;      // the last entry date parsed by a chart builder
    COleDateTime m_lastEntryDate;  // the weight-loss window's newest date
    std::string m_strUnitSystem;   // seen at the last refresh; read by the weight-loss chart
    int m_nChart;                  // 0 body mass index, 1 calories, 2 weight loss
    CDiaryTable m_table;
    CBrush m_brHollow;
    ChartGroups m_chartGroups;

private:
    ChartSource Source();
    // Hides the track bar and blanks its caption (the body mass index and calorie charts).
    void HideOverlay();
    void OnSliderReleased();

    static const MessageMapEntry<CStatsDlg> kMessageMap[];
};
