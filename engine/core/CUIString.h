// CUIString: the engine's zero-terminated UTF-16 string.
//
// Contract: texts of up to 62 characters live in an inline buffer of 64 characters inside the
// object; longer texts live in a malloc'd block of at least length + 1 characters. The length
// is never stored, it is counted up to the terminator. Copies never share storage. A string's
// own text (or a part of it) may be assigned, appended or formatted back into it. Narrow text is
// read in the system's ANSI code page. Wide formats take "%s" as a wide text (msvcrt rules).
// A failed allocation leaves the string as it was.
//
// Not done: no reference counting, no thread safety, no range check in GetAt/SetAt/operator[]
// (the caller keeps the index within the text).
#pragma once

#include <windows.h>

namespace SkinUI
{

class CUIString
{
public:
    enum
    {
        MAX_LOCAL_STRING_LEN = 63
    }; // inline buffer holds 62 characters plus terminator

    CUIString();
    CUIString(wchar_t ch);
    CUIString(const CUIString& src);
    CUIString(const wchar_t* lpsz, int nLen = -1);
    ~CUIString();

    void Empty();
    int GetLength() const;
    bool IsEmpty() const;
    wchar_t GetAt(int nIndex) const;
    void SetAt(int nIndex, wchar_t ch);
    const wchar_t* GetData() const;
    operator const wchar_t*() const;
    wchar_t operator[](int nIndex) const;

    void Assign(const wchar_t* lpsz, int nLen = -1);
    void Append(const wchar_t* lpsz);
    void Append(const CUIString& src);

    CUIString& operator=(const CUIString& src);
    CUIString& operator=(const wchar_t* lpsz);
    CUIString& operator=(wchar_t ch);
    CUIString& operator=(const char* lpsz);

    CUIString& operator+=(const CUIString& src);
    CUIString& operator+=(const wchar_t* lpsz);
    CUIString& operator+=(wchar_t ch);
    CUIString& operator+=(const char* lpsz);

    CUIString operator+(const CUIString& src) const;
    CUIString operator+(const wchar_t* lpsz) const;

    int Compare(const wchar_t* lpsz) const;
    int CompareNoCase(const wchar_t* lpsz) const;
    bool operator==(const wchar_t* lpsz) const;
    bool operator!=(const wchar_t* lpsz) const;
    bool operator<(const wchar_t* lpsz) const;
    bool operator<=(const wchar_t* lpsz) const;
    bool operator>(const wchar_t* lpsz) const;
    bool operator>=(const wchar_t* lpsz) const;

    void MakeUpper();
    void MakeLower();

    CUIString Left(int nLength) const;
    CUIString Mid(int iPos, int nLength = -1) const;
    CUIString Right(int nLength) const;

    int Find(wchar_t ch, int iPos = 0) const;
    int Find(const wchar_t* lpsz, int iPos = 0) const;
    int ReverseFind(wchar_t ch) const;
    int Replace(const wchar_t* lpszFrom, const wchar_t* lpszTo);

    // Any length; returns the formatter's result (negative on a bad format, string emptied).
    int Format(const wchar_t* lpszFormat, ...);
    // Short texts only: the result is cut to 63 characters (always terminated) and -1 is
    // returned when it did not fit; otherwise the formatter's result.
    int SmallFormat(const wchar_t* lpszFormat, ...);

private:
    bool IsInline() const { return m_pstr == m_szBuffer; }
    void AppendChars(const wchar_t* lpsz, int nLen);

    wchar_t* m_pstr;
    wchar_t m_szBuffer[MAX_LOCAL_STRING_LEN + 1];
};

} // namespace SkinUI
