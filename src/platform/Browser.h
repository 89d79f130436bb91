#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"

using HRESULT = long;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005L);

// Hands a web address to the desktop's default browser. The unused arguments mirror the original
// interface and must be null or 0.
HRESULT HlinkSimpleNavigateToString(const wchar_t* target, const wchar_t* location,
                                    const wchar_t* targetFrameName, void* outer, void* bindContext,
                                    void* statusCallback, DWORD flags, DWORD reserved);

// Tests see the address instead of a browser opening: while a hook is set, it receives every
// address (UTF-8) and no browser is started; it returns whether a browser would have opened it.
using BrowserHook = std::function<bool(const std::string& address)>;
void SetBrowserHook(BrowserHook hook);
