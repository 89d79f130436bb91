#include "platform/Wnd.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <map>
#include <utility>

#include "platform/Accessibility.h"
#include "platform/ControlWidgets.h"
#include "platform/MessageBoxQt.h"
#include "platform/Painting.h"
#include "platform/QtText.h"
#include "platform/StringTable.h"
#include "platform/WndLink.h"

struct IconData {
    QIcon icon;
};

namespace {

bool IsDialog(const QWidget* widget) {
    return dynamic_cast<const QDialog*>(widget) != nullptr;
}

void SetWidgetText(QWidget* widget, const QString& text) {
    if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* label = dynamic_cast<QLabel*>(widget)) {
        const bool changed = label->text() != text;
        label->setText(text);
        if (changed) {
            // Qt does not tell a screen reader of a label's new text; a new help text is
            // announced only on this event.
            QAccessibleEvent renamed(label, QAccessible::NameChanged);
            AnnounceChange(renamed);
        }
    } else if (auto* edit = dynamic_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* group = dynamic_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else {
        widget->setWindowTitle(text);
    }
}

QString WidgetText(const QWidget* widget) {
    if (const auto* button = dynamic_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* label = dynamic_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* edit = dynamic_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* group = dynamic_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    return widget->windowTitle();
}

CRect ToCRect(const QRect& rect) {
    return CRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}

// Where a window sits in screen coordinates (a top-level window with its frame).
QRect ScreenRect(const QWidget* widget) {
    if (widget->isWindow()) {
        return widget->frameGeometry();
    }
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_widget != nullptr) {
        LinkOf(m_widget)->Detach(this);
    }
}

void CWnd::AttachWidget(QWidget* widget) {
    if (widget == m_widget) {
        return;
    }
    if (m_widget != nullptr) {
        LinkOf(m_widget)->Detach(this);
    }
    WndLink* link = widget != nullptr ? LinkOf(widget) : nullptr;
    m_widget = link != nullptr ? widget : nullptr;
    if (link != nullptr) {
        link->Attach(this);
    }
}

CWnd* CWnd::FromWidget(const QWidget* widget) {
    const WndLink* link = widget != nullptr ? LinkOf(widget) : nullptr;
    return link != nullptr ? link->Owner() : nullptr;
}

// Visibility and state

BOOL CWnd::ShowWindow(int command) {
    if (m_widget == nullptr) {
        return FALSE;
    }
    const bool wasVisible = !m_widget->isHidden();
    const bool show = command != SW_HIDE;
    if (show != wasVisible) {
        OnShowWindow(show ? TRUE : FALSE, 0);
        if (m_widget != nullptr) {
            m_widget->setVisible(show);
        }
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    return m_widget != nullptr && !m_widget->isHidden() ? TRUE : FALSE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    if (m_widget == nullptr) {
        return FALSE;
    }
    const BOOL wasDisabled = IsWindowEnabled() ? FALSE : TRUE;
    m_widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_widget != nullptr && !m_widget->testAttribute(Qt::WA_ForceDisabled) ? TRUE : FALSE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT /*flags*/) {
    if (m_widget == nullptr) {
        return FALSE;
    }
    const DWORD before = GetStyle();
    if ((remove & WS_VISIBLE) != 0) {
        m_widget->setVisible(false);
    }
    if ((add & WS_VISIBLE) != 0) {
        m_widget->setVisible(true);
    }
    return GetStyle() != before ? TRUE : FALSE;
}

DWORD CWnd::GetStyle() const {
    return IsWindowVisible() ? WS_VISIBLE : 0;
}

// Text and focus

void CWnd::SetWindowText(const std::string& text) {
    if (m_widget != nullptr) {
        SetWidgetText(m_widget, ToQString(text));
    }
}

std::string CWnd::GetWindowText() const {
    return m_widget != nullptr ? FromQString(WidgetText(m_widget)) : std::string();
}

void CWnd::SetFocus() {
    if (m_widget != nullptr) {
        m_widget->setFocus(Qt::OtherFocusReason);
    }
}

void CWnd::SetAccessibleName(const std::string& name) {
    if (m_widget != nullptr) {
        m_widget->setAccessibleName(ToQString(name));
    }
}

void CWnd::SetAccessibleDescription(const std::string& description) {
    if (m_widget != nullptr) {
        m_widget->setAccessibleDescription(ToQString(description));
    }
}

// Geometry

void CWnd::GetClientRect(CRect* rect) const {
    if (rect == nullptr) {
        return;
    }
    if (m_widget == nullptr) {
        *rect = CRect();
        return;
    }
    // A list's client area lies inside its border, as the window framework has it.
    const auto* list = qobject_cast<const QAbstractScrollArea*>(m_widget);
    const int border = list != nullptr ? list->frameWidth() : 0;
    *rect = CRect(0, 0, m_widget->width() - 2 * border, m_widget->height() - 2 * border);
}

void CWnd::GetWindowRect(CRect* rect) const {
    if (rect != nullptr) {
        *rect = m_widget != nullptr ? ToCRect(ScreenRect(m_widget)) : CRect();
    }
}

void CWnd::ScreenToClient(CRect* rect) const {
    if (rect == nullptr || m_widget == nullptr) {
        return;
    }
    const QPoint topLeft = m_widget->mapFromGlobal(QPoint(rect->left, rect->top));
    *rect =
        CRect(topLeft.x(), topLeft.y(), topLeft.x() + rect->Width(), topLeft.y() + rect->Height());
}

BOOL CWnd::SetWindowPos(const CWnd* /*insertAfter*/, int x, int y, int cx, int cy, UINT flags) {
    if (m_widget == nullptr) {
        return FALSE;
    }
    if ((flags & SWP_NOMOVE) == 0) {
        m_widget->move(x, y);
    }
    if ((flags & SWP_NOSIZE) == 0) {
        m_widget->setFixedSize(cx, cy);
    }
    if ((flags & SWP_SHOWWINDOW) != 0) {
        m_widget->setVisible(true);  // no show notification, as with the original call
    }
    return TRUE;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL /*repaint*/) {
    SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER);
}

void CWnd::InvalidateRect(const CRect* rect, BOOL /*erase*/) {
    if (m_widget == nullptr) {
        return;
    }
    if (rect != nullptr) {
        m_widget->update(QRect(rect->left, rect->top, rect->Width(), rect->Height()));
    } else {
        m_widget->update();
    }
}

BOOL CWnd::IsIconic() const {
    return m_widget != nullptr && m_widget->isMinimized() ? TRUE : FALSE;
}

BOOL CWnd::SetForegroundWindow() {
    if (m_widget == nullptr) {
        return FALSE;
    }
    QWidget* top = m_widget->window();
    top->showNormal();
    top->raise();
    top->activateWindow();
    return TRUE;
}

// Controls

CWnd* CWnd::GetDlgItem(int id) const {
    return FromWidget(FindControl(m_widget, id));
}

int CWnd::GetDlgCtrlID() const {
    const WndLink* link = m_widget != nullptr ? LinkOf(m_widget) : nullptr;
    return link != nullptr ? link->Id() : 0;
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
    if (CWnd* item = GetDlgItem(id)) {
        item->SetWindowText(text);
    }
}

std::string CWnd::GetDlgItemText(int id) const {
    const CWnd* item = GetDlgItem(id);
    return item != nullptr ? item->GetWindowText() : std::string();
}

void CWnd::CheckDlgButton(int id, UINT check) {
    if (auto* button = dynamic_cast<QAbstractButton*>(FindControl(m_widget, id))) {
        SetButtonChecked(button, check != BST_UNCHECKED);
    }
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    const auto* button = dynamic_cast<const QAbstractButton*>(FindControl(m_widget, id));
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

CWnd* CWnd::GetParent() const {
    return m_widget != nullptr ? FromWidget(m_widget->parentWidget()) : nullptr;
}

// Window services

CMenu* CWnd::GetSystemMenu(BOOL revert) {
    const bool hasMenu = m_widget != nullptr && m_widget->isWindow() &&
                         m_widget->windowFlags().testFlag(Qt::WindowSystemMenuHint);
    if (!hasMenu || revert != FALSE) {
        m_systemMenu.reset();
        return nullptr;
    }
    if (m_systemMenu == nullptr) {
        m_systemMenu = std::make_unique<CMenu>();
        if (m_widget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint)) {
            m_systemMenu->AppendMenu(MF_STRING, SC_MINIMIZE, "Mi&nimise");
        }
        m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    }
    return m_systemMenu.get();
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    WndLink* link = m_widget != nullptr ? LinkOf(m_widget) : nullptr;
    if (link == nullptr) {
        return nullptr;
    }
    const HICON previous = std::exchange(link->icon[bigIcon != FALSE ? 0 : 1], icon);
    const HICON big = link->icon[0];
    const HICON small = link->icon[1];
    QIcon shown;
    if (big == nullptr || small == nullptr || big == small) {
        // One icon is set as it is, so that its pictures stay unread until the desktop asks.
        const HICON one = big != nullptr ? big : small;
        shown = one != nullptr ? one->icon : QIcon();
    } else {
        for (const HICON each : {big, small}) {
            for (const QSize& size : each->icon.availableSizes()) {
                shown.addPixmap(each->icon.pixmap(size));
            }
        }
    }
    m_widget->setWindowIcon(shown);
    return previous;
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type) {
    return ShowMessageBox(m_widget, text, caption.empty() ? ProgramName() : caption, type);
}

// Default message handling

void CWnd::OnShowWindow(BOOL /*show*/, UINT /*status*/) {}

BOOL CWnd::OnEraseBkgnd(CDC* pDC) {
    if (!IsDialog(m_widget)) {
        return FALSE;  // controls paint themselves
    }
    const CBrush* brush = OnCtlColor(pDC, this, CTLCOLOR_DLG);
    if (brush != nullptr && !brush->IsHollow()) {
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, brush->Colour());
    }
    return TRUE;
}

void CWnd::OnPaint() {
    NoteDefaultPaint(this);
}

CBrush* CWnd::OnCtlColor(CDC* /*pDC*/, CWnd* /*pWnd*/, UINT ctlColor) {
    static CBrush faceBrush;
    static CBrush windowBrush;
    if (ctlColor == CTLCOLOR_EDIT || ctlColor == CTLCOLOR_LISTBOX) {
        windowBrush.CreateSolidBrush(GetSysColor(COLOR_WINDOW));
        return &windowBrush;
    }
    faceBrush.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    return &faceBrush;
}

void CWnd::OnSysCommand(UINT id, LPARAM /*param*/) {
    if (m_widget == nullptr) {
        return;
    }
    switch (id & 0xFFF0) {
        case SC_CLOSE:
            m_widget->window()->close();
            break;
        case SC_MINIMIZE:
            m_widget->window()->showMinimized();
            break;
        default:
            break;
    }
}

BOOL CWnd::OnControlNotify(UINT /*code*/, int /*id*/) {
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG* /*msg*/) {
    return FALSE;
}

// Menus

BOOL CMenu::AppendMenu(UINT flags, UINT id, const std::string& text) {
    m_items.push_back({flags, (flags & MF_SEPARATOR) != 0 ? 0 : id,
                       (flags & MF_SEPARATOR) != 0 ? std::string() : text});
    return TRUE;
}

int CMenu::GetMenuItemCount() const {
    return static_cast<int>(m_items.size());
}

UINT CMenu::GetMenuItemID(int position) const {
    return position >= 0 && position < GetMenuItemCount() ? m_items[position].id : 0;
}

std::string CMenu::GetMenuString(int position) const {
    return position >= 0 && position < GetMenuItemCount() ? m_items[position].text : std::string();
}

// Resources

namespace {

// An icon whose pictures are decoded when first asked for: start-up never draws the icon, and
// some desktops never ask the window for it.
class ResourceIconEngine : public QIconEngine {
public:
    ResourceIconEngine(UINT id, QList<QSize> sizes) : m_id(id), m_sizes(std::move(sizes)) {}

    QIconEngine* clone() const override { return new ResourceIconEngine(m_id, m_sizes); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Pictures().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Pictures().pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    static QString Path(UINT id, const QSize& size) {
        return QStringLiteral(":/bitmaps/%1-%2.png").arg(id).arg(size.width());
    }

private:
    const QIcon& Pictures() {
        if (m_pictures.isNull()) {
            for (const QSize& size : m_sizes) {
                m_pictures.addPixmap(QPixmap(Path(m_id, size)));
            }
        }
        return m_pictures;
    }

    UINT m_id;
    QList<QSize> m_sizes;
    QIcon m_pictures;
};

}  // namespace

HICON LoadResourceIcon(UINT id) {
    // Loaded once and shared, as resource icons are; the pictures go with the application.
    static std::map<UINT, IconData> loaded;
    if (auto found = loaded.find(id); found != loaded.end()) {
        return &found->second;
    }
    QList<QSize> sizes;
    for (const int side : {256, 128, 48, 32, 16}) {
        if (QFile::exists(ResourceIconEngine::Path(id, QSize(side, side)))) {
            sizes.append(QSize(side, side));
        }
    }
    if (sizes.isEmpty()) {
        return nullptr;
    }
    if (loaded.empty()) {
        qAddPostRoutine([] { loaded.clear(); });
    }
    const QIcon icon(new ResourceIconEngine(id, sizes));
    return &loaded.emplace(id, IconData{icon}).first->second;
}

std::string LoadResourceString(UINT id) {
    const char* text = FindResourceString(id);
    return text != nullptr ? text : "";
}
