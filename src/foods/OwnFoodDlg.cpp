#include "foods/OwnFoodDlg.h"

#include <string>
#include <vector>

#include "foods/FoodLogTexts.h"
#include "platform/MessageBox.h"
#include "res/resource.h"

const MessageMapEntry<COwnFoodDlg> COwnFoodDlg::kMessageMap[] = {
    {BN_CLICKED, IDC_SAVE_OWN_FOOD, &COwnFoodDlg::OnSave},
    {BN_CLICKED, IDC_CANCEL_OWN_FOOD, &COwnFoodDlg::OnCancelButton},
    {BN_CLICKED, IDC_DELETE_OWN_FOOD, &COwnFoodDlg::OnDelete},
};

COwnFoodDlg::COwnFoodDlg(const char* diaryPath, const ListedFood* changed)
    : CDialog(IDD_OWN_FOOD), m_ownFoods(diaryPath) {
    if (changed != nullptr) {
        m_changed = *changed;
    }
}

void COwnFoodDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OWN_CATEGORY, m_category);
    DDX_Control(pDX, IDC_OWN_DESCRIPTION, m_description);
    DDX_Control(pDX, IDC_OWN_CALORIES, m_calories);
    DDX_Control(pDX, IDC_OWN_AMOUNT, m_amount);
}

BOOL COwnFoodDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_changed.IsOwn()) {
        SetWindowText("Change my own food");
        m_category.SetWindowText(m_changed.food.type);
        m_description.SetWindowText(m_changed.food.description);
        m_calories.SetWindowText(std::to_string(m_changed.food.calories));
        m_amount.SetWindowText(m_changed.food.amount);
        if (CWnd* remove = GetDlgItem(IDC_DELETE_OWN_FOOD)) {
            remove->ShowWindow(SW_SHOW);
        }
    }
    m_category.SetFocus();
    return TRUE;
}

BOOL COwnFoodDlg::OnControlNotify(UINT code, int id) {
    return DispatchMessageMap(this, kMessageMap, code, id);
}

void COwnFoodDlg::OnOK() {
    const OwnFoodForm form{m_category.GetWindowText(), m_description.GetWindowText(),
                           m_calories.GetWindowText(), m_amount.GetWindowText()};
    std::vector<ListedFood> own;
    if (!m_ownFoods.ReadAll(own)) {
        AfxMessageBox("Your own foods could not be read: " + m_ownFoods.LastError() + ".", MB_OK);
        return;
    }
    FoodRow food;
    const OwnFoodCheck check = CheckOwnFood(form, own, m_changed.ownRowId, food);
    if (check != OwnFoodCheck::Passed) {
        AfxMessageBox(OwnFoodMessage(check), MB_OK);
        return;
    }
    const bool written =
        m_changed.IsOwn() ? m_ownFoods.Change(m_changed.ownRowId, food) : m_ownFoods.Add(food);
    if (!written) {
        AfxMessageBox("Your food was not saved: " + m_ownFoods.LastError() + ".", MB_OK);
        return;
    }
    EndDialog(IDOK);
}

void COwnFoodDlg::OnDelete() {
    if (AfxMessageBox("Delete \"" + Shortened(m_changed.food.description, 60) +
                          "\" from your own foods? Foods logged already stay in the log.",
                      MB_YESNO) != IDYES) {
        return;
    }
    if (!m_ownFoods.Remove(m_changed.ownRowId)) {
        AfxMessageBox("Your food was not deleted: " + m_ownFoods.LastError() + ".", MB_OK);
        return;
    }
    EndDialog(IDOK);
}
