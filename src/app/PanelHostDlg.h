#pragma once

#include <map>

#include "platform/Dialog.h"

// Panel indices, in the order the panels are created.
constexpr int PANEL_DIARY = 0;
constexpr int PANEL_FOODS = 1;
constexpr int PANEL_STATS = 2;

// An empty child dialog laid over the main window's panel frame. It keeps the panels by index
// and shows exactly one at a time. It owns neither the panel objects nor their windows.
class CPanelHostDlg : public CDialog {
public:
    CPanelHostDlg(UINT templateId, CWnd* parent);

    // Registers the panel under the next index. Always TRUE.
    BOOL AddPanel(CWnd* panel);
    // Shows panel 0, if there is one; the others stay as they are.
    void ShowFirstPanel();
    void HideAllPanels();
    // Hides every panel, then shows the chosen one, even when it was visible already, so a
    // panel refreshes itself on every switch. FALSE, and nothing hidden, when no panel has the
    // index.
    BOOL ShowPanel(int index);

    // The index of the panel shown, or -1 when none is.
    int VisiblePanel() const;
    // The panel registered under the index, or null.
    CWnd* Panel(int index) const;
    int PanelCount() const { return m_nPanelCount; }

private:
    int m_nPanelCount;
    std::map<int, CWnd*> m_panels;
};
