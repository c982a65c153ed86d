#include "engine/core/CUISize.h"

#include "engine/core/CUIRect.h"

namespace SkinUI
{

CUISize::CUISize()
{
    cx = cy = 0;
}

CUISize::CUISize(const SIZE& src)
{
    cx = src.cx;
    cy = src.cy;
}

CUISize::CUISize(const RECT& rc)
{
    cx = rc.right - rc.left;
    cy = rc.bottom - rc.top;
}

CUISize::CUISize(LONG iCx, LONG iCy)
{
    cx = iCx;
    cy = iCy;
}

CUISize::CUISize(const wchar_t* lpszValue)
{
    FromString(lpszValue);
}

bool CUISize::FromString(const wchar_t* lpszValue)
{
    // The rectangle reader applies the same rules; its first two numbers are ours.
    CUIRect rc;
    const bool bRet = rc.FromString(lpszValue);
    cx = rc.left;
    cy = rc.top;
    return bRet;
}

CUIString CUISize::ToString() const
{
    CUIString s;
    s.SmallFormat(L"%ld,%ld", cx, cy);
    return s;
}

} // namespace SkinUI
