#include "engine/window/CUIAppRegistryKey.h"

#include <cwchar>

namespace SkinUI
{

namespace
{
// Closes a registry key at scope end.
class CRegKey
{
public:
    explicit CRegKey(HKEY hKey = nullptr) : m_hKey(hKey) {}
    ~CRegKey()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey;
};

bool Empty(const wchar_t* p)
{
    return p == nullptr || *p == L'\0';
}
} // namespace

void CUIAppRegistryKey::SetRegistryKey(const wchar_t* pstrKey, const wchar_t* pstrProfile)
{
    m_bRegistry = pstrKey != nullptr;
    m_sRegistryKey = pstrKey != nullptr ? pstrKey : L"";
    m_sProfileName = pstrProfile != nullptr ? pstrProfile : L"";
}

HKEY CUIAppRegistryKey::OpenSectionKey(const wchar_t* pstrSection) const
{
    if (Empty(pstrSection) || m_sRegistryKey.IsEmpty())
        return nullptr;
    CUIString sPath(L"software\\");
    sPath += m_sRegistryKey;
    if (!m_sProfileName.IsEmpty())
    {
        sPath += L"\\";
        sPath += m_sProfileName;
    }
    sPath += L"\\";
    sPath += pstrSection;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, sPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

UINT CUIAppRegistryKey::GetProfileIntW(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nDefault)
{
    if (Empty(pstrSection) || Empty(pstrEntry))
        return static_cast<UINT>(nDefault);
    if (!m_bRegistry)
        return ::GetPrivateProfileIntW(pstrSection, pstrEntry, nDefault, m_sProfileName);
    CRegKey key(OpenSectionKey(pstrSection));
    if (key.Get() == nullptr)
        return static_cast<UINT>(nDefault);
    DWORD dwValue = 0, dwType = 0, dwSize = sizeof(dwValue);
    if (::RegQueryValueExW(key.Get(), pstrEntry, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue),
                           &dwSize) != ERROR_SUCCESS ||
        dwType != REG_DWORD)
        return static_cast<UINT>(nDefault);
    return dwValue;
}

bool CUIAppRegistryKey::WriteProfileInt(const wchar_t* pstrSection, const wchar_t* pstrEntry, int nValue)
{
    if (Empty(pstrSection) || Empty(pstrEntry))
        return false;
    if (!m_bRegistry)
    {
        CUIString sValue;
        sValue.SmallFormat(L"%d", nValue);
        return ::WritePrivateProfileStringW(pstrSection, pstrEntry, sValue, m_sProfileName) != FALSE;
    }
    CRegKey key(OpenSectionKey(pstrSection));
    const DWORD dwValue = static_cast<DWORD>(nValue);
    return key.Get() != nullptr &&
           ::RegSetValueExW(key.Get(), pstrEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof(dwValue)) == ERROR_SUCCESS;
}

CUIString CUIAppRegistryKey::GetProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                               const wchar_t* pstrDefault)
{
    const CUIString sDefault(pstrDefault != nullptr ? pstrDefault : L"");
    if (Empty(pstrSection) || Empty(pstrEntry))
        return sDefault;
    if (!m_bRegistry)
    {
        std::vector<wchar_t> buffer(4096, L'\0');
        ::GetPrivateProfileStringW(pstrSection, pstrEntry, sDefault, buffer.data(),
                                   static_cast<DWORD>(buffer.size()), m_sProfileName);
        return CUIString(buffer.data());
    }
    CRegKey key(OpenSectionKey(pstrSection));
    DWORD dwType = 0, dwSize = 0;
    if (key.Get() == nullptr ||
        ::RegQueryValueExW(key.Get(), pstrEntry, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS ||
        dwType != REG_SZ)
        return sDefault;
    std::vector<wchar_t> buffer(dwSize / sizeof(wchar_t) + 1, L'\0');
    if (::RegQueryValueExW(key.Get(), pstrEntry, nullptr, &dwType, reinterpret_cast<BYTE*>(buffer.data()),
                           &dwSize) != ERROR_SUCCESS)
        return sDefault;
    buffer.back() = L'\0'; // a stored value need not end in a terminator
    return CUIString(buffer.data());
}

bool CUIAppRegistryKey::WriteProfileStringW(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                            const wchar_t* pstrValue)
{
    if (Empty(pstrSection) || Empty(pstrEntry))
        return false;
    if (!m_bRegistry)
        return ::WritePrivateProfileStringW(pstrSection, pstrEntry, pstrValue, m_sProfileName) != FALSE;
    CRegKey key(OpenSectionKey(pstrSection));
    const wchar_t* pValue = pstrValue != nullptr ? pstrValue : L"";
    const DWORD cb = static_cast<DWORD>((std::wcslen(pValue) + 1) * sizeof(wchar_t));
    return key.Get() != nullptr &&
           ::RegSetValueExW(key.Get(), pstrEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(pValue), cb) ==
               ERROR_SUCCESS;
}

bool CUIAppRegistryKey::GetProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                         std::vector<BYTE>& data)
{
    data.clear();
    if (Empty(pstrSection) || Empty(pstrEntry))
        return false;
    if (!m_bRegistry)
    {
        const CUIString sHex = GetProfileStringW(pstrSection, pstrEntry, L"");
        const int n = sHex.GetLength();
        if (n == 0 || n % 2 != 0)
            return false;
        for (int i = 0; i < n; i += 2)
        {
            auto nibble = [](wchar_t c) -> int
            {
                if (c >= L'0' && c <= L'9')
                    return c - L'0';
                if (c >= L'A' && c <= L'F')
                    return c - L'A' + 10;
                if (c >= L'a' && c <= L'f')
                    return c - L'a' + 10;
                return -1;
            };
            const int hi = nibble(sHex[i]), lo = nibble(sHex[i + 1]);
            if (hi < 0 || lo < 0)
            {
                data.clear();
                return false;
            }
            data.push_back(static_cast<BYTE>(hi * 16 + lo));
        }
        return true;
    }
    CRegKey key(OpenSectionKey(pstrSection));
    DWORD dwType = 0, dwSize = 0;
    if (key.Get() == nullptr ||
        ::RegQueryValueExW(key.Get(), pstrEntry, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS ||
        dwType != REG_BINARY)
        return false;
    data.resize(dwSize);
    if (dwSize > 0 &&
        ::RegQueryValueExW(key.Get(), pstrEntry, nullptr, &dwType, data.data(), &dwSize) != ERROR_SUCCESS)
    {
        data.clear();
        return false;
    }
    data.resize(dwSize);
    return true;
}

bool CUIAppRegistryKey::WriteProfileBinary(const wchar_t* pstrSection, const wchar_t* pstrEntry,
                                           const BYTE* pData, UINT nBytes)
{
    if (Empty(pstrSection) || Empty(pstrEntry) || (pData == nullptr && nBytes != 0))
        return false;
    if (!m_bRegistry)
    {
        static const wchar_t kHex[] = L"0123456789ABCDEF";
        CUIString sHex;
        for (UINT i = 0; i < nBytes; ++i)
        {
            sHex += kHex[pData[i] >> 4];
            sHex += kHex[pData[i] & 15];
        }
        return WriteProfileStringW(pstrSection, pstrEntry, sHex);
    }
    CRegKey key(OpenSectionKey(pstrSection));
    return key.Get() != nullptr &&
           ::RegSetValueExW(key.Get(), pstrEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

} // namespace SkinUI
