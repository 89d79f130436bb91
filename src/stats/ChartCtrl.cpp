#include "stats/ChartCtrl.h"

#include "stats/ChartPainter.h"
#include "stats/ChartText.h"

void CChartCtrl::Redraw() {
    SetAccessibleName(GetChartTitle());
    SetAccessibleDescription(DescribeChart(*this));
    InvalidateRect(nullptr, TRUE);
}

BOOL CChartCtrl::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    DrawChart(pDC, *this, CSize(client.Width(), client.Height()));
    return CStatic::OnEraseBkgnd(pDC);
}
