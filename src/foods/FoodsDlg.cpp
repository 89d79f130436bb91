#include "foods/FoodsDlg.h"

#include <filesystem>

#include "diary/DiaryTable.h"
#include "foods/OwnFoodDlg.h"
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
constexpr SpokenName kSpokenNames[] = {{IDC_FOOD_LIST, "Foods found"},
                                       {IDC_SERVINGS, "Servings"},
                                       {IDC_QUICK_KCAL, "Quick entry kcal"},
                                       {IDC_QUICK_NOTE, "Quick entry note"}};

}  // namespace

const MessageMapEntry<CFoodsDlg> CFoodsDlg::kMessageMap[] = {
    {EN_CHANGE, IDC_FOOD_SEARCH, &CFoodsDlg::Search},
    {BN_CLICKED, IDC_SORT_CALORIES, &CFoodsDlg::OnSortByCalories},
    {BN_CLICKED, IDC_SORT_CATEGORY, &CFoodsDlg::OnSortByCategory},
    {BN_CLICKED, IDC_SORT_DESCRIPTION, &CFoodsDlg::OnSortByDescription},
    {BN_CLICKED, IDC_SORT_NONE, &CFoodsDlg::OnSortByNone},
    {LVN_ITEMCHANGED, IDC_FOOD_LIST, &CFoodsDlg::OnChoiceChanged},
    {NM_DBLCLK, IDC_FOOD_LIST, &CFoodsDlg::OnRowDoubleClicked},
    {BN_CLICKED, IDC_ADD_OWN_FOOD, &CFoodsDlg::OnAddOwnFood},
    {BN_CLICKED, IDC_EDIT_OWN_FOOD, &CFoodsDlg::OnEditOwnFood},
};

CFoodsDlg::CFoodsDlg(CWnd* parent)
    : CDialog(IDD_FOODS, parent), m_logBar(*this, kDiaryFile, [this]() -> const FoodRow* {
          const ListedFood* chosen = ChosenFood();
          return chosen != nullptr ? &chosen->food : nullptr;
      }) {}

void CFoodsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FOOD_SEARCH, m_searchBox);
    DDX_Control(pDX, IDC_FOOD_LIST, m_resultList);
    m_logBar.DoDataExchange(pDX);
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
    m_logBar.OnInitDialog();
    OnChoiceChanged();
    return TRUE;
}

void CFoodsDlg::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    // Each show tells again what is wrong, once; a search does not repeat it at every key.
    if (show) {
        m_bFailureTold = false;
        m_bOwnFailureTold = false;
    }
    ReopenFoodTable(show != FALSE);
    if (show) {
        m_logBar.Refresh();
    }
}

BOOL CFoodsDlg::OnControlNotify(UINT code, int id) {
    return m_logBar.OnControlNotify(code, id) || DispatchMessageMap(this, kMessageMap, code, id);
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
    std::vector<ListedFood> shipped;
    if (m_bUsable && m_foodTable.m_open && m_foodTable.m_recordCount > 0) {
        m_foodTable.MoveFirst();
        while (!m_foodTable.IsEOF()) {
            shipped.push_back({m_foodTable.LoadedFood(), 0});
            if (!m_foodTable.MoveNext()) {
                break;
            }
        }
    }
    m_listed = MergedBySort(FindOwnFoods(), shipped, m_sort);
    for (int row = 0; row < static_cast<int>(m_listed.size()); ++row) {
        AddListRow(row, m_listed[row]);
    }
    if (!m_listed.empty()) {
        m_resultList.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    OnChoiceChanged();
}

std::vector<ListedFood> CFoodsDlg::FindOwnFoods() {
    COwnFoods ownFoods(kDiaryFile);
    std::vector<ListedFood> found;
    if (!ownFoods.Search(m_searchBox.GetWindowText(), m_sort, found) && !m_bOwnFailureTold) {
        m_bOwnFailureTold = true;
        AfxMessageBox("Your own foods could not be read: " + ownFoods.LastError() + ".", MB_OK);
    }
    return found;
}

void CFoodsDlg::AddListRow(int row, const ListedFood& listed) {
    const FoodRow& food = listed.food;
    m_resultList.InsertItem(row, listed.IsOwn() ? kOwnFoodMarker + food.type : food.type);
    m_resultList.SetItemText(row, 1, food.description);
    CByteBuffer calories;
    FormatBuffer(calories, "%i", food.calories);
    m_resultList.SetItemText(row, 2, TextOf(calories));
    m_resultList.SetItemText(row, 3, food.amount);
}

const ListedFood* CFoodsDlg::ChosenFood() const {
    const int item = m_resultList.GetNextItem(-1, LVNI_SELECTED);
    return item >= 0 && item < static_cast<int>(m_listed.size()) ? &m_listed[item] : nullptr;
}

void CFoodsDlg::OnChoiceChanged() {
    const ListedFood* chosen = ChosenFood();
    if (CWnd* edit = GetDlgItem(IDC_EDIT_OWN_FOOD)) {
        edit->EnableWindow(chosen != nullptr && chosen->IsOwn() ? TRUE : FALSE);
    }
}

void CFoodsDlg::OnRowDoubleClicked() {
    if (const ListedFood* chosen = ChosenFood()) {
        m_logBar.LogFood(chosen->food, true);
    }
}

void CFoodsDlg::OnAddOwnFood() {
    EditOwnFood(nullptr);
}

void CFoodsDlg::OnEditOwnFood() {
    const ListedFood* chosen = ChosenFood();
    if (chosen != nullptr && chosen->IsOwn()) {
        EditOwnFood(chosen);
    }
}

// A changed own food shows at once where the search finds it.
void CFoodsDlg::EditOwnFood(const ListedFood* changed) {
    COwnFoodDlg dialog(kDiaryFile, changed);
    if (dialog.DoModal() == IDOK) {
        Search();
    }
}

void CFoodsDlg::SortBy(FoodSort sort) {
    m_sort = sort;
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
