#include "platform/Dialog.h"

#include <QEventLoop>
#include <QTimer>
#include <utility>

#include "platform/ControlWidgets.h"
#include "platform/DialogWidget.h"
#include "platform/WinApp.h"

namespace {

// A top-level dialog without a parent of its own sits over the program's main window.
QWidget* OwnerWidget(const CDialog* dialog, const CWnd* parent) {
    if (parent != nullptr) {
        return parent->Widget();
    }
    const CWinApp* app = AfxGetApp();
    const CWnd* main = app != nullptr ? app->m_pMainWnd : nullptr;
    return main != nullptr && main != dialog ? main->Widget() : nullptr;
}

DateWidget* DatePickerOf(CDataExchange* pDX, int id) {
    return dynamic_cast<DateWidget*>(FindControl(pDX->m_pDlgWnd->Widget(), id));
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
    delete m_widget;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    return BuildWindow(templateId, parent, false);
}

BOOL CDialog::BuildWindow(UINT templateId, CWnd* parent, bool modal) {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (dialogTemplate == nullptr || m_widget != nullptr) {
        return FALSE;
    }
    m_templateId = templateId;
    if (parent != nullptr) {
        m_parent = parent;
    }
    const bool child = (dialogTemplate->style & DS_CHILD) != 0 && !modal;
    QWidget* owner =
        child && m_parent != nullptr ? m_parent->Widget() : OwnerWidget(this, m_parent);
    auto* widget = new DialogWidget(*dialogTemplate, owner);
    if (modal) {
        widget->setWindowModality(Qt::ApplicationModal);
    }
    AttachWidget(widget);
    BuildControls(*dialogTemplate, widget);
    OnInitDialog();
    if (m_widget != nullptr && (dialogTemplate->style & DS_VISIBLE) != 0) {
        ShowWindow(SW_SHOW);
    }
    return TRUE;
}

INT_PTR CDialog::DoModal() {
    m_ended = false;
    m_result = IDCANCEL;
    if (m_widget == nullptr && !BuildWindow(m_templateId, m_parent, true)) {
        return -1;
    }
    if (!m_ended) {
        QEventLoop loop;
        m_modalLoop = &loop;
        ShowWindow(SW_SHOW);
        if (std::function<void(CDialog&)> action = std::exchange(NextModalAction(), nullptr)) {
            QTimer::singleShot(0, &loop, [this, action] { action(*this); });
        }
        loop.exec();
        m_modalLoop = nullptr;
    }
    delete m_widget;  // the window ends with the modal run; the object lives on
    return m_result;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_widget != nullptr) {
        m_widget->hide();
    }
    if (m_modalLoop != nullptr) {
        m_modalLoop->exit(result);
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    QWidget* widget = FindControl(pDX->m_pDlgWnd->Widget(), id);
    if (widget != nullptr && control.Widget() == nullptr) {
        control.AttachWidget(widget);
    }
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int id, COleDateTime& value) {
    DateWidget* picker = DatePickerOf(pDX, id);
    if (picker == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate != FALSE) {
        picker->GetTime(value);
    } else {
        picker->SetTime(value);
    }
}

void InitCommonControls() {}

BOOL AfxEnableControlContainer() {
    return TRUE;
}
