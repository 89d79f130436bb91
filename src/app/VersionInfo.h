#pragma once

#include <cstdint>
#include <string>

#include "platform/VersionApi.h"

// Reads one module's version resource: its fixed file information and its translation table.
class CVersionInfo {
public:
    CVersionInfo();
    virtual ~CVersionInfo();
    CVersionInfo(const CVersionInfo&) = delete;
    CVersionInfo& operator=(const CVersionInfo&) = delete;

    // Forgets everything read and frees the block.
    void Reset();
    // Reads the version resource of the file; 1 when it has valid fixed information and a
    // translation table, else 0 with everything reset. A null path returns 0 and changes nothing.
    int Open(const char* path);
    int ReadFixedInfo(const char* path);
    BOOL ReadTranslation();

    int IsValid() const { return m_bValid; }
    const VS_FIXEDFILEINFO& FixedInfo() const { return m_fixedInfo; }
    // Pairs of 16-bit language id and code page, one 32-bit entry each.
    const DWORD* Translations() const { return m_pTranslations; }
    DWORD TranslationCount() const { return m_nTranslationCount; }

private:
    VS_FIXEDFILEINFO m_fixedInfo;
    void* m_pBlock;  // malloc'd, owned
    const DWORD* m_pTranslations;
    DWORD m_nTranslationCount;
    int m_bValid;
};

// The three numbers of a file version that the program shows: the first, the second and the
// third (the fourth is not shown).
struct ShownVersion {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t third = 0;
};

// The shown numbers of the file's version resource; false when it cannot be read.
bool ReadShownVersion(const char* path, ShownVersion* version);
// "V major.minorthird": no separator between the second and the third number.
std::string FormatVersionText(const ShownVersion& version);
