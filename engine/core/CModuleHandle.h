// CModuleHandle: owns a module loaded at run time and frees it with FreeLibrary.
// LoadSystem loads a library from the Windows system folder only, never by a bare name that
// the loader would first look for beside the executable (an installer usually runs from a
// Downloads folder that other programs can write into).
//
// Not done: modules the process imports at link time or gets from GetModuleHandle are
// borrowed and never held here.
#pragma once

#include <windows.h>
#include <wchar.h>

namespace SkinUI
{

class CModuleHandle
{
public:
    CModuleHandle() : m_hModule(NULL) {}
    explicit CModuleHandle(HMODULE hModule) : m_hModule(hModule) {}
    CModuleHandle(CModuleHandle&& src) noexcept : m_hModule(src.m_hModule) { src.m_hModule = NULL; }
    CModuleHandle& operator=(CModuleHandle&& src) noexcept
    {
        if (this != &src)
        {
            Reset();
            m_hModule = src.m_hModule;
            src.m_hModule = NULL;
        }
        return *this;
    }
    CModuleHandle(const CModuleHandle&) = delete;
    CModuleHandle& operator=(const CModuleHandle&) = delete;
    ~CModuleHandle() { Reset(); }

    HMODULE Get() const { return m_hModule; }
    bool IsNull() const { return m_hModule == NULL; }
    void Reset()
    {
        if (m_hModule != NULL)
            ::FreeLibrary(m_hModule);
        m_hModule = NULL;
    }
    FARPROC GetProc(const char* pstrName) const
    {
        return m_hModule != NULL ? ::GetProcAddress(m_hModule, pstrName) : NULL;
    }

    // pstrFileName is a plain file name such as L"msimg32.dll". Systems without the
    // search-flag update reject LOAD_LIBRARY_SEARCH_SYSTEM32; the full system path is used then.
    static CModuleHandle LoadSystem(const wchar_t* pstrFileName)
    {
        if (pstrFileName == NULL || *pstrFileName == L'\0' || wcspbrk(pstrFileName, L"\\/:") != NULL)
            return CModuleHandle();
        HMODULE hModule = ::LoadLibraryExW(pstrFileName, NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (hModule == NULL)
        {
            wchar_t szPath[MAX_PATH];
            UINT nDir = ::GetSystemDirectoryW(szPath, MAX_PATH);
            size_t nName = wcslen(pstrFileName);
            if (nDir > 0 && nDir + 1 + nName < MAX_PATH)
            {
                szPath[nDir] = L'\\';
                wcscpy(szPath + nDir + 1, pstrFileName);
                hModule = ::LoadLibraryExW(szPath, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
            }
        }
        return CModuleHandle(hModule);
    }

private:
    HMODULE m_hModule;
};

} // namespace SkinUI
