#include "engine/controls/CLayoutSeparator.h"

#include "engine/controls/AttributeValues.h"
#include "engine/controls/CControlUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"

namespace SkinUI
{

CLayoutSeparator::CLayoutSeparator(bool bHorizontal)
    : m_bHorizontal(bHorizontal), m_iSepSize(0), m_uDragState(0),
      m_bImmMode(false), m_ptLastMouse{0, 0}, m_rcNewPos{0, 0, 0, 0}
{
}

int CLayoutSeparator::ScaledSize(const CControlUI& owner) const
{
    CPaintManagerUI* pManager = owner.GetManager();
    return pManager != nullptr ? pManager->GetDPIObj()->Scale(m_iSepSize) : m_iSepSize;
}

void CLayoutSeparator::SetImmMode(CControlUI& owner, bool bImmediately)
{
    if (m_bImmMode == bImmediately)
        return;
    if (IsDragging() && !m_bImmMode && owner.GetManager() != nullptr)
        owner.GetManager()->RemovePostPaint(&owner);
    m_bImmMode = bImmediately;
}

RECT CLayoutSeparator::GetThumbRect(const CControlUI& owner, bool bUseDragRect) const
{
    const RECT rc = (bUseDragRect && IsDragging()) ? m_rcNewPos : owner.GetPos();
    const int iSize = ScaledSize(owner);
    if (iSize == 0)
        return RECT{0, 0, 0, 0};
    if (m_bHorizontal)
    {
        if (iSize < 0)
            return RECT{rc.left, rc.top, SaturatingSub(rc.left, iSize), rc.bottom};
        return RECT{SaturatingSub(rc.right, iSize), rc.top, rc.right, rc.bottom};
    }
    if (iSize < 0)
        return RECT{rc.left, rc.top, rc.right, SaturatingSub(rc.top, iSize)};
    return RECT{rc.left, SaturatingSub(rc.bottom, iSize), rc.right, rc.bottom};
}

bool CLayoutSeparator::DoEvent(CControlUI& owner, const tagTEventUI& event)
{
    if (m_iSepSize == 0)
        return false;
    CPaintManagerUI* pManager = owner.GetManager();
    switch (event.Type)
    {
    case EventType::ButtonDown:
    {
        if (!owner.IsEnabled())
            return false;
        const RECT rcThumb = GetThumbRect(owner, false);
        if (!::PtInRect(&rcThumb, event.ptMouse))
            return false;
        m_uDragState |= kDragging;
        m_ptLastMouse = event.ptMouse;
        m_rcNewPos = owner.GetPos();
        if (!m_bImmMode && pManager != nullptr)
            pManager->AddPostPaint(&owner);
        return true;
    }
    case EventType::ButtonUp:
        if (!IsDragging())
            return false;
        m_uDragState &= ~kDragging;
        m_rcNewPos = owner.GetPos();
        if (pManager != nullptr)
            pManager->RemovePostPaint(&owner);
        owner.NeedParentUpdate();
        return true;
    case EventType::MouseMove:
        if (!IsDragging())
            return false;
        DragTo(owner, event.ptMouse);
        return true;
    case EventType::SetCursor:
    {
        const RECT rcThumb = GetThumbRect(owner, false);
        if (!owner.IsEnabled() || !::PtInRect(&rcThumb, event.ptMouse))
            return false;
        ::SetCursor(::LoadCursor(nullptr, m_bHorizontal ? IDC_SIZEWE : IDC_SIZENS));
        return true;
    }
    default:
        return false;
    }
}

void CLayoutSeparator::DragTo(CControlUI& owner, POINT pt)
{
    RECT rc = m_rcNewPos;
    const bool bLeading = m_iSepSize < 0;
    // The dragged edge, its mouse coordinate and the mouse delta, along the main axis.
    LONG& edge = m_bHorizontal ? (bLeading ? rc.left : rc.right) : (bLeading ? rc.top : rc.bottom);
    const LONG mouse = m_bHorizontal ? pt.x : pt.y;
    const LONG delta = SaturatingSub(mouse, m_bHorizontal ? m_ptLastMouse.x : m_ptLastMouse.y);
    m_ptLastMouse = pt;
    // The edge follows the mouse only towards it, never past it the wrong way.
    if ((delta > 0 && mouse < edge) || (delta < 0 && mouse > edge))
        return;
    edge = SaturatingAdd(edge, delta);

    const int iSize = m_bHorizontal ? SaturatingSub(rc.right, rc.left) : SaturatingSub(rc.bottom, rc.top);
    const int iMin = m_bHorizontal ? owner.GetMinWidth() : owner.GetMinHeight();
    const int iMax = m_bHorizontal ? owner.GetMaxWidth() : owner.GetMaxHeight();
    if (iSize < iMin || iSize > iMax)
        return;

    const RECT rcOldThumb = GetThumbRect(owner, true);
    m_rcNewPos = rc;
    CPaintManagerUI* pManager = owner.GetManager();
    if (m_bImmMode)
    {
        const int iLogical = pManager != nullptr ? pManager->GetDPIObj()->ScaleBack(iSize) : iSize;
        if (m_bHorizontal)
            owner.SetFixedWidth(iLogical);
        else
            owner.SetFixedHeight(iLogical);
        return;
    }
    if (pManager == nullptr)
        return;
    RECT rcInvalidate = GetThumbRect(owner, true);
    ::UnionRect(&rcInvalidate, &rcInvalidate, &rcOldThumb);
    pManager->Invalidate(rcInvalidate);
}

void CLayoutSeparator::DoPostPaint(const CControlUI& owner, HDC hDC) const
{
    if (!IsDragging() || m_bImmMode)
        return;
    CRenderEngine::DrawColor(hDC, GetThumbRect(owner, true), 0xAA000000);
}

} // namespace SkinUI
