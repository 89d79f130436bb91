#pragma once

// The version-resource interface: the running program's path and the VS_VERSIONINFO block of a
// file. On this platform the program's block lives in an ELF section of its own, which the
// reader locates from the section headers and reads alone; any other file is searched for the
// key "VS_VERSION_INFO" within its first MiB. Every length is checked against what was read.

#include "platform/WinTypes.h"

constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;

// The root value of a version block.
struct VS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};
static_assert(sizeof(VS_FIXEDFILEINFO) == 52);

// Full path of the running program (only the null module is known). Returns the length copied
// without the terminating zero; a path that does not fit is cut, still zero-terminated, and
// `size` is returned. 0 on failure.
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);

// Bytes needed for GetFileVersionInfoA, or 0 when the file holds no well-formed version block.
// `handle` (optional) is set to 0.
DWORD GetFileVersionInfoSizeA(const char* path, DWORD* handle);

// Copies the file's version block into `data`, which must hold the size reported by
// GetFileVersionInfoSizeA; the bytes past the block are room for VerQueryValueA's 8-bit texts.
BOOL GetFileVersionInfoA(const char* path, DWORD handle, DWORD length, void* data);

// Looks up a value in a buffer filled by GetFileVersionInfoA:
//  "\"                        the VS_FIXEDFILEINFO, `length` in bytes;
//  "\VarFileInfo\Translation" pairs of 16-bit language id and code page, `length` in bytes;
//  "\StringFileInfo\040904B0\ProductName" and the like: zero-terminated UTF-8 text, `length`
//                             in bytes with the zero.
// Keys compare without regard to ASCII case. FALSE when the path names no value.
BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length);
