// The program's string table.

#include "platform/StringTable.h"
#include "res/resource.h"

const char* FindResourceString(UINT id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return "&About morvane...";
        default:
            return nullptr;
    }
}
