#pragma once

#include <functional>
#include <string>

#include "platform/WinDefs.h"

// A modal message box with the program's name as caption; returns IDOK, IDYES or IDNO.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// Tests answer message boxes instead of the user: while a hook is set, every message box calls it
// (text, caption, type) and returns what it returns, and no window is shown.
using MessageBoxHook =
    std::function<int(const std::string& text, const std::string& caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);
