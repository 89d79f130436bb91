#include "foods/FoodsDlg.h"

#include <filesystem>

#include "platform/DialogRules.h"
#include "platform/MessageBox.h"
#include "res/resource.h"
#include "store/DatabaseFile.h"
#include "store/FormatBuffer.h"

namespace {

struct ListColumn {
    const char* heading;
    int format;
    int width;  // pixels
};

constexpr ListColumn kListColumns[] = {
    {"Catergory", LVCFMT_LEFT, 120},
    {"Description", LVCFMT_LEFT, 300},
    {"Calories", LVCFMT_CENTER, 70},
    {"Amount", LVCFMT_LEFT, 70},
};

// Nothing labels the list of results.
constexpr SpokenName kSpokenNames[] = {{IDC_FOOD_LIST, "Foods found"}};

}  // namespace

const MessageMapEntry<CFoodsDlg> CFoodsDlg::kMessageMap[] = {
    {EN_CHANGE, IDC_FOOD_SEARCH, &CFoodsDlg::Search},
    {BN_CLICKED, IDC_SORT_CALORIES, &CFoodsDlg::OnSortByCalories},
    {BN_CLICKED, IDC_SORT_CATEGORY, &CFoodsDlg::OnSortByCategory},
    {BN_CLICKED, IDC_SORT_DESCRIPTION, &CFoodsDlg::OnSortByDescription},
    {BN_CLICKED, IDC_SORT_NONE, &CFoodsDlg::OnSortByNone},
};

CFoodsDlg::CFoodsDlg(CWnd* parent) : CDialog(IDD_FOODS, parent) {}

void CFoodsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FOOD_SEARCH, m_searchBox);
    DDX_Control(pDX, IDC_FOOD_LIST, m_resultList);
}

BOOL CFoodsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_brHollow.CreateStockObject(HOLLOW_BRUSH);
    int column = 0;
    for (const ListColumn& listColumn : kListColumns) {
        m_resultList.InsertColumn(column++, listColumn.heading, listColumn.format,
                                  listColumn.width);
    }
    // The amount says what the calories refer to: it takes all the width left, and a cell that
    // is still cut off shows its whole text as a tooltip.
    m_resultList.SetColumnWidth(column - 1, LVSCW_AUTOSIZE_USEHEADER);
    CheckDlgButton(IDC_SORT_NONE, BST_CHECKED);
    SetSpokenNames(*this, kSpokenNames);
    return TRUE;
}

void CFoodsDlg::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    // Each show tells again what is wrong, once; a search does not repeat it at every key.
    if (show) {
        m_bFailureTold = false;
    }
    ReopenFoodTable(show != FALSE);
}

BOOL CFoodsDlg::OnControlNotify(UINT code, int id) {
    return DispatchMessageMap(this, kMessageMap, code, id);
}

BOOL CFoodsDlg::PreTranslateMessage(MSG* msg) {
    NeutraliseEnterAndEscape(msg);
    return CDialog::PreTranslateMessage(msg);
}

CBrush* CFoodsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) {
    CBrush* baseBrush = CDialog::OnCtlColor(pDC, pWnd, ctlColor);
    return HollowBackgroundBrush(pDC, ctlColor, baseBrush, &m_brHollow);
}

bool CFoodsDlg::ReopenFoodTable(bool tellFailure) {
    m_foodTable.Close();
    if (m_foodTable.Open(kFoodsFile)) {
        m_bUsable = true;
        m_bFailureTold = false;
        return true;
    }
    if (tellFailure && !m_bFailureTold) {
        m_bFailureTold = true;
        std::error_code failure;
        const std::string path = database_file::FullPath(kFoodsFile);
        AfxMessageBox(std::filesystem::exists(path, failure)
                          ? std::string("The food table could not be read: ") +
                                m_foodTable.GetLastError() + "."
                          : "The food table is missing: " + path + " was not found.",
                      MB_OK);
    }
    return false;
}

void CFoodsDlg::Search() {
    if (ReopenFoodTable(true) && SearchFoods(m_foodTable, m_searchBox.GetWindowText())) {
        FillList();
    }
}

void CFoodsDlg::FillList() {
    m_resultList.DeleteAllItems();
    if (!m_bUsable || !m_foodTable.m_open || m_foodTable.m_recordCount == 0) {
        return;
    }
    m_foodTable.MoveFirst();
    for (int row = 0; !m_foodTable.IsEOF(); ++row) {
        AddListRow(row);
        if (!m_foodTable.MoveNext()) {
            break;
        }
    }
    m_resultList.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CFoodsDlg::AddListRow(int row) {
    m_resultList.InsertItem(row, TextOf(m_foodTable.m_strType));
    m_resultList.SetItemText(row, 1, TextOf(m_foodTable.m_strDescription));
    CByteBuffer calories;
    FormatBuffer(calories, "%i", m_foodTable.m_nCalories);
    m_resultList.SetItemText(row, 2, TextOf(calories));
    m_resultList.SetItemText(row, 3, TextOf(m_foodTable.m_strAmount));
}

void CFoodsDlg::SortBy(FoodSort sort) {
    m_foodTable.m_sort.AssignText(FoodSortText(sort));
    Search();
}

void CFoodsDlg::OnSortByNone() {
    SortBy(FoodSort::None);
}

void CFoodsDlg::OnSortByCalories() {
    SortBy(FoodSort::Calories);
}

void CFoodsDlg::OnSortByCategory() {
    SortBy(FoodSort::Category);
}

void CFoodsDlg::OnSortByDescription() {
    SortBy(FoodSort::Description);
}
