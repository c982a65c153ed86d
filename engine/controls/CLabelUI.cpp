#include "engine/controls/CLabelUI.h"

#include <wchar.h>

#include "engine/controls/AttributeValues.h"
#include "engine/core/CUIRect.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CMemoryDC.h"

namespace SkinUI
{

namespace
{

bool Is(const wchar_t* a, const wchar_t* b)
{
    return _wcsicmp(a, b) == 0;
}

bool Contains(const wchar_t* pstrValue, const wchar_t* pstrWord)
{
    return wcsstr(pstrValue, pstrWord) != nullptr;
}

void SetBits(UINT& uStyle, UINT uBits, bool bOn)
{
    uStyle = bOn ? (uStyle | uBits) : (uStyle & ~uBits);
}

} // namespace

CLabelUI::CLabelUI()
    : m_dwTextColor(0), m_dwDisabledTextColor(0), m_iFont(-1),
      m_uTextStyle(DT_VCENTER | DT_SINGLELINE), m_rcTextPadding{0, 0, 0, 0}, m_bShowHtml(false)
{
}

CLabelUI::~CLabelUI() = default;

CControlUI* CLabelUI::CreateControl()
{
    return new CLabelUI;
}

const wchar_t* CLabelUI::GetClass() const
{
    return L"LabelUI";
}

void* CLabelUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && Is(pstrName, L"Label"))
        return static_cast<CLabelUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

UINT CLabelUI::GetControlFlags() const
{
    return IsEnabled() ? static_cast<UINT>(FlagSetCursor) : 0u;
}

void CLabelUI::SetText(const wchar_t* pstrText)
{
    const CUIString sOld = m_sText;
    CControlUI::SetText(pstrText);
    // An auto-sized label is measured again by its parent's next layout.
    if (m_bAutoCalcWidth && sOld != m_sText.GetData())
        NeedParentUpdate();
}

void CLabelUI::DoEvent(tagTEventUI& event)
{
    if (event.Type == EventType::SetFocus)
    {
        m_bFocused = true;
        return;
    }
    if (event.Type == EventType::KillFocus)
    {
        m_bFocused = false;
        return;
    }
    CControlUI::DoEvent(event);
}

void CLabelUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = L"";
    if (Is(pstrName, L"align"))
    {
        if (Contains(pstrValue, L"left"))
            m_uTextStyle &= ~(DT_CENTER | DT_RIGHT);
        if (Contains(pstrValue, L"center"))
        {
            m_uTextStyle |= DT_CENTER;
            m_uTextStyle &= ~DT_RIGHT;
        }
        if (Contains(pstrValue, L"right"))
        {
            m_uTextStyle |= DT_RIGHT;
            m_uTextStyle &= ~DT_CENTER;
        }
    }
    else if (Is(pstrName, L"valign"))
    {
        UINT uVertical = 0;
        if (Contains(pstrValue, L"top"))
            uVertical = DT_TOP;
        else if (Contains(pstrValue, L"vcenter"))
            uVertical = DT_VCENTER;
        else if (Contains(pstrValue, L"bottom"))
            uVertical = DT_BOTTOM;
        else
            return;
        m_uTextStyle = (m_uTextStyle & ~(DT_VCENTER | DT_BOTTOM | DT_WORDBREAK)) | DT_SINGLELINE | uVertical;
    }
    else if (Is(pstrName, L"endellipsis"))
        SetBits(m_uTextStyle, DT_END_ELLIPSIS, ReadBool(pstrValue));
    else if (Is(pstrName, L"wordbreak"))
    {
        if (ReadBool(pstrValue))
            m_uTextStyle = (m_uTextStyle & ~DT_SINGLELINE) | DT_WORDBREAK | DT_EDITCONTROL;
        else
            m_uTextStyle = (m_uTextStyle & ~(DT_WORDBREAK | DT_EDITCONTROL)) | DT_SINGLELINE;
    }
    else if (Is(pstrName, L"noprefix"))
        SetBits(m_uTextStyle, DT_NOPREFIX, ReadBool(pstrValue));
    else if (Is(pstrName, L"font"))
        SetFont(ReadInt(pstrValue));
    else if (Is(pstrName, L"textcolor"))
        SetTextColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"disabledtextcolor"))
        SetDisabledTextColor(ReadColor(pstrValue, false));
    else if (Is(pstrName, L"textpadding"))
        SetTextPadding(CUIRect(pstrValue));
    else if (Is(pstrName, L"showhtml"))
        SetShowHtml(ReadBool(pstrValue));
    else
        CControlUI::SetAttribute(pstrName, pstrValue);
}

SIZE CLabelUI::EstimateSize(SIZE szAvailable)
{
    if ((!m_bAutoCalcWidth && !m_bAutoCalcHeight) || m_pManager == nullptr)
        return CControlUI::EstimateSize(szAvailable);

    const CUIString sText = GetText();
    RECT rcText = {0, 0, szAvailable.cx, szAvailable.cy};
    HDC hDC = m_pManager->GetPaintDC();
    CMemoryDC measureDC; // only used when the window has no paint DC yet
    if (hDC == nullptr)
        hDC = measureDC.Get();
    if (m_bShowHtml)
    {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rcText, sText, 0, nullptr, nullptr, nLinks, m_iFont,
                                    DT_CALCRECT | m_uTextStyle);
    }
    else
        CRenderEngine::DrawText(hDC, m_pManager, rcText, sText, 0, m_iFont, DT_CALCRECT | m_uTextStyle);

    // The measured size becomes the fixed size, stored in logical pixels like markup sizes.
    const RECT rcPadding = GetTextPadding();
    CDPI* pDPI = m_pManager->GetDPIObj();
    if (m_bAutoCalcWidth)
        m_cxyFixed.cx = pDPI->ScaleBack(SaturatingAdd(static_cast<long long>(rcText.right) - rcText.left,
                                                      rcPadding.left + rcPadding.right));
    if (m_bAutoCalcHeight)
        m_cxyFixed.cy = pDPI->ScaleBack(SaturatingAdd(static_cast<long long>(rcText.bottom) - rcText.top,
                                                      rcPadding.top + rcPadding.bottom));
    return CControlUI::EstimateSize(szAvailable);
}

void CLabelUI::ResolveDefaultColors()
{
    if (m_pManager == nullptr)
        return;
    if (m_dwTextColor == 0)
        m_dwTextColor = m_pManager->GetDefaultFontColor();
    if (m_dwDisabledTextColor == 0)
        m_dwDisabledTextColor = m_pManager->GetDefaultDisabledColor();
}

void CLabelUI::DrawLabelText(HDC hDC, DWORD dwColor, int iFont)
{
    const CUIString sText = GetText();
    if (sText.IsEmpty())
        return;
    const RECT rcPadding = GetTextPadding();
    RECT rc = {m_rcItem.left + rcPadding.left, m_rcItem.top + rcPadding.top, m_rcItem.right - rcPadding.right,
               m_rcItem.bottom - rcPadding.bottom};
    if (m_bShowHtml)
    {
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(hDC, m_pManager, rc, sText, dwColor, nullptr, nullptr, nLinks, iFont,
                                    m_uTextStyle);
    }
    else
        CRenderEngine::DrawText(hDC, m_pManager, rc, sText, dwColor, iFont, m_uTextStyle);
}

void CLabelUI::PaintText(HDC hDC)
{
    ResolveDefaultColors();
    DrawLabelText(hDC, IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor, m_iFont);
}

void CLabelUI::SetTextColor(DWORD dwTextColor)
{
    if (m_dwTextColor == dwTextColor)
        return;
    m_dwTextColor = dwTextColor;
    Invalidate();
}

DWORD CLabelUI::GetTextColor() const
{
    return m_dwTextColor;
}

void CLabelUI::SetDisabledTextColor(DWORD dwTextColor)
{
    if (m_dwDisabledTextColor == dwTextColor)
        return;
    m_dwDisabledTextColor = dwTextColor;
    Invalidate();
}

DWORD CLabelUI::GetDisabledTextColor() const
{
    return m_dwDisabledTextColor;
}

void CLabelUI::SetFont(int index)
{
    m_iFont = index;
    Invalidate();
}

int CLabelUI::GetFont() const
{
    return m_iFont;
}

void CLabelUI::SetTextStyle(UINT uStyle)
{
    m_uTextStyle = uStyle;
    Invalidate();
}

UINT CLabelUI::GetTextStyle() const
{
    return m_uTextStyle;
}

void CLabelUI::SetTextPadding(RECT rc)
{
    m_rcTextPadding = rc;
    Invalidate();
}

RECT CLabelUI::GetTextPadding() const
{
    return RECT{ScaleValue(m_rcTextPadding.left), ScaleValue(m_rcTextPadding.top),
                ScaleValue(m_rcTextPadding.right), ScaleValue(m_rcTextPadding.bottom)};
}

void CLabelUI::SetShowHtml(bool bShowHtml)
{
    if (m_bShowHtml == bShowHtml)
        return;
    m_bShowHtml = bShowHtml;
    Invalidate();
}

bool CLabelUI::IsShowHtml() const
{
    return m_bShowHtml;
}

} // namespace SkinUI
