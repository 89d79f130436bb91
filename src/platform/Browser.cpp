#include "platform/Browser.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/QtText.h"

namespace {

BrowserHook& Hook() {
    static BrowserHook hook;
    return hook;
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
    return QDesktopServices::openUrl(QUrl(address)) ? S_OK : E_FAIL;
}
