#include "diary/DiaryDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "platform/DialogRules.h"
#include "platform/MessageBox.h"
#include "res/resource.h"
#include "store/FormatBuffer.h"

namespace {

constexpr const char* kDiaryFile = "morvane.qeldb";
constexpr int32_t kProfileRowId = 1;
constexpr const char* kImperial = "Imperial";
constexpr const char* kMetric = "Metric";

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

const char* TextOf(const CByteBuffer& buffer) {
    return buffer.GetText() != nullptr ? buffer.GetText() : "";
}

std::string WithoutLeadingWhiteSpace(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t\n\v\f\r");
    return start == std::string::npos ? std::string() : text.substr(start);
}

// An optional sign and the digits after it; a text that starts otherwise reads as 0.
int32_t LeadingInteger(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

std::string FailureReason(const CSqliteTable& table) {
    const std::string reason = table.GetLastError();
    return reason.empty() ? "the diary file could not be written" : reason;
}

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
};

CDiaryDlg::CDiaryDlg(CWnd* parent)
    : CDialog(IDD_DIARY, parent), m_date(COleDateTime::GetCurrentTime()) {}

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
}

BOOL CDiaryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_table.Open(kDiaryFile) && !m_table.OpenOrCreate(kDiaryFile)) {
        return FALSE;
    }
    m_bDiaryOpen = true;
    if (m_table.m_recordCount == 0) {
        SeedProfileRow();
    }
    return TRUE;
}

// The first row of a new diary is the profile the user completes before adding entries.
void CDiaryDlg::SeedProfileRow() {
    UpdateData(TRUE);
    m_table.AddNew();
    m_table.m_strName.AssignText("");
    m_table.m_nAge = 0;
    m_table.m_nGender = 0;
    m_table.m_dWeight = 50.0;
    m_table.m_dHeight = 110.0;
    m_table.m_dCalories = 1500.0;
    m_table.m_nActivity = 0;
    m_table.m_strDate.AssignText(m_date.Format("%Y-%m-%d").c_str());
    m_table.m_strFormat.AssignText(kMetric);
    m_table.m_dBMI = 20.0;
    m_table.m_dBMR = 2200.0;
    m_table.Update();
    m_table.MoveFirst();
}

void CDiaryDlg::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!IsDiaryReady()) {
        return;
    }
    // A reload shows what the file holds, never the half-filled fields of an unfinished save.
    CancelPendingWrite();
    m_table.m_filter.AssignText("");
    m_table.m_sort.AssignText("");
    m_table.Requery();
    m_table.MoveFirst();
    const bool imperial = m_table.m_strFormat.Equals(kImperial);
    CheckDlgButton(IDC_IMPERIAL, imperial ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_METRIC, imperial ? BST_UNCHECKED : BST_CHECKED);
    m_table.MoveLast();
    ShowCurrentEntry();
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

    // An unreadable date leaves the picker on the date it showed.
    COleDateTime date;
    if (date.ParseDateTime(TextOf(m_table.m_strDate), VAR_DATEVALUEONLY)) {
        m_date = date;
    }
    UpdateData(FALSE);
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

    m_weightText.SetWindowText(m_measures.GetWeightText());
    m_heightText.SetWindowText(m_measures.GetHeightText());
}

void CDiaryDlg::OnFirst() {
    if (!AbandonPendingWrite()) {
        m_table.MoveFirst();
    }
    ShowCurrentEntry();
}

void CDiaryDlg::OnLast() {
    if (!AbandonPendingWrite()) {
        m_table.MoveLast();
    }
    ShowCurrentEntry();
}

void CDiaryDlg::OnNext() {
    if (!AbandonPendingWrite()) {
        StepWithWrap(&CSqliteTable::MoveNext, &CSqliteTable::MoveFirst);
    }
    ShowCurrentEntry();
}

void CDiaryDlg::OnPrevious() {
    if (!AbandonPendingWrite()) {
        StepWithWrap(&CSqliteTable::MovePrev, &CSqliteTable::MoveLast);
    }
    ShowCurrentEntry();
}

bool CDiaryDlg::AbandonPendingWrite() {
    if (m_table.m_editRowId == 0 && !m_table.m_adding) {
        return false;
    }
    CancelPendingWrite();
    m_table.m_filter.AssignText("");
    m_table.Requery();
    m_table.MoveFirst();
    return true;
}

void CDiaryDlg::CancelPendingWrite() {
    m_table.m_editRowId = 0;
    m_table.m_adding = false;
}

void CDiaryDlg::StepWithWrap(bool (CSqliteTable::*step)(), bool (CSqliteTable::*wrap)()) {
    const int32_t rowId = m_table.m_currentRowId;
    (m_table.*step)();
    if (m_table.m_currentRowId == rowId) {
        (m_table.*wrap)();
    }
}

void CDiaryDlg::OnImperial() {
    ApplyUnitSystem(false);
}

void CDiaryDlg::OnMetric() {
    ApplyUnitSystem(true);
}

// Only a mouse release updates the measures; the program's own positioning is ignored.
void CDiaryDlg::OnWeightSliderReleased() {
    if (m_bSettingWeightSlider) {
        return;
    }
    m_measures.SetWeight(m_weightSlider.GetPos(), IsImperialChecked() ? kImperial : kMetric);
    m_weightText.SetWindowText(m_measures.GetWeightText());
}

void CDiaryDlg::OnHeightSliderReleased() {
    if (m_bSettingHeightSlider) {
        return;
    }
    m_measures.SetHeight(m_heightSlider.GetPos(), IsImperialChecked() ? kImperial : kMetric);
    m_heightText.SetWindowText(m_measures.GetHeightText());
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
}

// Clears the day's fields; name, age, gender, units and sliders carry over from the shown entry.
void CDiaryDlg::PrepareNewEntry() {
    if (!IsDiaryReady()) {
        return;
    }
    m_entryLabel.SetWindowText("");
    m_calories.SetWindowText("");
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
    if (!TakeEntryFromControls()) {
        return;
    }
    int32_t savedPosition = 0;
    std::string failure;
    if (!WriteEntry(savedPosition, failure)) {
        // What the user typed stays on screen so that nothing is lost; they may save again.
        AfxMessageBox("The entry was not saved: " + failure + ".", MB_OK);
        return;
    }
    m_table.MoveTo(savedPosition);
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

bool CDiaryDlg::TakeEntryFromControls() {
    m_table.m_strFormat.AssignText(IsImperialChecked() ? kImperial : kMetric);
    const std::string name = WithoutLeadingWhiteSpace(m_name.GetWindowText());
    if (name.empty()) {
        AfxMessageBox("Check Name Field", MB_OK);
        return false;
    }
    m_table.m_strName.AssignText(name.c_str());
    const std::string calories = WithoutLeadingWhiteSpace(m_calories.GetWindowText());
    if (calories.empty()) {
        AfxMessageBox("Check Calorie Field", MB_OK);
        return false;
    }
    m_table.m_dCalories = LeadingInteger(calories);
    const std::string age = WithoutLeadingWhiteSpace(m_age.GetWindowText());
    if (age.empty()) {
        AfxMessageBox("Check Age Field", MB_OK);
        return false;
    }
    const int32_t years = LeadingInteger(age);

    int32_t level = 0;
    for (int32_t i = 1; i < std::ssize(kActivityButtons); ++i) {
        if (IsDlgButtonChecked(kActivityButtons[i]) == BST_CHECKED) {
            level = i;
        }
    }
    const int32_t gender = IsDlgButtonChecked(IDC_MALE) == BST_CHECKED ? 1 : 0;
    m_measures.SetAge(years);
    m_measures.SetActivity(level);
    m_measures.SetGender(gender);
    m_table.m_nAge = years;
    m_table.m_nActivity = level;
    m_table.m_nGender = gender;
    // Weight and height are what the sliders last set, or what the shown entry held.
    m_table.m_dWeight = m_measures.GetWeightKg();
    m_table.m_dHeight = m_measures.GetHeightCm();
    m_table.m_dBMI = m_measures.GetBMI();
    m_table.m_dBMR = m_measures.GetBMR();

    // The calendar date picked, in a form that reads the same in every locale; the format
    // carries no time of day, so the picker's is dropped.
    UpdateData(TRUE);
    m_table.m_strDate.AssignText(m_date.Format("%Y/%m/%d").c_str());
    return true;
}

bool CDiaryDlg::WriteEntry(int32_t& savedPosition, std::string& failure) {
    const int32_t shownPosition = m_table.m_position;
    if (!m_table.BeginTransaction()) {
        CancelPendingWrite();
        failure = FailureReason(m_table);
        return false;
    }
    // A failed Update has ended the pending write and changed neither the file nor the list.
    if (!m_table.Update()) {
        failure = FailureReason(m_table);
        m_table.RollbackTransaction();
        return false;
    }
    savedPosition = m_table.m_position;
    m_table.m_filter.AssignText("");
    m_table.m_sort.AssignText("");
    bool written = m_table.Requery();
    if (written && m_table.m_currentRowId == kProfileRowId) {
        written = PropagateProfile();
    }
    if (written && m_table.CommitTransaction()) {
        return true;
    }
    failure = FailureReason(m_table);
    m_table.RollbackTransaction();
    // The list read inside the transaction may hold the row just rolled back.
    m_table.Requery();
    m_table.MoveTo(shownPosition);
    return false;
}

bool CDiaryDlg::PropagateProfile() {
    if (!IsDiaryReady()) {
        return false;
    }
    std::string name;
    std::string format;
    int32_t gender = 0;
    // The measures of the rows are worked out apart from the ones the panel shows.
    CBodyMeasures rowMeasures = m_measures;
    bool written = true;
    m_table.MoveFirst();
    while (written && !m_table.IsEOF()) {
        if (m_table.m_currentRowId == kProfileRowId) {
            name = TextOf(m_table.m_strName);
            format = TextOf(m_table.m_strFormat);
            gender = m_table.m_nGender;
        } else {
            written = CopyProfileToRow(name, format, gender, rowMeasures);
        }
        m_table.MoveNext();
    }
    return written;
}

// One write per row that differs; a changed gender also recomputes the row's calorie need from
// its own weight, height, age and activity. BMI and the other columns stay.
bool CDiaryDlg::CopyProfileToRow(const std::string& name, const std::string& format, int32_t gender,
                                 CBodyMeasures& rowMeasures) {
    const bool profileDiffers =
        !m_table.m_strName.Equals(name.c_str()) || !m_table.m_strFormat.Equals(format.c_str());
    const bool genderDiffers = m_table.m_nGender != gender;
    if (!profileDiffers && !genderDiffers) {
        return true;
    }
    m_table.Edit();
    m_table.m_strName.AssignText(name.c_str());
    m_table.m_strFormat.AssignText(format.c_str());
    if (genderDiffers) {
        rowMeasures.SetMeasures(m_table.m_dWeight, m_table.m_dHeight, m_table.m_nAge,
                                m_table.m_nActivity, gender, format);
        m_table.m_nGender = gender;
        m_table.m_dBMR = rowMeasures.GetBMR();
    }
    return m_table.Update();
}
