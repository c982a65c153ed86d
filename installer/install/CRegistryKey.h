// CRegistryKey: owns an open registry key and closes it with RegCloseKey.
//
// Contract: Open opens an existing key (it never creates one); IsOpen() tells whether it did.
// Not copyable. It does not read or delete values.
#pragma once

#include <windows.h>

class CRegistryKey
{
public:
    CRegistryKey() : m_hKey(nullptr) {}
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    bool Open(HKEY root, const wchar_t* subKey, REGSAM access)
    {
        Close();
        if (::RegOpenKeyExW(root, subKey, 0, access, &m_hKey) != ERROR_SUCCESS)
            m_hKey = nullptr;
        return m_hKey != nullptr;
    }
    bool IsOpen() const { return m_hKey != nullptr; }
    HKEY Get() const { return m_hKey; }
    void Close()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }

private:
    HKEY m_hKey;
};
