#pragma once

#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/Dc.h"

// The foods panel: finds foods in the foods file as the user types part of a description (three
// characters or more) and lists them with category, description, calories and amount, in the
// order chosen by four radio buttons. It only reads the file; nothing reacts to the list.
class CFoodsDlg : public CDialog {
public:
    explicit CFoodsDlg(CWnd* parent = nullptr);
    ~CFoodsDlg() override = default;

    // Reopens the foods file, whether the panel is being shown or hidden; the list stays.
    void OnShowWindow(BOOL show, UINT status) override;
    BOOL OnControlNotify(UINT code, int id) override;
    // Enter and Escape never press a button or close the panel.
    BOOL PreTranslateMessage(MSG* msg) override;
    // The panel's own background stays unpainted; controls keep the desktop's colours.
    CBrush* OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) override;

    CListCtrl& ResultList() { return m_resultList; }
    CEdit& SearchBox() { return m_searchBox; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Opens the foods file afresh, which requeries with the filter and sort in force. A missing
    // file is never created (the launcher puts the shipped one in place). A failure is told once
    // when asked, until the next show or success.
    bool ReopenFoodTable(bool tellFailure);
    void Search();
    void FillList();
    void AddListRow(int row);

    void SortBy(FoodSort sort);
    void OnSortByNone();
    void OnSortByCalories();
    void OnSortByCategory();
    void OnSortByDescription();

    static const MessageMapEntry<CFoodsDlg> kMessageMap[];

    CEdit m_searchBox;
    CListCtrl m_resultList;
    CFoodTable m_foodTable;
    bool m_bUsable = false;  // set by the first successful opening, never cleared
    bool m_bFailureTold = false;
    CBrush m_brHollow;
};
