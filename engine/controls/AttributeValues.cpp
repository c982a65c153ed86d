#include "engine/controls/AttributeValues.h"

#include <climits>
#include <wchar.h>

namespace SkinUI
{

namespace
{

int Saturate(long long v)
{
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

} // namespace

int ReadInt(const wchar_t* p)
{
    if (p == nullptr)
        return 0;
    // wcstol skips leading blanks and saturates at LONG_MIN / LONG_MAX (the int range here).
    return Saturate(wcstol(p, nullptr, 10));
}

bool ReadBool(const wchar_t* p)
{
    return p != nullptr && _wcsicmp(p, L"true") == 0;
}

DWORD ReadColor(const wchar_t* p, bool bSkipBlanks)
{
    if (p == nullptr)
        return 0;
    if (bSkipBlanks)
        while (*p != L'\0' && *p <= L' ')
            ++p;
    if (*p == L'#')
        ++p;
    return static_cast<DWORD>(wcstoul(p, nullptr, 16));
}

void ReadFractions(const wchar_t* p, double* pOut, int nCount)
{
    if (p == nullptr)
        return;
    for (int i = 0; i < nCount && *p != L'\0'; ++i)
    {
        wchar_t* pEnd = nullptr;
        pOut[i] = wcstod(p, &pEnd);
        p = pEnd;
        if (*p != L'\0')
            ++p;
    }
}

UINT ReadFloatAlign(const wchar_t* p, UINT uAlign)
{
    if (p == nullptr)
        return uAlign;
    while (*p != L'\0')
    {
        while (*p == L',' || *p == L' ')
            ++p;
        const wchar_t* pWord = p;
        while (*p != L'\0' && *p != L',' && *p != L' ')
            ++p;
        const size_t n = static_cast<size_t>(p - pWord);
        auto is = [&](const wchar_t* w) { return wcslen(w) == n && wcsncmp(pWord, w, n) == 0; };
        if (is(L"null"))
            uAlign = 0;
        else if (is(L"left"))
            uAlign &= ~(0x1u | 0x2u);
        else if (is(L"center"))
            uAlign = (uAlign | 0x1u) & ~0x2u;
        else if (is(L"right"))
            uAlign = (uAlign | 0x2u) & ~0x1u;
        else if (is(L"top"))
            uAlign &= ~(0x4u | 0x8u);
        else if (is(L"vcenter"))
            uAlign = (uAlign | 0x4u) & ~0x8u;
        else if (is(L"bottom"))
            uAlign = (uAlign | 0x8u) & ~0x4u;
    }
    return uAlign;
}

int SaturatingAdd(long long a, long long b)
{
    return Saturate(a + b);
}

int SaturatingSub(long long a, long long b)
{
    return Saturate(a - b);
}

} // namespace SkinUI
