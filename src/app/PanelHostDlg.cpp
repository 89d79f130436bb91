#include "app/PanelHostDlg.h"

CPanelHostDlg::CPanelHostDlg(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), m_nPanelCount(0) {}

BOOL CPanelHostDlg::AddPanel(CWnd* panel) {
    m_panels[m_nPanelCount] = panel;
    ++m_nPanelCount;
    return TRUE;
}

void CPanelHostDlg::ShowFirstPanel() {
    if (CWnd* first = Panel(0)) {
        first->ShowWindow(SW_SHOW);
    }
}

void CPanelHostDlg::HideAllPanels() {
    for (int index = 0; index < m_nPanelCount; ++index) {
        if (CWnd* panel = Panel(index)) {
            panel->ShowWindow(SW_HIDE);
        }
    }
}

BOOL CPanelHostDlg::ShowPanel(int index) {
    if (index > m_nPanelCount) {
        return FALSE;
    }
    CWnd* chosen = Panel(index);
    if (chosen == nullptr) {
        return FALSE;
    }
    HideAllPanels();
    chosen->ShowWindow(SW_SHOW);
    return TRUE;
}

int CPanelHostDlg::VisiblePanel() const {
    for (int index = 0; index < m_nPanelCount; ++index) {
        const CWnd* panel = Panel(index);
        if (panel != nullptr && panel->IsWindowVisible()) {
            return index;
        }
    }
    return -1;
}

CWnd* CPanelHostDlg::Panel(int index) const {
    const auto found = m_panels.find(index);
    return found != m_panels.end() ? found->second : nullptr;
}
