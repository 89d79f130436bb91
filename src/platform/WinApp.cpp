#include "platform/WinApp.h"

#include "platform/LayerApplication.h"

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

HICON CWinApp::LoadIcon(UINT id) const {
    return LoadResourceIcon(id);
}

BOOL CWinApp::Enable3dControls() {
    return TRUE;
}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxWinMain(CWinApp& app, int argc, char** argv) {
    LayerApplication application(argc, argv);
    app.InitInstance();
    return 0;
}
