#pragma once

#include "platform/WinTypes.h"

// The program's string table (res/): the text of a string resource by id, or null.
const char* FindResourceString(UINT id);
