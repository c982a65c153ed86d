// tagTDrawInfo: the parsed form of an image draw description such as
// "file='btn.png' source='0,0,160,40' corner='5,5,5,5'": which image, which part of it, where
// it goes and how (9-slice corners, tiling, hole, fade, alignment, padding, requested size).
//
// Contract: Parse reads the description and then the modifier with the same rules, so the
// modifier's keys override the description's. A text without any key='value' item is an image
// name. Malformed items end the reading of that text and keep what was read before. With a
// manager, destination, padding and requested size are DPI-scaled, and at a scale other than
// 100 % an image named with "@<scale>." before each "." is used when the skin resources hold
// it (its source and corner rectangles are then scaled too).
//
// Not done: no loading or drawing (CRenderEngine::DrawImageInfo); the "hsl" flag is only stored.
#pragma once

#include <windows.h>

#include "engine/core/CUIString.h"

namespace SkinUI
{

class CPaintManagerUI;

struct tagTDrawInfo
{
    // Alignment bits of m_uAlign.
    enum
    {
        ALIGN_CENTER = 0x1,
        ALIGN_RIGHT = 0x2,
        ALIGN_VCENTER = 0x4,
        ALIGN_BOTTOM = 0x8
    };

    tagTDrawInfo();
    void Parse(const wchar_t* pStrImage, const wchar_t* pStrModify, CPaintManagerUI* pManager);
    void Clear();

    CUIString m_sDrawString;
    CUIString m_sDrawModify;
    CUIString m_sImageName;
    CUIString m_sResType;
    RECT m_rcDest;
    RECT m_rcSource;
    RECT m_rcCorner;
    DWORD m_dwMask;
    BYTE m_uFade;
    bool m_bHole;
    bool m_bTiledX;
    bool m_bTiledY;
    bool m_bHSL;
    RECT m_rcPadding;
    UINT m_uAlign;
    int m_nWidth;
    int m_nHeight;
    DWORD m_dwFillColor;

private:
    void ParseText(const wchar_t* pStr, CPaintManagerUI* pManager);
    void ApplyItem(const CUIString& sKey, const CUIString& sValue, CPaintManagerUI* pManager);
};

} // namespace SkinUI
