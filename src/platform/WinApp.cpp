#include "platform/WinApp.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "platform/FontConfiguration.h"
#include "platform/LayerApplication.h"

namespace {

CWinApp* g_app = nullptr;

// Ends the program once its main window has first been exposed and painted, at once and without
// tearing anything down, so that a whole process times start-up to the first visible window.
class ExitAfterFirstShow : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* main = g_app != nullptr && g_app->m_pMainWnd != nullptr
                            ? g_app->m_pMainWnd->Widget()
                            : nullptr;
        if (event->type() == QEvent::Expose && main != nullptr && watched == main->windowHandle() &&
            main->windowHandle()->isExposed()) {
            QTimer::singleShot(0, main, [] { std::_Exit(0); });
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }
};

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
    ReadFontConfigurationAhead();
    LayerApplication application(argc, argv);
    ExitAfterFirstShow exitAfterFirstShow;
    if (qEnvironmentVariableIsSet("MORVANE_EXIT_AFTER_FIRST_SHOW")) {
        application.installEventFilter(&exitAfterFirstShow);
    }
    app.InitInstance();
    return 0;
}
