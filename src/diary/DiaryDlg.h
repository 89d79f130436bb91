#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "diary/BodyMeasures.h"
#include "diary/DiaryBackups.h"
#include "diary/DiaryLogTotal.h"
#include "diary/DiaryOpening.h"
#include "diary/DiaryTable.h"
#include "diary/EntrySave.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/OleDateTime.h"

// The diary panel: shows one entry of the diary file at a time (name, age, gender, activity,
// calories, date, weight and height on two sliders in metric or imperial units), walks the
// entries, begins new ones and saves them. Row id 1 is the profile: its name, gender and unit
// system are edited only there and copied to every row on each save.
class CDiaryDlg : public CDialog {
public:
    // `startCheck` is the check of the diary made at start-up while the windows were built;
    // without one the panel checks the diary itself when it opens it.
    explicit CDiaryDlg(CWnd* parent = nullptr, std::optional<DiaryCheck> startCheck = std::nullopt);

    // Reloads the file and shows its newest entry, whether the panel is being shown or hidden.
    void OnShowWindow(BOOL show, UINT status) override;
    BOOL OnControlNotify(UINT code, int id) override;
    // Enter and Escape never press a button or close the panel.
    BOOL PreTranslateMessage(MSG* msg) override;

    // Copies the profile row's name, unit system and gender to every other row.
    bool PropagateProfile();
    // Lets go of the diary file, so that it can be replaced; the next show opens it again.
    void CloseDiaryFile();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Open for the whole life of the panel.
    CDiaryTable m_table;
    std::optional<DiaryCheck> m_startCheck;  // used by the first opening

    bool IsDiaryReady() const { return m_bDiaryOpen && m_table.m_open; }
    // Checks, backs up (at start-up) and opens or creates the diary; when that fails the user is
    // told why and the panel shows nothing it could save. False when it is not open.
    bool OpenDiaryFile(bool backUp);
    bool OfferRestore(const CDiaryBackups& backups, const std::string& reason);
    // Tells the user when a move or reload could not read the diary; returns `read`.
    bool TellIfUnread(bool read);

    void ShowCurrentEntry();
    void ShowFigures(bool show);
    void PrepareNewEntry();
    void EnableProfileControls(bool enable);
    bool IsImperialChecked() const;
    // Slider ranges, positions and texts in one unit system, from the measures held.
    void ApplyUnitSystem(bool metric);

    void OnFirst();
    void OnLast();
    void OnNext();
    void OnPrevious();
    // Drops a write left pending by a save that failed validation and makes the first entry
    // current; false when nothing was pending.
    bool AbandonPendingWrite();
    void CancelPendingWrite();
    // One step of ">" or "<"; when the step leaves the current entry unchanged, `wrap` instead.
    // False when a row could not be read.
    bool StepWithWrap(bool (CSqliteTable::*step)(), bool (CSqliteTable::*wrap)());

    void OnImperial();
    void OnMetric();
    void OnWeightSliderReleased();
    void OnHeightSliderReleased();

    void OnCreateNewEntry();
    void OnSave();
    void OnDatePicked();
    void OnUseLogTotal();
    // Starts the write a save needs, first dropping a pending write of the other kind so the
    // entry never lands on a row it was not meant for.
    void BeginWrite(bool newEntry);
    EntryForm FormFromControls();

    static const MessageMapEntry<CDiaryDlg> kMessageMap[];

    CStatic m_helpText;
    CEdit m_entryLabel;
    CEdit m_name;
    CEdit m_age;
    CStatic m_heightText;
    CSliderCtrl m_heightSlider;
    CEdit m_calories;
    CStatic m_weightText;
    CSliderCtrl m_weightSlider;

    COleDateTime m_date;
    bool m_bDiaryOpen = false;
    bool m_bFirstShowPending = false;
    bool m_bSettingHeightSlider = false;
    bool m_bSettingWeightSlider = false;
    CBodyMeasures m_measures;
    CDiaryLogTotal m_logTotal;
};
