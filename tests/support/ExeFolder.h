#pragma once
// Test data lives next to the test executable: the path of a file or folder beside it.
#include <windows.h>

#include <cwchar>
#include <string>

inline std::wstring PathBesideExe(const wchar_t* relative)
{
    wchar_t szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    wchar_t* pSlash = wcsrchr(szPath, L'\\');
    if (pSlash != nullptr)
        pSlash[1] = L'\0';
    return std::wstring(szPath) + relative;
}
