#pragma once

#include <functional>
#include <string>

// Modal file dialogs over the main window that show comma-separated value files (*.csv) first.
// Each returns the path chosen, or "" when the user cancels.

// A file to write; starts in the home folder with `suggestedName`, adds ".csv" to a name without
// an extension and asks before replacing a file.
std::string ChooseFileToSave(const std::string& title, const std::string& suggestedName);
// A file there is, to read.
std::string ChooseFileToOpen(const std::string& title);

// Tests choose instead of the user: while a hook is set, every dialog calls it with its title
// and whether it saves, and returns what it returns ("" cancels); no window is shown.
using FileDialogHook = std::function<std::string(const std::string& title, bool saving)>;
void SetFileDialogHook(FileDialogHook hook);
