#include "stats/ChartCtrl.h"

#include "stats/ChartPainter.h"

BOOL CChartCtrl::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    DrawChart(pDC, *this, CSize(client.Width(), client.Height()));
    return CStatic::OnEraseBkgnd(pDC);
}
