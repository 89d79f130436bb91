#include "platform/FileDialog.h"

#include <QDir>
#include <QFileDialog>

#include "platform/MessageBoxQt.h"
#include "platform/QtText.h"

namespace {

const char* const kFilter = "Comma-separated values (*.csv);;All files (*)";

FileDialogHook& Hook() {
    static FileDialogHook hook;
    return hook;
}

std::string Choose(const std::string& title, const std::string& suggestedName, bool saving) {
    if (Hook()) {
        return Hook()(title, saving);
    }
    QFileDialog dialog(MainWindowWidget(), ToQString(ProgramName() + " - " + title),
                       QDir::homePath(), QString::fromLatin1(kFilter));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving) {
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.selectFile(ToQString(suggestedName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return "";
    }
    return FromQString(dialog.selectedFiles().constFirst());
}

}  // namespace

void SetFileDialogHook(FileDialogHook hook) {
    Hook() = std::move(hook);
}

std::string ChooseFileToSave(const std::string& title, const std::string& suggestedName) {
    return Choose(title, suggestedName, true);
}

std::string ChooseFileToOpen(const std::string& title) {
    return Choose(title, "", false);
}
