#include "engine/core/CUIString.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace SkinUI
{

namespace
{

const wchar_t kEmpty[] = L"";

inline const wchar_t* OrEmpty(const wchar_t* p)
{
    return p ? p : kEmpty;
}

// Narrow text in the system's ANSI code page to a malloc'd wide text; null on failure.
wchar_t* AnsiToWide(const char* lpsz)
{
    const UINT cp = ::GetACP();
    const int n = ::MultiByteToWideChar(cp, 0, lpsz, -1, NULL, 0);
    if (n <= 0)
        return NULL;
    wchar_t* w = static_cast<wchar_t*>(malloc(sizeof(wchar_t) * n));
    if (!w)
        return NULL;
    if (::MultiByteToWideChar(cp, 0, lpsz, -1, w, n) <= 0)
    {
        free(w);
        return NULL;
    }
    w[n - 1] = L'\0';
    return w;
}

} // namespace

CUIString::CUIString() : m_pstr(m_szBuffer)
{
    m_szBuffer[0] = L'\0';
}

CUIString::CUIString(wchar_t ch) : m_pstr(m_szBuffer)
{
    m_szBuffer[0] = ch;
    m_szBuffer[1] = L'\0';
}

CUIString::CUIString(const CUIString& src) : m_pstr(m_szBuffer)
{
    m_szBuffer[0] = L'\0';
    Assign(src.m_pstr);
}

CUIString::CUIString(const wchar_t* lpsz, int nLen) : m_pstr(m_szBuffer)
{
    m_szBuffer[0] = L'\0';
    Assign(lpsz, nLen);
}

CUIString::~CUIString()
{
    if (!IsInline())
        free(m_pstr);
}

void CUIString::Empty()
{
    if (!IsInline())
        free(m_pstr);
    m_pstr = m_szBuffer;
    m_szBuffer[0] = L'\0';
}

int CUIString::GetLength() const
{
    return static_cast<int>(wcslen(m_pstr));
}
bool CUIString::IsEmpty() const
{
    return m_pstr[0] == L'\0';
}
wchar_t CUIString::GetAt(int nIndex) const
{
    return m_pstr[nIndex];
}
void CUIString::SetAt(int nIndex, wchar_t ch)
{
    m_pstr[nIndex] = ch;
}
const wchar_t* CUIString::GetData() const
{
    return m_pstr;
}
CUIString::operator const wchar_t*() const
{
    return m_pstr;
}
wchar_t CUIString::operator[](int nIndex) const
{
    return m_pstr[nIndex];
}

void CUIString::Assign(const wchar_t* lpsz, int nLen)
{
    lpsz = OrEmpty(lpsz);
    // Never copy past the source's terminator, whatever length the caller claims. This also
    // means a source inside our own heap block is never longer than the current text, so the
    // block is never moved under it.
    const size_t nText = (nLen < 0) ? wcslen(lpsz) : wcsnlen(lpsz, static_cast<size_t>(nLen));
    const int n = static_cast<int>(nText);
    if (n < MAX_LOCAL_STRING_LEN)
    {
        wchar_t* pOld = IsInline() ? NULL : m_pstr;
        // Copy before giving back the block: the source may live in it.
        memmove(m_szBuffer, lpsz, sizeof(wchar_t) * n);
        m_szBuffer[n] = L'\0';
        m_pstr = m_szBuffer;
        free(pOld);
        return;
    }
    if (IsInline())
    {
        wchar_t* p = static_cast<wchar_t*>(malloc(sizeof(wchar_t) * (nText + 1)));
        if (!p)
            return;
        memcpy(p, lpsz, sizeof(wchar_t) * n);
        p[n] = L'\0';
        m_pstr = p;
        return;
    }
    if (n > GetLength())
    {
        wchar_t* p = static_cast<wchar_t*>(realloc(m_pstr, sizeof(wchar_t) * (nText + 1)));
        if (!p)
            return;
        m_pstr = p;
    }
    memmove(m_pstr, lpsz, sizeof(wchar_t) * n);
    m_pstr[n] = L'\0';
}

void CUIString::AppendChars(const wchar_t* lpsz, int nAdd)
{
    if (nAdd <= 0)
        return;
    const int nCur = GetLength();
    const int nTotal = nCur + nAdd;
    if (nTotal < MAX_LOCAL_STRING_LEN)
    {
        if (IsInline())
        {
            memmove(m_szBuffer + nCur, lpsz, sizeof(wchar_t) * nAdd);
        }
        else
        {
            // A heap text shortened by SetAt: bring it back inline, copying before freeing.
            wchar_t* pOld = m_pstr;
            memcpy(m_szBuffer, pOld, sizeof(wchar_t) * nCur);
            memmove(m_szBuffer + nCur, lpsz, sizeof(wchar_t) * nAdd);
            m_pstr = m_szBuffer;
            free(pOld);
        }
        m_szBuffer[nTotal] = L'\0';
        return;
    }
    if (IsInline())
    {
        wchar_t* p = static_cast<wchar_t*>(malloc(sizeof(wchar_t) * (nTotal + 1)));
        if (!p)
            return;
        memcpy(p, m_szBuffer, sizeof(wchar_t) * nCur);
        memcpy(p + nCur, lpsz, sizeof(wchar_t) * nAdd); // the inline buffer stays valid
        p[nTotal] = L'\0';
        m_pstr = p;
        return;
    }
    // The source may be part of our own block, which realloc may move.
    const bool bOwn = lpsz >= m_pstr && lpsz <= m_pstr + nCur;
    const ptrdiff_t off = bOwn ? lpsz - m_pstr : 0;
    wchar_t* p = static_cast<wchar_t*>(realloc(m_pstr, sizeof(wchar_t) * (nTotal + 1)));
    if (!p)
        return;
    m_pstr = p;
    if (bOwn)
        lpsz = p + off;
    memmove(p + nCur, lpsz, sizeof(wchar_t) * nAdd);
    p[nTotal] = L'\0';
}

void CUIString::Append(const wchar_t* lpsz)
{
    if (!lpsz)
        return;
    AppendChars(lpsz, static_cast<int>(wcslen(lpsz)));
}

void CUIString::Append(const CUIString& src)
{
    Append(src.m_pstr);
}

CUIString& CUIString::operator=(const CUIString& src)
{
    Assign(src.m_pstr);
    return *this;
}

CUIString& CUIString::operator=(const wchar_t* lpsz)
{
    Assign(lpsz);
    return *this;
}

CUIString& CUIString::operator=(wchar_t ch)
{
    Empty();
    m_szBuffer[0] = ch;
    m_szBuffer[1] = L'\0';
    return *this;
}

CUIString& CUIString::operator=(const char* lpsz)
{
    if (!lpsz)
    {
        Empty();
        return *this;
    }
    wchar_t* w = AnsiToWide(lpsz);
    if (w)
    {
        Assign(w);
        free(w);
    }
    return *this;
}

CUIString& CUIString::operator+=(const CUIString& src)
{
    Append(src.m_pstr);
    return *this;
}

CUIString& CUIString::operator+=(const wchar_t* lpsz)
{
    Append(lpsz);
    return *this;
}

CUIString& CUIString::operator+=(wchar_t ch)
{
    AppendChars(&ch, ch ? 1 : 0);
    return *this;
}

CUIString& CUIString::operator+=(const char* lpsz)
{
    if (!lpsz)
        return *this;
    wchar_t* w = AnsiToWide(lpsz);
    if (w)
    {
        Append(w);
        free(w);
    }
    return *this;
}

CUIString CUIString::operator+(const CUIString& src) const
{
    CUIString s(*this);
    s.Append(src.m_pstr);
    return s;
}

CUIString CUIString::operator+(const wchar_t* lpsz) const
{
    CUIString s(*this);
    s.Append(lpsz);
    return s;
}

int CUIString::Compare(const wchar_t* lpsz) const
{
    return wcscmp(m_pstr, OrEmpty(lpsz));
}
int CUIString::CompareNoCase(const wchar_t* lpsz) const
{
    return _wcsicmp(m_pstr, OrEmpty(lpsz));
}
bool CUIString::operator==(const wchar_t* lpsz) const
{
    return Compare(lpsz) == 0;
}
bool CUIString::operator!=(const wchar_t* lpsz) const
{
    return Compare(lpsz) != 0;
}
bool CUIString::operator<(const wchar_t* lpsz) const
{
    return Compare(lpsz) < 0;
}
bool CUIString::operator<=(const wchar_t* lpsz) const
{
    return Compare(lpsz) <= 0;
}
bool CUIString::operator>(const wchar_t* lpsz) const
{
    return Compare(lpsz) > 0;
}
bool CUIString::operator>=(const wchar_t* lpsz) const
{
    return Compare(lpsz) >= 0;
}

void CUIString::MakeUpper()
{
    _wcsupr(m_pstr);
}
void CUIString::MakeLower()
{
    _wcslwr(m_pstr);
}

CUIString CUIString::Left(int nLength) const
{
    const int nLen = GetLength();
    if (nLength < 0)
        nLength = 0;
    if (nLength > nLen)
        nLength = nLen;
    return CUIString(m_pstr, nLength);
}

CUIString CUIString::Mid(int iPos, int nLength) const
{
    const int nLen = GetLength();
    if (iPos < 0)
        iPos = 0; // never read before the text
    if (iPos > nLen)
        return CUIString();
    if (nLength < 0)
        nLength = nLen - iPos;
    if (nLength > nLen - iPos) // compared this way round so a huge length cannot overflow
        nLength = nLen - iPos;
    if (nLength <= 0)
        return CUIString();
    return CUIString(m_pstr + iPos, nLength);
}

CUIString CUIString::Right(int nLength) const
{
    const int nLen = GetLength();
    if (nLength < 0)
        nLength = 0;
    int iPos = nLen - nLength;
    if (iPos < 0)
        iPos = 0;
    return CUIString(m_pstr + iPos);
}

int CUIString::Find(wchar_t ch, int iPos) const
{
    if (iPos != 0 && (iPos < 0 || iPos >= GetLength()))
        return -1;
    if (ch == L'\0')
        return -1; // the terminator is not part of the text
    const wchar_t* p = wcschr(m_pstr + iPos, ch);
    return p ? static_cast<int>(p - m_pstr) : -1;
}

int CUIString::Find(const wchar_t* lpsz, int iPos) const
{
    if (!lpsz)
        return -1;
    if (iPos != 0 && (iPos < 0 || iPos > GetLength()))
        return -1;
    // An empty pattern matches at the start position (msvcrt builds differ on wcsstr here).
    if (*lpsz == L'\0')
        return iPos;
    const wchar_t* p = wcsstr(m_pstr + iPos, lpsz);
    return p ? static_cast<int>(p - m_pstr) : -1;
}

int CUIString::ReverseFind(wchar_t ch) const
{
    if (ch == L'\0')
        return -1;
    const wchar_t* p = wcsrchr(m_pstr, ch);
    return p ? static_cast<int>(p - m_pstr) : -1;
}

int CUIString::Replace(const wchar_t* lpszFrom, const wchar_t* lpszTo)
{
    // Own copies: either argument may point into this string, which is rebuilt below.
    const CUIString sFrom(lpszFrom);
    const CUIString sTo(lpszTo);
    // An empty pattern would match forever.
    if (sFrom.IsEmpty())
        return 0;
    const int nFrom = sFrom.GetLength();
    const int nTo = sTo.GetLength();
    int nCount = 0;
    int iPos = Find(sFrom.m_pstr);
    while (iPos >= 0)
    {
        CUIString sRest = Mid(iPos + nFrom);
        CUIString sNew = Left(iPos);
        sNew.Append(sTo);
        sNew.Append(sRest);
        Assign(sNew.m_pstr);
        ++nCount;
        iPos = Find(sFrom.m_pstr, iPos + nTo);
    }
    return nCount;
}

int CUIString::Format(const wchar_t* lpszFormat, ...)
{
    if (!lpszFormat)
    {
        Empty();
        return -1;
    }
    va_list args;
    va_start(args, lpszFormat);
    va_list measure;
    va_copy(measure, args);
    const int nLen = _vscwprintf(lpszFormat, measure);
    va_end(measure);
    if (nLen < 0)
    {
        va_end(args);
        Empty();
        return nLen;
    }
    wchar_t* buf = static_cast<wchar_t*>(calloc(static_cast<size_t>(nLen) + 1, sizeof(wchar_t)));
    if (!buf)
    {
        va_end(args);
        return -1;
    }
    const int nRet = _vsnwprintf(buf, static_cast<size_t>(nLen) + 1, lpszFormat, args);
    va_end(args);
    buf[nLen] = L'\0';
    Assign(buf);
    free(buf);
    return nRet;
}

int CUIString::SmallFormat(const wchar_t* lpszFormat, ...)
{
    if (!lpszFormat)
    {
        Empty();
        return -1;
    }
    // The format may be our own text, which the assignment below replaces.
    const CUIString sFormat(lpszFormat);
    wchar_t szBuffer[MAX_LOCAL_STRING_LEN + 1] = {0};
    va_list args;
    va_start(args, lpszFormat);
    // At most 63 characters are written; the last slot stays the terminator.
    int nRet = _vsnwprintf(szBuffer, MAX_LOCAL_STRING_LEN, sFormat.m_pstr, args);
    va_end(args);
    szBuffer[MAX_LOCAL_STRING_LEN] = L'\0';
    if (nRet > MAX_LOCAL_STRING_LEN)
        nRet = -1;
    Assign(szBuffer);
    return nRet;
}

} // namespace SkinUI
