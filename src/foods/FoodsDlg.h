#pragma once

#include <vector>

#include "foods/FoodLogBar.h"
#include "foods/FoodSearch.h"
#include "foods/FoodTable.h"
#include "foods/OwnFoods.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/Dc.h"

// The foods panel: finds foods in the foods file and among the user's own as the user types part
// of a description (three characters or more) and lists them with category, description,
// calories and amount, in the order chosen by four radio buttons; the user's own are marked. It
// only reads the foods file. Under the list, the food log bar logs the chosen food for today.
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

    // What the category column shows before the category of the user's own foods.
    static constexpr const char* kOwnFoodMarker = "\xE2\x98\x85 ";  // U+2605 BLACK STAR

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
    void AddListRow(int row, const ListedFood& listed);
    // The user's own foods found by the search text, told once a show when they cannot be read.
    std::vector<ListedFood> FindOwnFoods();

    // The listed food chosen in the list, or null.
    const ListedFood* ChosenFood() const;
    void OnChoiceChanged();
    void OnRowDoubleClicked();
    void OnAddOwnFood();
    void OnEditOwnFood();
    void EditOwnFood(const ListedFood* changed);

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

    FoodSort m_sort = FoodSort::None;
    std::vector<ListedFood> m_listed;  // the list's rows
    bool m_bOwnFailureTold = false;
    CFoodLogBar m_logBar;
};
