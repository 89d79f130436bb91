#include "app/VersionInfo.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD HighWord(DWORD value) {
    return value >> 16;
}
constexpr DWORD LowWord(DWORD value) {
    return value & 0xFFFF;
}

}  // namespace

CVersionInfo::CVersionInfo() : m_pBlock(nullptr) {
    Reset();
}

CVersionInfo::~CVersionInfo() {
    Reset();
}

void CVersionInfo::Reset() {
    m_pTranslations = nullptr;
    m_nTranslationCount = 0;
    m_bValid = 0;
    std::memset(&m_fixedInfo, 0, sizeof m_fixedInfo);
    if (m_pBlock != nullptr) {
        std::free(m_pBlock);
        m_pBlock = nullptr;
    }
}

int CVersionInfo::Open(const char* path) {
    if (path == nullptr) {
        return 0;
    }
    Reset();
    if (ReadFixedInfo(path) == 1 && ReadTranslation()) {
        return m_bValid;
    }
    Reset();
    return m_bValid;
}

int CVersionInfo::ReadFixedInfo(const char* path) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) {
        return m_bValid;
    }
    // A block read before is replaced, and the translation table pointed into it.
    std::free(m_pBlock);
    m_pTranslations = nullptr;
    m_nTranslationCount = 0;
    m_pBlock = std::malloc(size);
    if (m_pBlock != nullptr && GetFileVersionInfoA(path, 0, size, m_pBlock)) {
        void* root = nullptr;
        UINT length = 0;
        if (VerQueryValueA(m_pBlock, "\\", &root, &length) && root != nullptr &&
            length >= sizeof m_fixedInfo) {
            std::memcpy(&m_fixedInfo, root, sizeof m_fixedInfo);
            m_bValid = m_fixedInfo.dwSignature == VS_FFI_SIGNATURE ? 1 : 0;
        }
    }
    return m_bValid;
}

BOOL CVersionInfo::ReadTranslation() {
    if (m_bValid == 0) {
        return FALSE;
    }
    void* table = nullptr;
    UINT length = 0;
    if (VerQueryValueA(m_pBlock, "\\VarFileInfo\\Translation", &table, &length)) {
        m_pTranslations = static_cast<const DWORD*>(table);
        m_nTranslationCount = length / 4;
    }
    return m_pTranslations != nullptr ? TRUE : FALSE;
}

bool ReadShownVersion(const char* path, ShownVersion* version) {
    CVersionInfo info;
    if (info.Open(path) != 1) {
        return false;
    }
    const VS_FIXEDFILEINFO& fixed = info.FixedInfo();
    version->major = static_cast<std::int32_t>(HighWord(fixed.dwFileVersionMS));
    version->minor = static_cast<std::int32_t>(LowWord(fixed.dwFileVersionMS));
    version->third = static_cast<std::int32_t>(HighWord(fixed.dwFileVersionLS));
    return true;
}

std::string FormatVersionText(const ShownVersion& version) {
    char text[64] = {};
    std::snprintf(text, sizeof text, "V %ld.%ld%ld", static_cast<long>(version.major),
                  static_cast<long>(version.minor), static_cast<long>(version.third));
    return text;
}
