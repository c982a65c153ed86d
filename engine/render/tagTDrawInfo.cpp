#include "engine/render/tagTDrawInfo.h"

#include <stdlib.h>
#include <wchar.h>

#include "engine/core/CUIRect.h"
#include "engine/manager/CDPI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/resources/CByteBuffer.h"
#include "engine/resources/CResourceReader.h"

namespace SkinUI
{

namespace
{

inline bool IsBlank(wchar_t ch)
{
    return ch != L'\0' && ch <= 32;
}

RECT ReadRect(const CUIString& sValue)
{
    CUIRect rc;
    rc.FromString(sValue);
    return rc;
}

DWORD ReadColor(const CUIString& sValue)
{
    const wchar_t* p = sValue.GetData();
    if (*p == L'#')
        ++p;
    return wcstoul(p, NULL, 16);
}

bool ReadBool(const CUIString& sValue)
{
    return sValue.CompareNoCase(L"true") == 0;
}

// Corners and padding are four widths, not a rectangle: each is scaled on its own.
void ScaleWidths(CDPI* pDPI, RECT& rc)
{
    rc.left = pDPI->Scale(static_cast<int>(rc.left));
    rc.top = pDPI->Scale(static_cast<int>(rc.top));
    rc.right = pDPI->Scale(static_cast<int>(rc.right));
    rc.bottom = pDPI->Scale(static_cast<int>(rc.bottom));
}

CDPI* DpiOf(CPaintManagerUI* pManager)
{
    return pManager != NULL ? pManager->GetDPIObj() : NULL;
}

// Whether the skin resources hold an image of this name; only the bytes are read.
bool CanLoadImage(const CUIString& sName, const CUIString& sResType)
{
    CByteBuffer buffer;
    if (!sResType.IsEmpty())
    {
        return CResourceReader::ReadModuleResource(STRINGorID(sName.GetData()), sResType, NULL, buffer) ==
               CResourceReader::READ_OK;
    }
    return CResourceReader::ReadImageOrFont(sName, buffer) == CResourceReader::READ_OK;
}

} // namespace

tagTDrawInfo::tagTDrawInfo()
{
    Clear();
}

void tagTDrawInfo::Clear()
{
    m_sDrawString.Empty();
    m_sDrawModify.Empty();
    m_sImageName.Empty();
    m_sResType.Empty();
    ::SetRectEmpty(&m_rcDest);
    ::SetRectEmpty(&m_rcSource);
    ::SetRectEmpty(&m_rcCorner);
    m_dwMask = 0;
    m_uFade = 255;
    m_bHole = false;
    m_bTiledX = false;
    m_bTiledY = false;
    m_bHSL = false;
    ::SetRectEmpty(&m_rcPadding);
    m_uAlign = 0;
    m_nWidth = 0;
    m_nHeight = 0;
    m_dwFillColor = 0;
}

void tagTDrawInfo::Parse(const wchar_t* pStrImage, const wchar_t* pStrModify, CPaintManagerUI* pManager)
{
    Clear();
    m_sDrawString = pStrImage;
    m_sDrawModify = pStrModify;
    m_sImageName = pStrImage;

    ParseText(pStrImage, pManager);
    ParseText(pStrModify, pManager);

    CDPI* pDPI = DpiOf(pManager);
    if (pDPI == NULL || pDPI->GetScale() == 100 || m_sImageName.IsEmpty())
        return;
    CUIString sSuffix;
    sSuffix.SmallFormat(L"@%d.", static_cast<int>(pDPI->GetScale()));
    CUIString sScaled = m_sImageName;
    if (sScaled.Replace(L".", sSuffix) == 0)
        return;
    if (!CanLoadImage(sScaled, m_sResType))
        return;
    m_sImageName = sScaled;
    pDPI->Scale(&m_rcSource);
    ScaleWidths(pDPI, m_rcCorner);
}

void tagTDrawInfo::ParseText(const wchar_t* pStr, CPaintManagerUI* pManager)
{
    if (pStr == NULL)
        return;
    const wchar_t* p = pStr;
    for (;;)
    {
        while (IsBlank(*p))
            ++p;
        if (*p == L'\0')
            return;
        const wchar_t* pKey = p;
        while (*p != L'\0' && *p != L'=' && !IsBlank(*p))
            ++p;
        CUIString sKey(pKey, static_cast<int>(p - pKey));
        while (IsBlank(*p))
            ++p;
        if (*p != L'=')
            return;
        ++p;
        while (IsBlank(*p))
            ++p;
        if (*p != L'\'')
            return;
        ++p;
        const wchar_t* pValue = p;
        while (*p != L'\0' && *p != L'\'')
            ++p;
        if (*p != L'\'')
            return; // unterminated value: ignored, earlier items stay
        CUIString sValue(pValue, static_cast<int>(p - pValue));
        ++p;
        if (!sValue.IsEmpty())
            ApplyItem(sKey, sValue, pManager);
        if (!IsBlank(*p))
            return; // end of text, or junk glued to the closing quote
        ++p;
    }
}

void tagTDrawInfo::ApplyItem(const CUIString& sKey, const CUIString& sValue, CPaintManagerUI* pManager)
{
    CDPI* pDPI = DpiOf(pManager);
    if (sKey == L"file" || sKey == L"res")
    {
        m_sImageName = sValue;
    }
    else if (sKey == L"restype")
    {
        m_sResType = sValue;
    }
    else if (sKey == L"dest")
    {
        m_rcDest = ReadRect(sValue);
        if (pDPI != NULL)
            pDPI->Scale(&m_rcDest);
    }
    else if (sKey == L"source")
    {
        m_rcSource = ReadRect(sValue);
    }
    else if (sKey == L"corner")
    {
        m_rcCorner = ReadRect(sValue);
    }
    else if (sKey == L"mask")
    {
        m_dwMask = ReadColor(sValue);
    }
    else if (sKey == L"fade")
    {
        // Out-of-range opacities are clamped rather than wrapped (300 must not become 44).
        long nFade = wcstol(sValue, NULL, 10);
        m_uFade = static_cast<BYTE>(nFade < 0 ? 0 : (nFade > 255 ? 255 : nFade));
    }
    else if (sKey == L"hole")
    {
        m_bHole = ReadBool(sValue);
    }
    else if (sKey == L"xtiled")
    {
        m_bTiledX = ReadBool(sValue);
    }
    else if (sKey == L"ytiled")
    {
        m_bTiledY = ReadBool(sValue);
    }
    else if (sKey == L"hsl")
    {
        m_bHSL = ReadBool(sValue);
    }
    else if (sKey == L"padding")
    {
        m_rcPadding = ReadRect(sValue);
        if (pDPI != NULL)
            ScaleWidths(pDPI, m_rcPadding);
    }
    else if (sKey == L"align")
    {
        if (sValue.CompareNoCase(L"left") == 0)
            m_uAlign &= ~(ALIGN_CENTER | ALIGN_RIGHT);
        else if (sValue.CompareNoCase(L"right") == 0)
            m_uAlign = (m_uAlign & ~ALIGN_CENTER) | ALIGN_RIGHT;
        else if (sValue.CompareNoCase(L"center") == 0)
            m_uAlign = (m_uAlign & ~ALIGN_RIGHT) | ALIGN_CENTER;
    }
    else if (sKey == L"valign")
    {
        if (sValue.CompareNoCase(L"top") == 0)
            m_uAlign &= ~(ALIGN_VCENTER | ALIGN_BOTTOM);
        else if (sValue.CompareNoCase(L"bottom") == 0)
            m_uAlign = (m_uAlign & ~ALIGN_VCENTER) | ALIGN_BOTTOM;
        else if (sValue.CompareNoCase(L"vcenter") == 0)
            m_uAlign = (m_uAlign & ~ALIGN_BOTTOM) | ALIGN_VCENTER;
    }
    else if (sKey == L"width")
    {
        m_nWidth = static_cast<int>(wcstol(sValue, NULL, 10));
        if (pDPI != NULL)
            m_nWidth = pDPI->Scale(m_nWidth);
    }
    else if (sKey == L"height")
    {
        m_nHeight = static_cast<int>(wcstol(sValue, NULL, 10));
        if (pDPI != NULL)
            m_nHeight = pDPI->Scale(m_nHeight);
    }
    else if (sKey == L"fillcolor")
    {
        m_dwFillColor = ReadColor(sValue);
    }
}

} // namespace SkinUI
