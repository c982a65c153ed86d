// tagTResInfo: the resource tables of one window (inside its paint manager) or of the whole
// process (the shared record): default colours, the default font, custom fonts, images,
// default attribute lists, styles and parsed image descriptions.
//
// Contract: every map has 83 buckets and its values belong to the record's owner, the paint
// manager, which frees them when they are removed or replaced (fonts: tagTFontInfo*, images:
// tagTImageInfo*, attribute lists and styles: CUIString*, descriptions: tagTDrawInfo*).
// Keys are case-sensitive. The record itself frees nothing: it is plain storage.
//
// Not done: no operations; see CPaintManagerUI for adding, finding and removing entries.
#pragma once

#include <windows.h>
#include "engine/core/CStdStringPtrMap.h"
#include "engine/resources/tagTFontInfo.h"

namespace SkinUI
{

struct tagTResInfo
{
    tagTResInfo()
        : m_dwDefaultDisabledColor(0), m_dwDefaultFontColor(0), m_dwDefaultLinkFontColor(0),
          m_dwDefaultLinkHoverFontColor(0), m_dwDefaultSelectedBkColor(0), m_CustomFonts(83), m_ImageHash(83),
          m_AttrHash(83), m_StyleHash(83), m_DrawInfoHash(83)
    {
    }
    tagTResInfo(const tagTResInfo&) = delete;
    tagTResInfo& operator=(const tagTResInfo&) = delete;

    DWORD m_dwDefaultDisabledColor;
    DWORD m_dwDefaultFontColor;
    DWORD m_dwDefaultLinkFontColor;
    DWORD m_dwDefaultLinkHoverFontColor;
    DWORD m_dwDefaultSelectedBkColor;
    tagTFontInfo m_DefaultFontInfo;
    CStdStringPtrMap m_CustomFonts;  // font id as decimal text -> tagTFontInfo*
    CStdStringPtrMap m_ImageHash;    // image key -> tagTImageInfo*
    CStdStringPtrMap m_AttrHash;     // element name -> CUIString* (default attribute list)
    CStdStringPtrMap m_StyleHash;    // style name -> CUIString*
    CStdStringPtrMap m_DrawInfoHash; // description + modifier -> tagTDrawInfo* (window only)
};

} // namespace SkinUI
