#include "engine/core/CUIPoint.h"

#include "engine/core/CUIRect.h"

namespace SkinUI
{

CUIPoint::CUIPoint()
{
    x = y = 0;
}

CUIPoint::CUIPoint(const POINT& src)
{
    x = src.x;
    y = src.y;
}

CUIPoint::CUIPoint(LONG iX, LONG iY)
{
    x = iX;
    y = iY;
}

CUIPoint::CUIPoint(LPARAM lParam)
{
    x = static_cast<short>(LOWORD(lParam));
    y = static_cast<short>(HIWORD(lParam));
}

CUIPoint::CUIPoint(const wchar_t* lpszValue)
{
    FromString(lpszValue);
}

bool CUIPoint::FromString(const wchar_t* lpszValue)
{
    // The rectangle reader applies the same rules; its first two numbers are ours.
    CUIRect rc;
    const bool bRet = rc.FromString(lpszValue);
    x = rc.left;
    y = rc.top;
    return bRet;
}

CUIString CUIPoint::ToString() const
{
    CUIString s;
    s.SmallFormat(L"%ld,%ld", x, y);
    return s;
}

} // namespace SkinUI
