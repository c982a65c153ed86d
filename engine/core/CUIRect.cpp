#include "engine/core/CUIRect.h"

#include <wchar.h>

namespace SkinUI
{

namespace
{

// Reads up to nCount base-10 numbers into pOut, skipping exactly one character after each
// but the last; stops at the terminator so short texts leave the remaining fields alone.
void ReadNumbers(const wchar_t* p, LONG* const* pOut, int nCount)
{
    for (int i = 0; i < nCount && *p != L'\0'; ++i)
    {
        wchar_t* pEnd = NULL;
        *pOut[i] = wcstol(p, &pEnd, 10);
        p = pEnd;
        if (i + 1 < nCount && *p != L'\0')
            ++p;
    }
}

} // namespace

CUIRect::CUIRect()
{
    left = top = right = bottom = 0;
}

CUIRect::CUIRect(const RECT& src)
{
    left = src.left;
    top = src.top;
    right = src.right;
    bottom = src.bottom;
}

CUIRect::CUIRect(LONG iLeft, LONG iTop, LONG iRight, LONG iBottom)
{
    left = iLeft;
    top = iTop;
    right = iRight;
    bottom = iBottom;
}

CUIRect::CUIRect(const wchar_t* lpszValue)
{
    FromString(lpszValue);
}

bool CUIRect::FromString(const wchar_t* lpszValue)
{
    left = top = right = bottom = 0;
    if (!lpszValue || *lpszValue == L'\0')
        return false;
    LONG* const fields[] = {&left, &top, &right, &bottom};
    ReadNumbers(lpszValue, fields, 4);
    return true;
}

CUIString CUIRect::ToString() const
{
    CUIString s;
    s.SmallFormat(L"%ld,%ld,%ld,%ld", left, top, right, bottom);
    return s;
}

int CUIRect::GetWidth() const
{
    return right - left;
}
int CUIRect::GetHeight() const
{
    return bottom - top;
}
void CUIRect::Empty()
{
    left = top = right = bottom = 0;
}
bool CUIRect::IsNull() const
{
    return left == 0 && top == 0 && right == 0 && bottom == 0;
}

void CUIRect::Join(const RECT& rc)
{
    if (rc.left < left)
        left = rc.left;
    if (rc.top < top)
        top = rc.top;
    if (rc.right > right)
        right = rc.right;
    if (rc.bottom > bottom)
        bottom = rc.bottom;
}

void CUIRect::ResetOffset()
{
    ::OffsetRect(this, -left, -top);
}

void CUIRect::Normalize()
{
    if (left > right)
    {
        const LONG t = left;
        left = right;
        right = t;
    }
    if (top > bottom)
    {
        const LONG t = top;
        top = bottom;
        bottom = t;
    }
}

void CUIRect::Offset(int cx, int cy)
{
    ::OffsetRect(this, cx, cy);
}
void CUIRect::Inflate(int cx, int cy)
{
    ::InflateRect(this, cx, cy);
}
void CUIRect::Deflate(int cx, int cy)
{
    ::InflateRect(this, -cx, -cy);
}
void CUIRect::Union(const CUIRect& rc)
{
    ::UnionRect(this, this, &rc);
}

bool CUIRect::IntersectRect(const RECT& rc1, const RECT& rc2)
{
    return ::IntersectRect(this, &rc1, &rc2) != FALSE;
}

POINT CUIRect::CenterPoint() const
{
    POINT pt = {(left + right) / 2, (top + bottom) / 2};
    return pt;
}

void CUIRect::AlignRect(const RECT& rcTarget, UINT uFlags)
{
    const LONG w = right - left;
    const LONG h = bottom - top;
    if (uFlags & ALIGN_HCENTER)
    {
        const LONG c = (rcTarget.left + rcTarget.right) / 2;
        left = c - w / 2;
        right = c + w / 2;
    }
    else
    {
        left = rcTarget.left;
        right = left + w;
    }
    if (uFlags & ALIGN_VCENTER)
    {
        const LONG c = (rcTarget.top + rcTarget.bottom) / 2;
        top = c - h / 2;
        bottom = c + h / 2;
    }
    else
    {
        top = rcTarget.top;
        bottom = top + h;
    }
}

} // namespace SkinUI
