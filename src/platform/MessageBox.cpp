#include <QApplication>
#include <QMessageBox>

#include "platform/MessageBoxQt.h"
#include "platform/QtText.h"
#include "platform/WinApp.h"

namespace {

constexpr UINT kButtonsMask = 0x000F;
constexpr UINT kIconMask = 0x00F0;

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::Icon IconFor(UINT type) {
    switch (type & kIconMask) {
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

QWidget* MainWindowWidget() {
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->Widget() != nullptr) {
        return app->m_pMainWnd->Widget();
    }
    return QApplication::activeWindow();
}

std::string ProgramName() {
    return "Morvane";
}

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

int ShowMessageBox(QWidget* owner, const std::string& text, const std::string& caption, UINT type) {
    if (Hook()) {
        return Hook()(text, caption, type);
    }
    const bool yesNo = (type & kButtonsMask) == MB_YESNO;
    QMessageBox box(IconFor(type), ToQString(caption), ToQString(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    owner != nullptr ? owner->window() : nullptr);
    const int answer = box.exec();
    if (yesNo) {
        return answer == QMessageBox::Yes ? IDYES : IDNO;
    }
    return IDOK;
}

int AfxMessageBox(const std::string& text, UINT type) {
    return ShowMessageBox(MainWindowWidget(), text, ProgramName(), type);
}
