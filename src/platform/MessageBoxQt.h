#pragma once

#include <QWidget>
#include <string>

#include "platform/MessageBox.h"

// The main window's widget, the owner of the program's modal boxes; else the active window.
QWidget* MainWindowWidget();
// The program's name, the caption of its message boxes.
std::string ProgramName();
// A modal message box over the owner's window (or the test hook's answer); returns IDOK, IDYES
// or IDNO.
int ShowMessageBox(QWidget* owner, const std::string& text, const std::string& caption, UINT type);
