// CUIRect: a RECT with the helpers skins need; readable from and writable to skin text
// ("left,top,right,bottom"). Adds no fields to RECT.
//
// Not done: no emptiness or ordering checks except where a helper says so (Join does not
// test for empty rectangles).
#pragma once

#include <windows.h>
#include "engine/core/CUIString.h"

namespace SkinUI
{

class CUIRect : public RECT
{
public:
    CUIRect();
    CUIRect(const RECT& src);
    CUIRect(LONG iLeft, LONG iTop, LONG iRight, LONG iBottom);
    explicit CUIRect(const wchar_t* lpszValue);

    // Reads four numbers, one separator character after each of the first three; fields the
    // text does not hold stay 0. False only for a null or empty text.
    bool FromString(const wchar_t* lpszValue);
    CUIString ToString() const;

    int GetWidth() const;
    int GetHeight() const;
    void Empty();
    bool IsNull() const;
    void Join(const RECT& rc);
    void ResetOffset();
    void Normalize();
    void Offset(int cx, int cy);
    void Inflate(int cx, int cy);
    void Deflate(int cx, int cy);
    void Union(const CUIRect& rc);
    bool IntersectRect(const RECT& rc1, const RECT& rc2);
    POINT CenterPoint() const;

    enum
    {
        ALIGN_HCENTER = 0x1,
        ALIGN_VCENTER = 0x4
    };
    // Keeps the size; places it centred (per flag) or at target's left/top edge.
    void AlignRect(const RECT& rcTarget, UINT uFlags);
};

} // namespace SkinUI
