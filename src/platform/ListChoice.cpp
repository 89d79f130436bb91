#include "platform/ListChoice.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/MessageBoxQt.h"
#include "platform/QtText.h"

namespace {

ListChoiceHook& Hook() {
    static ListChoiceHook hook;
    return hook;
}

}  // namespace

void SetListChoiceHook(ListChoiceHook hook) {
    Hook() = std::move(hook);
}

int ChooseFromList(const std::string& title, const std::string& prompt,
                   const std::vector<std::string>& items) {
    if (items.empty()) {
        return -1;
    }
    if (Hook()) {
        return Hook()(prompt, items);
    }
    QDialog dialog(MainWindowWidget());
    dialog.setWindowTitle(ToQString(ProgramName() + " - " + title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(ToQString(prompt), &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QListWidget(&dialog);
    for (const std::string& item : items) {
        list->addItem(ToQString(item));
    }
    list->setCurrentRow(0);
    label->setBuddy(list);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return -1;
    }
    return list->currentRow();
}
