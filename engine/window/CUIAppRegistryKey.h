// CUIAppRegistryKey: the application's small profile store: integers, texts and binary blobs
// by section and entry, kept in the registry (HKEY_CURRENT_USER, key "software", then
// the key name, the profile name and the section as nested keys) once a registry key is set, otherwise in the
// ini file the profile name gives.
//
// Contract: reads of a missing value give the default; writes report success. Key and profile
// names are copied. Binary values in an ini file are stored as hexadecimal text.
//
// Not done: no deletion of values or sections; no locking (main thread only).
#pragma once

#include <windows.h>

#include <vector>

#include "engine/core/CUIString.h"

namespace SkinUI
{

class CUIAppRegistryKey
{
public:
    CUIAppRegistryKey() = default;
    CUIAppRegistryKey(const CUIAppRegistryKey&) = delete;
    CUIAppRegistryKey& operator=(const CUIAppRegistryKey&) = delete;

    // Both names together; a null key name goes back to the ini file named by the profile.
    void SetRegistryKey(const wchar_t* pstrKey, const wchar_t* pstrProfile);
    bool UsesRegistry() const { return m_bRegistry; }

    UINT GetProfileIntW(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nDefault);
    bool WriteProfileInt(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nValue);
    CUIString GetProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                const wchar_t* pstrDefault = nullptr);
    bool WriteProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry, const wchar_t* pstrValue);
    bool GetProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry, std::vector<BYTE>& data);
    bool WriteProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry, const BYTE* pData,
                            UINT nBytes);

private:
    // The section's key, opened or created for reading and writing; null on failure.
    HKEY OpenSectionKey(const wchar_t* pstrSection) const;

    bool m_bRegistry = false;
    CUIString m_sRegistryKey;
    CUIString m_sProfileName;
};

} // namespace SkinUI
