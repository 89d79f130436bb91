#include "diary/DiaryDlg.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "diary/DiaryOpening.h"
#include "diary/EntryFigures.h"
#include "diary/EntrySave.h"
#include "platform/DialogRules.h"
#include "platform/MessageBox.h"
#include "res/resource.h"
#include "store/DatabaseFile.h"
#include "store/FormatBuffer.h"

namespace {

constexpr const char* kImperial = CBodyMeasures::kImperial;
constexpr const char* kMetric = CBodyMeasures::kMetric;

constexpr const char* kFirstEntryHelp =
    "This is your first diary entry. Ensure you have filled in all the fields correctly and saved "
    "any changes.";
constexpr const char* kLaterEntryHelp =
    "You can edit this diary entry by typing in your new values and saving. To add a new entry, "
    "click on the Create New Entry button. To navigate to another using < or >.";
constexpr const char* kNewEntryHelp =
    "Fill in todays diary. To add a new entry, click on the Create New Entry button. Use the "
    "foods database to check calorie contents. Do not forget to save.";
constexpr const char* kCompleteEntryFirst =
    "You must complete your current diary entry, name and age!";
constexpr const char* kConfirmNewEntry = "Are you sure you wish to save this record?";
constexpr const char* kConfirmEdit = "Are you sure you wish to edit this record?";

// Index = activity level (0 no exercise ... 4 very hard) and gender (0 female, 1 male).
constexpr int kActivityButtons[] = {IDC_NO_EXERCISE, IDC_LIGHT_EXERCISE, IDC_MODERATE_EXERCISE,
                                    IDC_HARD_EXERCISE, IDC_VERY_HARD_EXERCISE};
constexpr int kGenderButtons[] = {IDC_FEMALE, IDC_MALE};
// Name, gender and unit system belong to the profile row and are edited only there.
constexpr int kProfileControls[] = {IDC_IMPERIAL, IDC_METRIC, IDC_NAME, IDC_MALE, IDC_FEMALE};

// The entry label and the arrows say what they are only by where they stand.
constexpr SpokenName kSpokenNames[] = {{IDC_ENTRY_LABEL, "Entry"},
                                       {IDC_FIRST, "First entry"},
                                       {IDC_PREVIOUS, "Previous entry"},
                                       {IDC_NEXT, "Next entry"},
                                       {IDC_LAST, "Last entry"}};

// Buttons that change the diary; off while it cannot be opened.
constexpr int kWritingButtons[] = {IDC_SAVE, IDC_CREATE_NEW_ENTRY};

int RoundToInt(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

// Checks button `id` and unchecks the rest of its group; false when `id` is not in the group.
template <size_t N>
bool CheckOnlyInGroup(CWnd& dialog, const int (&group)[N], int id) {
    if (std::find(std::begin(group), std::end(group), id) == std::end(group)) {
        return false;
    }
    for (int member : group) {
        dialog.CheckDlgButton(member, member == id ? BST_CHECKED : BST_UNCHECKED);
    }
    return true;
}

void SetText(CWnd& control, const char* format, auto value) {
    CByteBuffer text;
    FormatBuffer(text, format, value);
    control.SetWindowText(TextOf(text));
}

// A measure's text beside its slider ("Weight 70 kilos"), which a screen reader also reads as the
// slider's value without the first word, already said by the slider's label.
void ShowMeasure(CStatic& text, CSliderCtrl& slider, const std::string& shown) {
    text.SetWindowText(shown);
    const size_t blank = shown.find(' ');
    slider.SetValueText(blank == std::string::npos ? shown : shown.substr(blank + 1));
}

}  // namespace

const MessageMapEntry<CDiaryDlg> CDiaryDlg::kMessageMap[] = {
    {BN_CLICKED, IDC_FIRST, &CDiaryDlg::OnFirst},
    {BN_CLICKED, IDC_LAST, &CDiaryDlg::OnLast},
    {BN_CLICKED, IDC_NEXT, &CDiaryDlg::OnNext},
    {BN_CLICKED, IDC_PREVIOUS, &CDiaryDlg::OnPrevious},
    {BN_CLICKED, IDC_CREATE_NEW_ENTRY, &CDiaryDlg::OnCreateNewEntry},
    {BN_CLICKED, IDC_SAVE, &CDiaryDlg::OnSave},
    {NM_RELEASEDCAPTURE, IDC_WEIGHT_SLIDER, &CDiaryDlg::OnWeightSliderReleased},
    {NM_RELEASEDCAPTURE, IDC_HEIGHT_SLIDER, &CDiaryDlg::OnHeightSliderReleased},
    {BN_CLICKED, IDC_IMPERIAL, &CDiaryDlg::OnImperial},
    {BN_CLICKED, IDC_METRIC, &CDiaryDlg::OnMetric},
    {DTN_DATETIMECHANGE, IDC_ENTRY_DATE, &CDiaryDlg::OnDatePicked},
    {BN_CLICKED, IDC_USE_LOG_TOTAL, &CDiaryDlg::OnUseLogTotal},
};

CDiaryDlg::CDiaryDlg(CWnd* parent, std::optional<DiaryCheck> startCheck)
    : CDialog(IDD_DIARY, parent),
      m_startCheck(std::move(startCheck)),
      m_date(COleDateTime::GetCurrentTime()),
      m_logTotal(*this, kDiaryFile) {}

void CDiaryDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HELP_TEXT, m_helpText);
    DDX_Control(pDX, IDC_ENTRY_LABEL, m_entryLabel);
    DDX_Control(pDX, IDC_NAME, m_name);
    DDX_Control(pDX, IDC_AGE, m_age);
    DDX_Control(pDX, IDC_HEIGHT_TEXT, m_heightText);
    DDX_Control(pDX, IDC_HEIGHT_SLIDER, m_heightSlider);
    DDX_Control(pDX, IDC_CALORIES, m_calories);
    DDX_Control(pDX, IDC_WEIGHT_TEXT, m_weightText);
    DDX_Control(pDX, IDC_WEIGHT_SLIDER, m_weightSlider);
    DDX_DateTimeCtrl(pDX, IDC_ENTRY_DATE, m_date);
    m_logTotal.DoDataExchange(pDX);
}

BOOL CDiaryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetSpokenNames(*this, kSpokenNames);
    m_bFirstShowPending = true;
    return OpenDiaryFile(true) ? TRUE : FALSE;
}

bool CDiaryDlg::OpenDiaryFile(bool backUp) {
    const CDiaryBackups backups;
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const DiaryCheck check = m_startCheck ? *m_startCheck : CheckDiary(backups, backUp, now);
    m_startCheck.reset();
    DiaryOpening opening = OpenDiary(m_table, backups, check, now);
    if (opening.state == DiaryOpened::Damaged && OfferRestore(backups, opening.reason)) {
        opening = OpenDiary(m_table, backups, false, now);
    }
    m_bDiaryOpen = opening.state == DiaryOpened::Opened;
    for (int id : kWritingButtons) {
        if (CWnd* button = GetDlgItem(id)) {
            button->EnableWindow(m_bDiaryOpen ? TRUE : FALSE);
        }
    }
    if (!m_bDiaryOpen) {
        m_helpText.SetWindowText("");
        m_entryLabel.SetWindowText("");
        ShowFigures(false);
        if (opening.state == DiaryOpened::Failed) {
            AfxMessageBox("The diary " + database_file::FullPath(backups.DiaryPath()) +
                              " could not be opened: " + opening.reason + ".",
                          MB_OK);
        }
        return false;
    }
    if (!opening.backupError.empty()) {
        AfxMessageBox("The diary could not be backed up into " +
                          database_file::FullPath(backups.BackupFolder()) + ": " +
                          opening.backupError + ".",
                      MB_OK);
    }
    return true;
}

// A damaged diary is never written: it is moved aside, and the newest good backup, when there
// is one and the user agrees, takes its place.
bool CDiaryDlg::OfferRestore(const CDiaryBackups& backups, const std::string& reason) {
    const std::string damaged = "The diary " + database_file::FullPath(backups.DiaryPath()) +
                                " is damaged: " + reason + ".";
    const std::vector<DiaryBackup> available = backups.List();
    if (available.empty()) {
        AfxMessageBox(damaged + " There is no backup to restore it from.", MB_OK);
        return false;
    }
    const DiaryBackup& newest = available.front();
    if (AfxMessageBox(damaged + "\n\nRestore the newest good backup, from " + newest.day +
                          "? The damaged file is kept beside it.",
                      MB_YESNO) != IDYES) {
        return false;
    }
    std::string aside;
    std::string error;
    if (!backups.Restore(newest, "damaged", COleDateTime::GetCurrentTime(), aside, error)) {
        AfxMessageBox("The backup could not be restored: " + error + ".", MB_OK);
        return false;
    }
    AfxMessageBox("The backup of " + newest.day + " was restored. The damaged diary is kept as " +
                      aside + ".",
                  MB_OK);
    return true;
}

void CDiaryDlg::CloseDiaryFile() {
    CancelPendingWrite();
    m_table.Close();
    m_bDiaryOpen = false;
}

void CDiaryDlg::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    // The first show follows the opening at start-up at once; later shows try a failed one again.
    const bool firstShow = std::exchange(m_bFirstShowPending, false);
    // An opening has just read the file, at its first row, as a reload would.
    bool justOpened = firstShow;
    if (!IsDiaryReady()) {
        if (!show || firstShow || !OpenDiaryFile(false)) {
            return;
        }
        justOpened = true;
    }
    // A reload shows what the file holds, never the half-filled fields of an unfinished save.
    CancelPendingWrite();
    m_table.m_filter.AssignText("");
    m_table.m_sort.AssignText("");
    if (TellIfUnread(justOpened || (m_table.Requery() && m_table.MoveFirst()))) {
        const bool imperial = m_table.m_strFormat.Equals(kImperial);
        CheckDlgButton(IDC_IMPERIAL, imperial ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(IDC_METRIC, imperial ? BST_UNCHECKED : BST_CHECKED);
        TellIfUnread(m_table.MoveLast());
    }
    ShowCurrentEntry();
}

bool CDiaryDlg::TellIfUnread(bool read) {
    if (!read) {
        AfxMessageBox(std::string("The diary could not be read: ") + FailureReason(m_table) + ".",
                      MB_OK);
    }
    return read;
}

BOOL CDiaryDlg::OnControlNotify(UINT code, int id) {
    // A gender or activity button checks itself and unchecks the rest of its group, no more.
    if (code == BN_CLICKED && (CheckOnlyInGroup(*this, kGenderButtons, id) ||
                               CheckOnlyInGroup(*this, kActivityButtons, id))) {
        return TRUE;
    }
    return DispatchMessageMap(this, kMessageMap, code, id);
}

BOOL CDiaryDlg::PreTranslateMessage(MSG* msg) {
    NeutraliseEnterAndEscape(msg);
    return CDialog::PreTranslateMessage(msg);
}

void CDiaryDlg::ShowCurrentEntry() {
    if (!IsDiaryReady()) {
        return;
    }
    const int32_t rowId = m_table.m_currentRowId;
    const bool profileRow = rowId <= kProfileRowId;
    SetText(m_entryLabel, "Record %i", rowId);
    EnableProfileControls(profileRow);
    m_helpText.SetWindowText(profileRow ? kFirstEntryHelp : kLaterEntryHelp);
    m_name.SetWindowText(TextOf(m_table.m_strName));
    SetText(m_age, "%i", m_table.m_nAge);
    SetText(m_calories, "%0.0f", m_table.m_dCalories);
    if (m_table.m_nActivity >= 0 && m_table.m_nActivity < std::ssize(kActivityButtons)) {
        CheckOnlyInGroup(*this, kActivityButtons, kActivityButtons[m_table.m_nActivity]);
    }
    CheckOnlyInGroup(*this, kGenderButtons, m_table.m_nGender != 0 ? IDC_MALE : IDC_FEMALE);

    // The unit system shown is the radios', which came from the profile row.
    const bool imperial = IsImperialChecked();
    m_measures.SetMeasures(m_table.m_dWeight, m_table.m_dHeight, m_table.m_nAge,
                           m_table.m_nActivity, m_table.m_nGender, imperial ? kImperial : kMetric);
    ApplyUnitSystem(!imperial);

    // The seeded row's numbers are placeholders, not the user's.
    ShowFigures(!IsUntouchedProfileRow(m_table));

    // An unreadable date leaves the picker on the date it showed.
    COleDateTime date;
    if (date.ParseDateTime(TextOf(m_table.m_strDate), VAR_DATEVALUEONLY)) {
        m_date = date;
    }
    UpdateData(FALSE);
    m_logTotal.ShowFor(m_date);
}

// The numbers stored with the shown entry; none for an entry not saved yet.
void CDiaryDlg::ShowFigures(bool show) {
    SetDlgItemText(IDC_BMI_TEXT, show ? BmiText(m_table.m_dBMI) : "");
    SetDlgItemText(IDC_NEED_TEXT, show ? NeedText(m_table.m_dBMR) : "");
}

void CDiaryDlg::EnableProfileControls(bool enable) {
    for (int id : kProfileControls) {
        if (CWnd* control = GetDlgItem(id)) {
            control->EnableWindow(enable ? TRUE : FALSE);
        }
    }
}

bool CDiaryDlg::IsImperialChecked() const {
    return IsDlgButtonChecked(IDC_IMPERIAL) == BST_CHECKED;
}

void CDiaryDlg::ApplyUnitSystem(bool metric) {
    m_measures.SetUnitRanges(metric);
    m_weightSlider.SetRangeMin(static_cast<int>(m_measures.GetWeightMin()), FALSE);
    m_weightSlider.SetRangeMax(static_cast<int>(m_measures.GetWeightMax()), FALSE);
    m_weightSlider.SetTicFreq(static_cast<int>(m_measures.GetWeightTick()));
    m_heightSlider.SetRangeMin(static_cast<int>(m_measures.GetHeightMin()), FALSE);
    m_heightSlider.SetRangeMax(static_cast<int>(m_measures.GetHeightMax()), FALSE);
    m_heightSlider.SetTicFreq(static_cast<int>(m_measures.GetHeightTick()));

    m_bSettingWeightSlider = true;
    m_weightSlider.SetPos(RoundToInt(metric ? m_measures.GetWeightKg() : m_measures.GetWeightLb()));
    m_bSettingWeightSlider = false;
    m_bSettingHeightSlider = true;
    m_heightSlider.SetPos(RoundToInt(metric ? m_measures.GetHeightCm() : m_measures.GetHeightIn()));
    m_bSettingHeightSlider = false;

    ShowMeasure(m_weightText, m_weightSlider, m_measures.GetWeightText());
    ShowMeasure(m_heightText, m_heightSlider, m_measures.GetHeightText());
}

void CDiaryDlg::OnFirst() {
    if (IsDiaryReady() && !AbandonPendingWrite()) {
        TellIfUnread(m_table.MoveFirst());
    }
    ShowCurrentEntry();
}

void CDiaryDlg::OnLast() {
    if (IsDiaryReady() && !AbandonPendingWrite()) {
        TellIfUnread(m_table.MoveLast());
    }
    ShowCurrentEntry();
}

void CDiaryDlg::OnNext() {
    if (IsDiaryReady() && !AbandonPendingWrite()) {
        TellIfUnread(StepWithWrap(&CSqliteTable::MoveNext, &CSqliteTable::MoveFirst));
    }
    ShowCurrentEntry();
}

void CDiaryDlg::OnPrevious() {
    if (IsDiaryReady() && !AbandonPendingWrite()) {
        TellIfUnread(StepWithWrap(&CSqliteTable::MovePrev, &CSqliteTable::MoveLast));
    }
    ShowCurrentEntry();
}

bool CDiaryDlg::AbandonPendingWrite() {
    if (m_table.m_editRowId == 0 && !m_table.m_adding) {
        return false;
    }
    CancelPendingWrite();
    m_table.m_filter.AssignText("");
    TellIfUnread(m_table.Requery() && m_table.MoveFirst());
    return true;
}

void CDiaryDlg::CancelPendingWrite() {
    m_table.m_editRowId = 0;
    m_table.m_adding = false;
}

bool CDiaryDlg::StepWithWrap(bool (CSqliteTable::*step)(), bool (CSqliteTable::*wrap)()) {
    const int32_t rowId = m_table.m_currentRowId;
    (m_table.*step)();
    if (m_table.ReadFailed()) {
        return false;
    }
    return m_table.m_currentRowId != rowId || (m_table.*wrap)();
}

void CDiaryDlg::OnImperial() {
    ApplyUnitSystem(false);
}

void CDiaryDlg::OnMetric() {
    ApplyUnitSystem(true);
}

// A mouse release or a move by keys updates the measures, so what is shown is what is saved; the
// program's own positioning is ignored.
void CDiaryDlg::OnWeightSliderReleased() {
    if (m_bSettingWeightSlider) {
        return;
    }
    m_measures.SetWeight(m_weightSlider.GetPos(), IsImperialChecked() ? kImperial : kMetric);
    ShowMeasure(m_weightText, m_weightSlider, m_measures.GetWeightText());
}

void CDiaryDlg::OnHeightSliderReleased() {
    if (m_bSettingHeightSlider) {
        return;
    }
    m_measures.SetHeight(m_heightSlider.GetPos(), IsImperialChecked() ? kImperial : kMetric);
    ShowMeasure(m_heightText, m_heightSlider, m_measures.GetHeightText());
}

// A new entry can be begun only once the shown row has been saved with a name and an age.
void CDiaryDlg::OnCreateNewEntry() {
    if (!IsDiaryReady()) {
        return;
    }
    if (TextOf(m_table.m_strName)[0] == '\0' || m_table.m_nAge < 1) {
        AfxMessageBox(kCompleteEntryFirst, MB_OK);
        return;
    }
    PrepareNewEntry();
    EnableProfileControls(false);
    // A new entry is today's: what the food log holds for today is its calories.
    const DayTotal today = m_logTotal.ShowFor(m_date);
    if (today.lines > 0) {
        m_logTotal.Use(m_calories);
    }
}

// The log's total follows the date the user picks; nothing else changes until a save.
void CDiaryDlg::OnDatePicked() {
    if (IsDiaryReady()) {
        UpdateData(TRUE);
        m_logTotal.ShowFor(m_date);
    }
}

void CDiaryDlg::OnUseLogTotal() {
    m_logTotal.Use(m_calories);
}

// Clears the day's fields; name, age, gender, units and sliders carry over from the shown entry.
void CDiaryDlg::PrepareNewEntry() {
    if (!IsDiaryReady()) {
        return;
    }
    m_entryLabel.SetWindowText("");
    m_calories.SetWindowText("");
    ShowFigures(false);
    CheckOnlyInGroup(*this, kActivityButtons, IDC_NO_EXERCISE);
    m_date = COleDateTime::GetCurrentTime();
    m_helpText.SetWindowText(kNewEntryHelp);
    UpdateData(FALSE);
}

// The entry label tells a new entry (empty) from an edit of the shown row ("Record %i").
void CDiaryDlg::OnSave() {
    if (!IsDiaryReady()) {
        return;
    }
    const bool newEntry = m_entryLabel.GetWindowText().empty();
    if (AfxMessageBox(newEntry ? kConfirmNewEntry : kConfirmEdit, MB_YESNO) != IDYES) {
        return;
    }
    BeginWrite(newEntry);
    // A refused check leaves the write pending for the next save; navigation cancels it.
    const EntryCheck check = TakeEntry(FormFromControls(), m_measures, m_table);
    if (check != EntryCheck::Passed) {
        AfxMessageBox(CheckMessage(check), MB_OK);
        return;
    }
    int32_t savedRowId = 0;
    std::string failure;
    if (!WriteEntry(m_table, m_measures, savedRowId, failure)) {
        // What the user typed stays on screen so that nothing is lost; they may save again.
        AfxMessageBox("The entry was not saved: " + failure + ".", MB_OK);
        return;
    }
    // Found by its id: another program may have added rows since this one counted them.
    TellIfUnread(m_table.MoveTo(m_table.PositionOf(savedRowId)));
    ShowCurrentEntry();
}

void CDiaryDlg::BeginWrite(bool newEntry) {
    if (newEntry ? m_table.m_editRowId != 0 : m_table.m_adding) {
        CancelPendingWrite();
    }
    if (newEntry) {
        m_table.AddNew();
    } else {
        m_table.Edit();
    }
}

EntryForm CDiaryDlg::FormFromControls() {
    EntryForm form;
    form.name = m_name.GetWindowText();
    form.calories = m_calories.GetWindowText();
    form.age = m_age.GetWindowText();
    for (int32_t i = 1; i < std::ssize(kActivityButtons); ++i) {
        if (IsDlgButtonChecked(kActivityButtons[i]) == BST_CHECKED) {
            form.activity = i;
        }
    }
    form.gender = IsDlgButtonChecked(IDC_MALE) == BST_CHECKED ? 1 : 0;
    form.imperial = IsImperialChecked();
    UpdateData(TRUE);
    form.date = m_date;
    return form;
}

bool CDiaryDlg::PropagateProfile() {
    return IsDiaryReady() && ::PropagateProfile(m_table, m_measures);
}
