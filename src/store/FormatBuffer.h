#pragma once

class CByteBuffer;

#if defined(__GNUC__)
#define MORVANE_PRINTF_FORMAT __attribute__((format(printf, 2, 3)))
#else
#define MORVANE_PRINTF_FORMAT
#endif

// printf-style formatting into `buffer` as a text. The result may have any length: the text is
// measured first and formatted into a block of exactly that size. An encoding error leaves the
// empty text.
void FormatBuffer(CByteBuffer& buffer, const char* format, ...) MORVANE_PRINTF_FORMAT;
