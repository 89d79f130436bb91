#pragma once

#include <functional>
#include <string>
#include <vector>

// A modal list over the main window from which the user picks one entry with OK (or a double
// click); the index picked, or -1 when cancelled or when there is nothing to pick.
int ChooseFromList(const std::string& title, const std::string& prompt,
                   const std::vector<std::string>& items);

// Tests pick instead of the user: while a hook is set, every list calls it with the prompt and
// the entries and returns what it returns, and no window is shown.
using ListChoiceHook =
    std::function<int(const std::string& prompt, const std::vector<std::string>& items)>;
void SetListChoiceHook(ListChoiceHook hook);
