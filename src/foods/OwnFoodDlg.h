#pragma once

#include "foods/OwnFoods.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"

// A food of the user's own: category, description, calories and amount. Opened empty to add one,
// or on one of the user's foods to change or delete it. SAVE (or Enter) checks what was typed and
// writes it; a check that fails or a write that fails is told and the dialog stays open.
class COwnFoodDlg : public CDialog {
public:
    // `changed` is the food to change, or null to add one.
    COwnFoodDlg(const char* diaryPath, const ListedFood* changed);

    BOOL OnControlNotify(UINT code, int id) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnDelete();
    void OnSave() { OnOK(); }
    void OnCancelButton() { OnCancel(); }

    static const MessageMapEntry<COwnFoodDlg> kMessageMap[];

    COwnFoods m_ownFoods;
    ListedFood m_changed;  // ownRowId 0 while adding
    CEdit m_category;
    CEdit m_description;
    CEdit m_calories;
    CEdit m_amount;
};
