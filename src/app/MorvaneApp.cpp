#include "app/MorvaneApp.h"

#include "app/MainDlg.h"
#include "platform/Dialog.h"

BOOL CMorvaneApp::InitInstance() {
    InitCommonControls();
    AfxEnableControlContainer();
    Enable3dControls();

    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
