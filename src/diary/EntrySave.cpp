#include "diary/EntrySave.h"

#include <algorithm>
#include <cstdlib>

#include "store/Transaction.h"
#include "store/WhiteSpace.h"

namespace {

bool InRange(int64_t value, int64_t lowest, int64_t highest) {
    return value >= lowest && value <= highest;
}

void CancelPendingWrite(CSqliteTable& table) {
    table.m_editRowId = 0;
    table.m_adding = false;
}

}  // namespace

const char* CheckMessage(EntryCheck check) {
    switch (check) {
        case EntryCheck::Name:
            return "Check Name Field";
        case EntryCheck::Calories:
            return "Check Calorie Field";
        case EntryCheck::Age:
            return "Check Age Field";
        case EntryCheck::Passed:
            break;
    }
    return "";
}

int64_t LeadingInteger(const std::string& text) {
    return std::strtoll(text.c_str(), nullptr, 10);
}

EntryCheck TakeEntry(const EntryForm& form, CBodyMeasures& measures, CDiaryTable& table) {
    table.m_strFormat.AssignText(form.imperial ? CBodyMeasures::kImperial : CBodyMeasures::kMetric);
    const std::string name = WithoutLeadingWhiteSpace(form.name);
    if (name.empty()) {
        return EntryCheck::Name;
    }
    table.m_strName.AssignText(name.c_str());
    const std::string calories = WithoutLeadingWhiteSpace(form.calories);
    const int64_t kcal = LeadingInteger(calories);
    if (calories.empty() || !InRange(kcal, kLowestCalories, kHighestCalories)) {
        return EntryCheck::Calories;
    }
    table.m_dCalories = static_cast<double>(kcal);
    const std::string age = WithoutLeadingWhiteSpace(form.age);
    const int64_t years = LeadingInteger(age);
    if (age.empty() || !InRange(years, kLowestAge, kHighestAge)) {
        return EntryCheck::Age;
    }

    measures.SetAge(static_cast<int32_t>(years));
    measures.SetActivity(form.activity);
    measures.SetGender(form.gender);
    table.m_nAge = static_cast<int32_t>(years);
    table.m_nActivity = form.activity;
    table.m_nGender = form.gender;
    // Weight and height are what the sliders last set, or what the shown entry held.
    table.m_dWeight = measures.GetWeightKg();
    table.m_dHeight = measures.GetHeightCm();
    table.m_dBMI = measures.GetBMI();
    table.m_dBMR = measures.GetBMR();
    // A form that reads the same in every locale; it carries no time of day.
    table.m_strDate.AssignText(form.date.Format("%Y/%m/%d").c_str());
    return EntryCheck::Passed;
}

bool WriteEntry(CDiaryTable& table, const CBodyMeasures& measures, int32_t& savedRowId,
                std::string& failure) {
    const int32_t shownPosition = table.m_position;
    bool updated = false;
    {
        CTransaction transaction(table);
        if (!transaction.Begun()) {
            CancelPendingWrite(table);
            failure = FailureReason(table);
            return false;
        }
        // A failed Update has ended the pending write and changed neither the file nor the list.
        updated = table.Update();
        if (updated) {
            savedRowId = table.RowIdAt(table.m_position);
            table.m_filter.AssignText("");
            table.m_sort.AssignText("");
            bool written = table.Requery();
            if (written && table.m_currentRowId == kProfileRowId) {
                written = PropagateProfile(table, measures);
            }
            if (written && transaction.Commit()) {
                return true;
            }
        }
        failure = FailureReason(table);
    }
    if (updated) {
        // The list read inside the transaction may hold the row just rolled back.
        table.Requery();
    }
    table.MoveTo(shownPosition);
    return false;
}

DiaryProfile ProfileOf(const CDiaryTable& table) {
    return {TextOf(table.m_strName), TextOf(table.m_strFormat), table.m_nGender};
}

bool TakeProfile(CDiaryTable& table, const DiaryProfile& profile, CBodyMeasures& rowMeasures) {
    const bool profileDiffers = !table.m_strName.Equals(profile.name.c_str()) ||
                                !table.m_strFormat.Equals(profile.format.c_str());
    const bool genderDiffers = table.m_nGender != profile.gender;
    if (!profileDiffers && !genderDiffers) {
        return false;
    }
    table.m_strName.AssignText(profile.name.c_str());
    table.m_strFormat.AssignText(profile.format.c_str());
    if (genderDiffers) {
        rowMeasures.SetMeasures(table.m_dWeight, table.m_dHeight, table.m_nAge, table.m_nActivity,
                                profile.gender, profile.format);
        table.m_nGender = profile.gender;
        table.m_dBMR = rowMeasures.GetBMR();
    }
    return true;
}

// One write per row that differs from the profile.
bool PropagateProfile(CDiaryTable& table, CBodyMeasures rowMeasures) {
    DiaryProfile profile;
    bool written = table.MoveFirst();
    while (written && !table.IsEOF()) {
        if (table.m_currentRowId == kProfileRowId) {
            profile = ProfileOf(table);
        } else if (TakeProfile(table, profile, rowMeasures)) {
            written = table.Edit() && table.Update();
        }
        written = written && table.MoveNext();
    }
    return written;
}

std::string FailureReason(const CSqliteTable& table) {
    const std::string reason = table.GetLastError();
    return reason.empty() ? "the diary file could not be written" : reason;
}
