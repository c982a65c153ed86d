#include "engine/controls/CBoxLayoutUI.h"

#include <wchar.h>

#include "engine/controls/AttributeValues.h"

namespace SkinUI
{

CBoxLayoutUI::CBoxLayoutUI(bool bHorizontal)
    : m_bHorizontal(bHorizontal), m_separator(bHorizontal), m_layout(bHorizontal)
{
}

CBoxLayoutUI::~CBoxLayoutUI() = default;

UINT CBoxLayoutUI::GetControlFlags() const
{
    return (IsEnabled() && m_separator.GetSize() != 0) ? static_cast<UINT>(FlagSetCursor) : 0u;
}

void CBoxLayoutUI::SetSepImmMode(bool bImmediately)
{
    m_separator.SetImmMode(*this, bImmediately);
}

bool CBoxLayoutUI::IsSepImmMode() const
{
    return m_separator.IsImmMode();
}

RECT CBoxLayoutUI::GetThumbRect(bool bUseNew) const
{
    return m_separator.GetThumbRect(*this, bUseNew);
}

CLinearLayout::tagTScroll CBoxLayoutUI::ScrollOffsets() const
{
    CLinearLayout::tagTScroll scroll = {0, 0, 0, 0, 0};
    const SIZE szPos = GetScrollPos();
    const SIZE szRange = GetScrollRange();
    const bool bVertical = m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible();
    const bool bHorizontal = m_pHorizontalScrollBar != nullptr && m_pHorizontalScrollBar->IsVisible();
    if (m_bHorizontal)
    {
        // A row grows and moves its children by the vertical bar; the horizontal bar shifts it.
        if (bVertical)
            scroll = {0, 0, szPos.cy, szRange.cy, szRange.cy};
        if (bHorizontal)
            scroll.mainPos = szPos.cx;
        return scroll;
    }
    // A column: both ranges widen the available space; only the vertical position moves it.
    if (bHorizontal)
        scroll.crossGrow = szRange.cx;
    if (bVertical)
    {
        scroll.mainGrow = szRange.cy;
        scroll.mainPos = szPos.cy;
    }
    return scroll;
}

void CBoxLayoutUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    CControlUI::SetPos(rc, bNeedInvalidate);
    const RECT rcWork = GetClientPos();
    if (m_items.IsEmpty())
    {
        ProcessScrollBar(rcWork, 0, 0);
        return;
    }
    CLinearLayout::tagTNeeded needed = {0, 0};
    m_layout.Run(
        m_items, rcWork, m_iChildPadding, m_iChildAlign, m_iChildVAlign, ScrollOffsets(),
        [this](int iIndex) { SetFloatPos(iIndex); }, nullptr, nullptr, &needed);
    if (m_bHorizontal)
        ProcessScrollBar(rcWork, needed.main, needed.cross);
    else
        ProcessScrollBar(rcWork, needed.cross, needed.main);
}

bool CBoxLayoutUI::CalcPos(CControlUI* pChildControl, RECT& rcChild)
{
    if (pChildControl == nullptr)
        return false;
    return m_layout.Run(m_items, GetClientPos(), m_iChildPadding, m_iChildAlign, m_iChildVAlign,
                        ScrollOffsets(), nullptr, pChildControl, &rcChild, nullptr);
}

void CBoxLayoutUI::DoEvent(tagTEventUI& event)
{
    if (m_separator.DoEvent(*this, event))
        return;
    CContainerUI::DoEvent(event);
}

void CBoxLayoutUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName != nullptr && _wcsicmp(pstrName, m_bHorizontal ? L"sepwidth" : L"sepheight") == 0)
        SetSepSize(ReadInt(pstrValue));
    else if (pstrName != nullptr && _wcsicmp(pstrName, L"sepimm") == 0)
        SetSepImmMode(ReadBool(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

SIZE CBoxLayoutUI::EstimateSize(SIZE szAvailable)
{
    return CContainerUI::EstimateSize(szAvailable);
}

void CBoxLayoutUI::DoPostPaint(HDC hDC, const RECT&)
{
    m_separator.DoPostPaint(*this, hDC);
}

} // namespace SkinUI
