#include "diary/DiaryCsv.h"

#include <algorithm>

std::string EntriesText(size_t count) {
    return std::to_string(count) + (count == 1 ? " entry" : " entries");
}

std::string DiaryCsvReport::Text(size_t shown) const {
    std::string text = summary;
    const size_t listed = std::min(shown, badLines.size());
    for (size_t i = 0; i < listed; ++i) {
        text += "\n" + badLines[i];
    }
    if (badLineCount > listed) {
        const size_t more = badLineCount - listed;
        text += "\nand " + std::to_string(more) + (more == 1 ? " more line" : " more lines");
    }
    return text;
}
