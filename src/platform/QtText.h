#pragma once

#include <QString>
#include <string>

// The program's 8-bit texts cross into Qt and back without loss: valid UTF-8 decodes as usual,
// and every byte that is not part of valid UTF-8 becomes the lone surrogate U+DC80 + byte, which
// turns back into that byte.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);
