#pragma once

#include <vector>

#include "platform/OleDateTime.h"
#include "platform/Wnd.h"

class CDialog;
class QEventLoop;

// Data exchange between a dialog's members and its controls (DoDataExchange).
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls -> members
};

// Attaches a control object to the dialog's control with that id (once).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Moves a date between a member and a date picker; the picker keeps the time of day it is given.
void DDX_DateTimeCtrl(CDataExchange* pDX, int id, COleDateTime& value);

// A dialog built from a template of the program's resources: its size in dialog units, and its
// controls, created as real widgets at the converted positions. A dialog whose parent is given
// is a child window inside that parent; a dialog without one is a top-level window.
class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window (modeless) from the template, runs OnInitDialog and, when the template
    // says visible, shows it. A child dialog sits at the template's origin inside its parent.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Creates the window and runs it until EndDialog; returns the code given to EndDialog.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    // Runs DoDataExchange in the given direction.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT TemplateId() const { return m_templateId; }

protected:
    // Runs DoDataExchange(FALSE) and returns TRUE.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();      // ends the dialog with IDOK
    virtual void OnCancel();  // ends the dialog with IDCANCEL

    // Enter presses OnOK and Escape OnCancel unless the pre-translation hook neutralised them.
    friend class DialogWidget;

private:
    // Builds the window from the template and initialises it; a modal one is modal before it is
    // first shown.
    BOOL BuildWindow(UINT templateId, CWnd* parent, bool modal);

    UINT m_templateId;
    CWnd* m_parent;
    QEventLoop* m_modalLoop = nullptr;  // while DoModal runs
    int m_result = 0;
    bool m_ended = false;
};

// Framework start-up services that have nothing to do on this platform; kept so start-up reads
// as the program's design describes it.
void InitCommonControls();
BOOL AfxEnableControlContainer();
