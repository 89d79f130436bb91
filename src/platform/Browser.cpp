#include "platform/Browser.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "platform/QtText.h"

namespace {

BrowserHook& Hook() {
    static BrowserHook hook;
    return hook;
}

// How long xdg-open has to fail before a browser counts as started. It says it failed only by its
// exit status, at once when no browser can be found; with a browser it either ends with 0 or keeps
// running while that browser stays in the foreground.
constexpr int kVerdictMs = 1500;

bool OpenWithXdgOpen(const QString& address) {
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->start("xdg-open", {address});
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    QEventLoop waiting;
    QTimer::singleShot(kVerdictMs, &waiting, &QEventLoop::quit);
    QObject::connect(opener, &QProcess::finished, &waiting, &QEventLoop::quit);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    if (opener->state() != QProcess::NotRunning) {
        // The browser runs on under xdg-open, which must outlive this call.
        QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
        return true;
    }
    const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    opener->deleteLater();
    return opened;
}

}  // namespace

void SetBrowserHook(BrowserHook hook) {
    Hook() = std::move(hook);
}

HRESULT HlinkSimpleNavigateToString(const wchar_t* target, const wchar_t* /*location*/,
                                    const wchar_t* /*targetFrameName*/, void* /*outer*/,
                                    void* /*bindContext*/, void* /*statusCallback*/,
                                    DWORD /*flags*/, DWORD /*reserved*/) {
    if (target == nullptr) {
        return E_FAIL;
    }
    const QString address = QString::fromWCharArray(target);
    if (Hook()) {
        return Hook()(FromQString(address)) ? S_OK : E_FAIL;
    }
    return OpenWithXdgOpen(address) ? S_OK : E_FAIL;
}
