#include "platform/Controls.h"

#include <algorithm>

#include "platform/ControlWidgets.h"
#include "platform/QtText.h"

namespace {

template <class Widget>
Widget* As(QWidget* widget) {
    return dynamic_cast<Widget*>(widget);
}

// Runs `use` on the window's track bar; without one, does nothing and gives 0.
template <class Use>
auto WithSlider(QWidget* widget, Use use) {
    auto* slider = As<QSlider>(widget);
    using Result = decltype(use(*slider));
    if (slider == nullptr) {
        return Result();
    }
    return use(*slider);
}

}  // namespace

void CEdit::SetReadOnly(BOOL readOnly) {
    if (auto* edit = As<EditWidget>(m_widget)) {
        edit->setReadOnly(readOnly != FALSE);
        edit->SetReadOnlyLook(readOnly != FALSE);
    }
}

BOOL CEdit::SetCueBanner(const std::string& cue) {
    auto* edit = As<EditWidget>(m_widget);
    if (edit == nullptr) {
        return FALSE;
    }
    edit->setPlaceholderText(ToQString(cue));
    return TRUE;
}

// Picture buttons

// Only the normal face is read here: start-up shows nothing else, and decoding every face of
// every button would slow it down.
BOOL CBitmapButton::LoadBitmaps(UINT normal, UINT pressed, UINT focus, UINT disabled) {
    const UINT ids[FaceCount] = {normal, pressed, focus, disabled};
    BOOL allFound = TRUE;
    for (int face = 0; face < FaceCount; ++face) {
        m_faces[face].DeleteObject();
        m_faceIds[face] = 0;
        if (ids[face] == 0) {
            continue;
        }
        if (face == Normal ? m_faces[face].LoadBitmap(ids[face]) : CBitmap::Exists(ids[face])) {
            m_faceIds[face] = ids[face];
        } else {
            allFound = FALSE;
        }
    }
    InvalidateRect(nullptr, TRUE);
    return allFound && m_faceIds[Normal] != 0 ? TRUE : FALSE;
}

int CBitmapButton::CurrentFaceIndex() const {
    const auto* button = As<QAbstractButton>(m_widget);
    if (button != nullptr) {
        if (button->isDown() && m_faceIds[Pressed] != 0) {
            return Pressed;
        }
        if (button->hasFocus() && m_faceIds[Focus] != 0) {
            return Focus;
        }
        if (!button->isEnabled() && m_faceIds[Disabled] != 0) {
            return Disabled;
        }
    }
    return m_faceIds[Normal] != 0 ? Normal : -1;
}

UINT CBitmapButton::CurrentFaceId() const {
    const int face = CurrentFaceIndex();
    return face < 0 ? 0 : m_faceIds[face];
}

const CBitmap* CBitmapButton::CurrentFace() const {
    int face = CurrentFaceIndex();
    if (face > Normal && !m_faces[face].IsLoaded() && !m_faces[face].LoadBitmap(m_faceIds[face])) {
        m_faceIds[face] = 0;  // unreadable after all: the normal face stands in
        face = CurrentFaceIndex();
    }
    return face < 0 ? nullptr : &m_faces[face];
}

// Report lists

int CListCtrl::InsertColumn(int /*column*/, const std::string& heading, int format, int width) {
    auto* list = As<ListWidget>(m_widget);
    return list != nullptr ? list->AddColumn(ToQString(heading), format, width) : -1;
}

int CListCtrl::InsertItem(int item, const std::string& text) {
    auto* list = As<ListWidget>(m_widget);
    return list != nullptr ? list->InsertRow(item, ToQString(text)) : -1;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& text) {
    auto* list = As<ListWidget>(m_widget);
    QTreeWidgetItem* row = list != nullptr ? list->topLevelItem(item) : nullptr;
    if (row == nullptr || subItem < 0 || subItem >= list->columnCount()) {
        return FALSE;
    }
    row->setText(subItem, ToQString(text));
    return TRUE;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    auto* list = As<ListWidget>(m_widget);
    QTreeWidgetItem* row = list != nullptr ? list->topLevelItem(item) : nullptr;
    if (row == nullptr) {
        return FALSE;
    }
    if ((mask & LVIS_SELECTED) != 0) {
        row->setSelected((state & LVIS_SELECTED) != 0);
    }
    if ((mask & LVIS_FOCUSED) != 0 && (state & LVIS_FOCUSED) != 0) {
        list->selectionModel()->setCurrentIndex(list->indexFromItem(row),
                                                QItemSelectionModel::NoUpdate);
    }
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    auto* list = As<ListWidget>(m_widget);
    if (list == nullptr) {
        return FALSE;
    }
    list->clear();
    return TRUE;
}

int CListCtrl::GetItemCount() const {
    const auto* list = As<ListWidget>(m_widget);
    return list != nullptr ? list->topLevelItemCount() : 0;
}

int CListCtrl::GetNextItem(int start, int flags) const {
    const auto* list = As<ListWidget>(m_widget);
    if (list == nullptr) {
        return -1;
    }
    for (int item = std::max(start + 1, 0); item < list->topLevelItemCount(); ++item) {
        if ((flags & LVNI_SELECTED) == 0 || list->topLevelItem(item)->isSelected()) {
            return item;
        }
    }
    return -1;
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
    const auto* list = As<ListWidget>(m_widget);
    const QTreeWidgetItem* row = list != nullptr ? list->topLevelItem(item) : nullptr;
    return row != nullptr ? FromQString(row->text(subItem)) : std::string();
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
    const auto* list = As<ListWidget>(m_widget);
    const QTreeWidgetItem* row = list != nullptr ? list->topLevelItem(item) : nullptr;
    if (row == nullptr) {
        return 0;
    }
    UINT state = 0;
    if (row->isSelected()) {
        state |= LVIS_SELECTED;
    }
    if (list->currentItem() == row) {
        state |= LVIS_FOCUSED;
    }
    return state & mask;
}

int CListCtrl::GetColumnCount() const {
    const auto* list = As<ListWidget>(m_widget);
    return list != nullptr ? list->columnCount() : 0;
}

std::string CListCtrl::GetColumnHeading(int column) const {
    const auto* list = As<ListWidget>(m_widget);
    return list != nullptr ? FromQString(list->headerItem()->text(column)) : std::string();
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
    auto* list = As<ListWidget>(m_widget);
    if (list == nullptr || column < 0 || column >= list->columnCount()) {
        return FALSE;
    }
    const bool last = column == list->columnCount() - 1;
    if (width == LVSCW_AUTOSIZE_USEHEADER && last) {
        list->FillWithLastColumn(true);
    } else if (width >= 0) {
        list->FillWithLastColumn(false);
        list->setColumnWidth(column, width);
    } else {
        return FALSE;
    }
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const {
    const auto* list = As<ListWidget>(m_widget);
    return list != nullptr ? list->columnWidth(column) : 0;
}

int CListCtrl::GetColumnFormat(int column) const {
    const auto* list = As<ListWidget>(m_widget);
    return list != nullptr ? list->ColumnFormat(column) : LVCFMT_LEFT;
}

// Track bars

void CSliderCtrl::SetRangeMin(int minimum, BOOL /*redraw*/) {
    WithSlider(m_widget, [minimum](QSlider& slider) { slider.setMinimum(minimum); });
}

void CSliderCtrl::SetRangeMax(int maximum, BOOL /*redraw*/) {
    WithSlider(m_widget, [maximum](QSlider& slider) { slider.setMaximum(maximum); });
}

void CSliderCtrl::SetTicFreq(int frequency) {
    WithSlider(m_widget, [frequency](QSlider& slider) { slider.setTickInterval(frequency); });
}

void CSliderCtrl::SetPos(int position) {
    WithSlider(m_widget, [position](QSlider& slider) { slider.setValue(position); });
}

int CSliderCtrl::GetPos() const {
    return WithSlider(m_widget, [](QSlider& slider) { return slider.value(); });
}

int CSliderCtrl::GetRangeMin() const {
    return WithSlider(m_widget, [](QSlider& slider) { return slider.minimum(); });
}

int CSliderCtrl::GetRangeMax() const {
    return WithSlider(m_widget, [](QSlider& slider) { return slider.maximum(); });
}

int CSliderCtrl::GetTicFreq() const {
    return WithSlider(m_widget, [](QSlider& slider) { return slider.tickInterval(); });
}

void CSliderCtrl::SetValueText(const std::string& text) {
    if (auto* slider = As<SliderWidget>(m_widget)) {
        slider->SetValueText(ToQString(text));
    }
}

// Date pickers

BOOL CDateTimeCtrl::SetTime(const COleDateTime& time) {
    auto* picker = As<DateWidget>(m_widget);
    return picker != nullptr && picker->SetTime(time) ? TRUE : FALSE;
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& time) const {
    const auto* picker = As<DateWidget>(m_widget);
    return picker != nullptr && picker->GetTime(time) ? TRUE : FALSE;
}
