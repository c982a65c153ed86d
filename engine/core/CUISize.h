// CUISize: a SIZE readable from and writable to skin text ("cx,cy"), or taken from a RECT's
// extent. Adds no fields to SIZE.
//
// Not done: no scaling (DPI scaling is the paint manager's job).
#pragma once

#include <windows.h>
#include "engine/core/CUIString.h"

namespace SkinUI
{

class CUISize : public SIZE
{
public:
    CUISize();
    CUISize(const SIZE& src);
    CUISize(const RECT& rc);
    CUISize(LONG cx, LONG cy);
    explicit CUISize(const wchar_t* lpszValue);

    // Same reading rules as CUIRect::FromString with two numbers.
    bool FromString(const wchar_t* lpszValue);
    CUIString ToString() const;
};

} // namespace SkinUI
