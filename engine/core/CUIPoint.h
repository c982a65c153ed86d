// CUIPoint: a POINT readable from and writable to skin text ("x,y") and from a window
// message's packed coordinates. Adds no fields to POINT.
//
// Not done: no screen/client conversion.
#pragma once

#include <windows.h>
#include "engine/core/CUIString.h"

namespace SkinUI
{

class CUIPoint : public POINT
{
public:
    CUIPoint();
    CUIPoint(const POINT& src);
    CUIPoint(LONG x, LONG y);
    explicit CUIPoint(LPARAM lParam); // signed low word = x, signed high word = y
    explicit CUIPoint(const wchar_t* lpszValue);

    // Same reading rules as CUIRect::FromString with two numbers.
    bool FromString(const wchar_t* lpszValue);
    CUIString ToString() const;
};

} // namespace SkinUI
