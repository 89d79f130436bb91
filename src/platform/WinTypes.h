#pragma once

// The plain value types and constants of the desktop interfaces the program is written against,
// with their usual sizes, so the code that uses them reads as it would there.

#include <cstdint>

using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

using BYTE = std::uint8_t;
using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;

// Days since 30 December 1899, fraction = time of day.
using DATE = double;

// A loaded module; only the null handle (the running program) is ever used.
using HMODULE = void*;

// Locale id; only the user's default locale is used.
using LCID = DWORD;
constexpr LCID LANG_USER_DEFAULT = 0x0400;

// COleDateTime::ParseDateTime flag: keep the calendar date, drop any time of day.
constexpr DWORD VAR_DATEVALUEONLY = 0x00000002;
