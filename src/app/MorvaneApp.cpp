#include "app/MorvaneApp.h"

#include "app/MainDlg.h"
#include "platform/Dialog.h"
#include "platform/SingleInstance.h"

BOOL CMorvaneApp::InitInstance() {
    // Two programs on one diary would each save by their own stale view of it: a second start
    // brings the first forward and ends before anything is opened.
    CSingleInstance instance;
    instance.SetActivation([this] {
        if (m_pMainWnd != nullptr) {
            m_pMainWnd->SetForegroundWindow();
        }
    });
    if (!instance.Acquire(".")) {
        return FALSE;
    }

    InitCommonControls();
    AfxEnableControlContainer();
    Enable3dControls();

    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
