// tagTFontInfo: one font of a window's or the shared font table, or a default font.
//
// Contract: the record owns its font object (hFont); iSize is the nominal size in logical
// pixels at 96 DPI, before DPI scaling; tm stays all zero until the font has been measured
// in a device context. id is -1 for the default fonts.
//
// Not done: creating, measuring and rebuilding the font are the paint manager's work.
#pragma once

#include <windows.h>
#include "engine/core/CUIString.h"
#include "engine/resources/CGdiObject.h"

namespace SkinUI
{

struct tagTFontInfo
{
    tagTFontInfo() : id(0), iSize(0), bBold(false), bUnderline(false), bItalic(false), bDefault(false)
    {
        ::ZeroMemory(&tm, sizeof(tm));
    }
    tagTFontInfo(const tagTFontInfo&) = delete;
    tagTFontInfo& operator=(const tagTFontInfo&) = delete;

    int id;
    CGdiObject<HFONT> hFont;
    CUIString sFontName;
    int iSize;
    bool bBold;
    bool bUnderline;
    bool bItalic;
    bool bDefault; // set by SetDefaultFont
    TEXTMETRICW tm;
};

} // namespace SkinUI
