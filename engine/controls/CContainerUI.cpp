#include "engine/controls/CContainerUI.h"

#include <wchar.h>

#include "engine/controls/AttributeValues.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderClip.h"

namespace SkinUI
{

namespace
{

bool Overlap(RECT& rcOut, const RECT& a, const RECT& b)
{
    return ::IntersectRect(&rcOut, &a, &b) != FALSE;
}

} // namespace

CContainerUI::CContainerUI()
    : m_rcInset{0, 0, 0, 0}, m_iChildPadding(0), m_iChildAlign(0), m_iChildVAlign(0), m_bAutoDestroy(true),
      m_bDelayedDestroy(true), m_bMouseChildEnabled(true), m_nScrollStepSize(0),
      m_pVerticalScrollBar(nullptr), m_pHorizontalScrollBar(nullptr)
{
}

CContainerUI::~CContainerUI()
{
    // Children go now, not through the delayed clean-up: the container itself is going.
    m_bDelayedDestroy = false;
    RemoveAll();
    delete m_pVerticalScrollBar;
    delete m_pHorizontalScrollBar;
}

CControlUI* CContainerUI::CreateControl()
{
    return new CContainerUI;
}

const wchar_t* CContainerUI::GetClass() const
{
    return L"ContainerUI";
}

void* CContainerUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName == nullptr)
        return nullptr;
    if (_wcsicmp(pstrName, L"IContainer") == 0)
        return static_cast<IContainerUI*>(this);
    if (_wcsicmp(pstrName, L"Container") == 0)
        return static_cast<CContainerUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

// ---- children -----------------------------------------------------------------------------

CControlUI* CContainerUI::GetItemAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_items.GetSize())
        return nullptr;
    return static_cast<CControlUI*>(m_items[iIndex]);
}

int CContainerUI::GetItemIndex(CControlUI* pControl) const
{
    if (pControl == nullptr)
        return -1;
    return m_items.Find(pControl);
}

bool CContainerUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    const int iOld = GetItemIndex(pControl);
    if (iOld < 0 || iIndex < 0 || iIndex >= m_items.GetSize())
        return false;
    if (iOld == iIndex)
        return true;
    m_items.Remove(iOld);
    if (!m_items.InsertAt(iIndex, pControl))
    {
        m_items.InsertAt(iOld, pControl);
        return false;
    }
    NeedUpdate();
    return true;
}

int CContainerUI::GetCount() const
{
    return m_items.GetSize();
}

bool CContainerUI::Add(CControlUI* pControl)
{
    return AddAt(pControl, m_items.GetSize());
}

bool CContainerUI::AddAt(CControlUI* pControl, int iIndex)
{
    // A control is never its own child, nor twice a child of the same container.
    if (pControl == nullptr || pControl == this || m_items.Find(pControl) >= 0)
        return false;
    if (iIndex < 0 || iIndex > m_items.GetSize())
        return false;
    // A child of another container would be released by both; one of our own ancestors would
    // make the tree a cycle that every walk follows for ever.
    if (pControl->GetParent() != nullptr && pControl->GetParent() != this)
        return false;
    for (const CControlUI* pAncestor = GetParent(); pAncestor != nullptr; pAncestor = pAncestor->GetParent())
        if (pAncestor == pControl)
            return false;
    if (m_pManager != nullptr)
        m_pManager->InitControls(pControl, this);
    else
        pControl->SetManager(nullptr, this, false);
    if (IsVisible())
        NeedUpdate();
    else
        pControl->SetInternVisible(false);
    return m_items.InsertAt(iIndex, pControl);
}

bool CContainerUI::AddAt(CControlUI* pControl, CControlUI* pBeforeControl)
{
    const int iIndex = GetItemIndex(pBeforeControl);
    if (iIndex < 0)
        return false;
    return AddAt(pControl, iIndex);
}

void CContainerUI::ForgetChild(CControlUI* pControl)
{
    // Kept alive by the caller: no longer ours, so it may join another container.
    if (pControl->GetParent() == this)
        pControl->SetManager(pControl->GetManager(), nullptr, false);
}

void CContainerUI::DisposeChild(CControlUI* pControl)
{
    if (m_bDelayedDestroy && m_pManager != nullptr)
    {
        m_pManager->AddDelayedCleanup(pControl);
        return;
    }
    CPaintManagerUI::ReleaseFromTree(pControl);
}

bool CContainerUI::Remove(CControlUI* pControl, bool bDoNotDestroy)
{
    const int iIndex = GetItemIndex(pControl);
    if (iIndex < 0)
        return false;
    return RemoveAt(iIndex, bDoNotDestroy);
}

bool CContainerUI::RemoveAt(int iIndex, bool bDoNotDestroy)
{
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr)
        return false;
    NeedUpdate();
    // Out of the list first, so nothing the release triggers can reach it through us.
    m_items.Remove(iIndex);
    if (!bDoNotDestroy && m_bAutoDestroy)
        DisposeChild(pControl);
    else
        ForgetChild(pControl);
    return true;
}

void CContainerUI::RemoveAll()
{
    while (m_items.GetSize() > 0)
    {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[m_items.GetSize() - 1]);
        m_items.Remove(m_items.GetSize() - 1);
        if (m_bAutoDestroy)
            DisposeChild(pControl);
        else
            ForgetChild(pControl);
    }
    NeedUpdate();
}

// ---- manager, geometry --------------------------------------------------------------------

void CContainerUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items[i])->SetManager(pManager, this, bInit);
    if (m_pVerticalScrollBar != nullptr)
        m_pVerticalScrollBar->SetManager(pManager, this, bInit);
    if (m_pHorizontalScrollBar != nullptr)
        m_pHorizontalScrollBar->SetManager(pManager, this, bInit);
    CControlUI::SetManager(pManager, pParent, bInit);
}

RECT CContainerUI::GetClientPos() const
{
    RECT rc = m_rcItem;
    const RECT rcInset = GetInset();
    rc.left += rcInset.left;
    rc.top += rcInset.top;
    rc.right -= rcInset.right;
    rc.bottom -= rcInset.bottom;
    if (m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible())
        rc.right -= m_pVerticalScrollBar->GetFixedWidth();
    if (m_pHorizontalScrollBar != nullptr && m_pHorizontalScrollBar->IsVisible())
        rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
    return rc;
}

void CContainerUI::SetPos(RECT rc, bool bNeedInvalidate)
{
    CControlUI::SetPos(rc, bNeedInvalidate);
    if (m_items.IsEmpty())
        return;
    const RECT rcClient = GetClientPos();
    for (int i = 0; i < m_items.GetSize(); ++i)
    {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
        if (!pControl->IsVisible())
            continue;
        if (pControl->IsFloat())
        {
            SetFloatPos(i);
            continue;
        }
        int cx = SaturatingSub(rcClient.right, rcClient.left);
        int cy = SaturatingSub(rcClient.bottom, rcClient.top);
        if (cx < pControl->GetMinWidth())
            cx = pControl->GetMinWidth();
        if (cx > pControl->GetMaxWidth())
            cx = pControl->GetMaxWidth();
        if (cy < pControl->GetMinHeight())
            cy = pControl->GetMinHeight();
        if (cy > pControl->GetMaxHeight())
            cy = pControl->GetMaxHeight();
        pControl->SetPos(RECT{rcClient.left, rcClient.top, SaturatingAdd(rcClient.left, cx),
                              SaturatingAdd(rcClient.top, cy)},
                         false);
    }
}

void CContainerUI::Move(SIZE szOffset, bool bNeedInvalidate)
{
    CControlUI::Move(szOffset, bNeedInvalidate);
}

bool CContainerUI::CalcPos(CControlUI*, RECT&)
{
    return false;
}

void CContainerUI::SetFloatPos(int iIndex)
{
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr || !pControl->IsVisible() || !pControl->IsFloat())
        return;

    const SIZE szXY = pControl->GetFixedXY();
    const SIZE sz = {pControl->GetFixedWidth(), pControl->GetFixedHeight()};
    const long long parentWidth = static_cast<long long>(m_rcItem.right) - m_rcItem.left;
    const long long parentHeight = static_cast<long long>(m_rcItem.bottom) - m_rcItem.top;
    RECT rcCtrl = {0, 0, 0, 0};

    const UINT uAlign = pControl->GetFloatAlign();
    const tagTPercentInfo rcPercent = pControl->GetFloatPercent();
    if (uAlign != 0)
    {
        long long x = szXY.cx;
        long long y = szXY.cy;
        if (uAlign & 0x1)
            x = (parentWidth - sz.cx) / 2;
        else if (uAlign & 0x2)
            x = parentWidth - sz.cx;
        if (uAlign & 0x4)
            y = (parentHeight - sz.cy) / 2;
        else if (uAlign & 0x8)
            y = parentHeight - sz.cy;
        rcCtrl.left = SaturatingAdd(m_rcItem.left, x);
        rcCtrl.top = SaturatingAdd(m_rcItem.top, y);
        rcCtrl.right = SaturatingAdd(rcCtrl.left, sz.cx);
        rcCtrl.bottom = SaturatingAdd(rcCtrl.top, sz.cy);
    }
    else if (rcPercent.left != 0 || rcPercent.top != 0 || rcPercent.right != 0 || rcPercent.bottom != 0)
    {
        // The control clamps percents to a finite range, so these products fit a long long.
        const long long l = static_cast<long long>(parentWidth * rcPercent.left);
        const long long t = static_cast<long long>(parentHeight * rcPercent.top);
        const long long r = static_cast<long long>(parentWidth * rcPercent.right);
        const long long b = static_cast<long long>(parentHeight * rcPercent.bottom);
        rcCtrl.left = SaturatingAdd(m_rcItem.left, l + szXY.cx);
        rcCtrl.top = SaturatingAdd(m_rcItem.top, t + szXY.cy);
        rcCtrl.right = SaturatingAdd(m_rcItem.left, r + sz.cx + szXY.cx);
        rcCtrl.bottom = SaturatingAdd(m_rcItem.top, b + sz.cy + szXY.cy);
    }
    else
    {
        rcCtrl.left = SaturatingAdd(m_rcItem.left, szXY.cx);
        rcCtrl.top = SaturatingAdd(m_rcItem.top, szXY.cy);
        rcCtrl.right = SaturatingAdd(rcCtrl.left, sz.cx);
        rcCtrl.bottom = SaturatingAdd(rcCtrl.top, sz.cy);
        const POINT ptPos = pControl->GetFloatPosition();
        if (ptPos.x != 0 && szXY.cx == 0)
        {
            rcCtrl.left = SaturatingAdd(m_rcItem.left, ptPos.x * parentWidth / 100);
            rcCtrl.right = SaturatingAdd(rcCtrl.left, sz.cx);
        }
        if (ptPos.y != 0 && szXY.cy == 0)
        {
            rcCtrl.top = SaturatingAdd(m_rcItem.top, ptPos.y * parentHeight / 100);
            rcCtrl.bottom = SaturatingAdd(rcCtrl.top, sz.cy);
        }
        const int nWidthPercent = pControl->GetFixedWidthPercent();
        const int nHeightPercent = pControl->GetFixedHeightPercent();
        if (nWidthPercent != 0 && sz.cx == 0)
            rcCtrl.right = SaturatingAdd(rcCtrl.left, nWidthPercent * parentWidth / 100);
        if (nHeightPercent != 0 && sz.cy == 0)
            rcCtrl.bottom = SaturatingAdd(rcCtrl.top, nHeightPercent * parentHeight / 100);
    }
    pControl->SetPos(rcCtrl, false);
}

// ---- visibility and enabling --------------------------------------------------------------

void CContainerUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible)
        return;
    CControlUI::SetVisible(bVisible);
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items[i])->SetInternVisible(IsVisible());
}

void CContainerUI::SetInternVisible(bool bVisible)
{
    CControlUI::SetInternVisible(bVisible);
    if (m_items.IsEmpty())
        return;
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items[i])->SetInternVisible(IsVisible());
}

void CContainerUI::SetEnabled(bool bEnabled)
{
    m_bEnabled = bEnabled;
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items[i])->SetEnabled(bEnabled);
    Invalidate();
}

void CContainerUI::SetMouseEnabled(bool bEnable)
{
    if (m_pVerticalScrollBar != nullptr)
        m_pVerticalScrollBar->SetMouseEnabled(bEnable);
    if (m_pHorizontalScrollBar != nullptr)
        m_pHorizontalScrollBar->SetMouseEnabled(bEnable);
    CControlUI::SetMouseEnabled(bEnable);
}

// ---- search -------------------------------------------------------------------------------

CControlUI* CContainerUI::FindControl(FindControlProc Proc, void* pData, UINT uFlags)
{
    if ((uFlags & FindVisible) != 0 && !IsVisible())
        return nullptr;
    if ((uFlags & FindEnabled) != 0 && !IsEnabled())
        return nullptr;
    const bool bHitTest = (uFlags & FindHitTest) != 0;
    if (bHitTest && !::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData)))
        return nullptr;
    if ((uFlags & FindUpdateTest) != 0 && Proc(this, pData) != nullptr)
        return nullptr;

    CControlUI* pResult = nullptr;
    if ((uFlags & FindMeFirst) != 0 && (!bHitTest || IsMouseEnabled()))
        pResult = Proc(this, pData);
    if (pResult != nullptr)
        return pResult;

    if (!bHitTest || IsMouseEnabled())
    {
        if (m_pVerticalScrollBar != nullptr)
            pResult = m_pVerticalScrollBar->FindControl(Proc, pData, uFlags);
        if (pResult == nullptr && m_pHorizontalScrollBar != nullptr)
            pResult = m_pHorizontalScrollBar->FindControl(Proc, pData, uFlags);
        if (pResult != nullptr)
            return pResult;
    }

    if (!bHitTest || IsMouseChildEnabled())
    {
        const RECT rcClient = GetClientPos();
        const int nCount = m_items.GetSize();
        for (int n = 0; n < nCount; ++n)
        {
            // A callback may change the list: re-read the size and stop at its end.
            const int iIndex = (uFlags & FindTopFirst) != 0 ? nCount - 1 - n : n;
            if (iIndex >= m_items.GetSize())
                continue;
            CControlUI* pControl = static_cast<CControlUI*>(m_items[iIndex]);
            pResult = pControl->FindControl(Proc, pData, uFlags);
            if (pResult == nullptr)
                continue;
            if (bHitTest && !pResult->IsFloat() && !::PtInRect(&rcClient, *static_cast<const POINT*>(pData)))
                continue;
            return pResult;
        }
    }

    if ((uFlags & FindMeFirst) != 0 || (bHitTest && !IsMouseEnabled()))
        return nullptr;
    return Proc(this, pData);
}

CControlUI* CContainerUI::FindSubControl(const wchar_t* pstrSubControlName)
{
    if (m_pManager == nullptr || pstrSubControlName == nullptr)
        return nullptr;
    return m_pManager->FindSubControlByName(this, pstrSubControlName);
}

CUIString CContainerUI::GetSubControlText(const wchar_t* pstrSubControlName)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    return pControl != nullptr ? pControl->GetText() : CUIString();
}

bool CContainerUI::SetSubControlText(const wchar_t* pstrSubControlName, const wchar_t* pstrText)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    if (pControl == nullptr)
        return false;
    pControl->SetText(pstrText);
    return true;
}

CUIString CContainerUI::GetSubControlUserData(const wchar_t* pstrSubControlName)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    return pControl != nullptr ? pControl->GetUserData() : CUIString();
}

bool CContainerUI::SetSubControlUserData(const wchar_t* pstrSubControlName, const wchar_t* pstrText)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    if (pControl == nullptr)
        return false;
    pControl->SetUserData(pstrText);
    return true;
}

int CContainerUI::GetSubControlFixedHeight(const wchar_t* pstrSubControlName)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    return pControl != nullptr ? pControl->GetFixedHeight() : -1;
}

bool CContainerUI::SetSubControlFixedHeight(const wchar_t* pstrSubControlName, int cy)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    if (pControl == nullptr)
        return false;
    pControl->SetFixedHeight(cy);
    return true;
}

int CContainerUI::GetSubControlFixedWdith(const wchar_t* pstrSubControlName)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    return pControl != nullptr ? pControl->GetFixedWidth() : -1;
}

bool CContainerUI::SetSubControlFixedWdith(const wchar_t* pstrSubControlName, int cx)
{
    CControlUI* pControl = FindSubControl(pstrSubControlName);
    if (pControl == nullptr)
        return false;
    pControl->SetFixedWidth(cx);
    return true;
}

// ---- events and attributes ----------------------------------------------------------------

void CContainerUI::DoEvent(tagTEventUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.Type))
    {
        if (m_pParent != nullptr)
            m_pParent->DoEvent(event);
        else
            CControlUI::DoEvent(event);
        return;
    }
    if (event.Type == EventType::SetFocus || event.Type == EventType::KillFocus)
    {
        m_bFocused = event.Type == EventType::SetFocus;
        return;
    }
    // Scrolling keys and the wheel need a scroll bar, which no container builds yet.
    CControlUI::DoEvent(event);
}

void CContainerUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName == nullptr)
        return;
    if (pstrValue == nullptr)
        pstrValue = L"";
    if (_wcsicmp(pstrName, L"inset") == 0)
        SetInset(CUIRect(pstrValue));
    else if (_wcsicmp(pstrName, L"mousechild") == 0)
        SetMouseChildEnabled(ReadBool(pstrValue));
    else if (_wcsicmp(pstrName, L"vscrollbar") == 0)
        EnableScrollBar(ReadBool(pstrValue), GetHorizontalScrollBar() != nullptr);
    else if (_wcsicmp(pstrName, L"vscrollbarstyle") == 0)
        m_sVerticalScrollBarStyle = pstrValue;
    else if (_wcsicmp(pstrName, L"hscrollbar") == 0)
        EnableScrollBar(GetVerticalScrollBar() != nullptr, ReadBool(pstrValue));
    else if (_wcsicmp(pstrName, L"hscrollbarstyle") == 0)
        m_sHorizontalScrollBarStyle = pstrValue;
    else if (_wcsicmp(pstrName, L"childpadding") == 0)
        SetChildPadding(ReadInt(pstrValue));
    else if (wcscmp(pstrName, L"childalign") == 0)
    {
        if (wcscmp(pstrValue, L"left") == 0)
            m_iChildAlign = 0;
        else if (wcscmp(pstrValue, L"center") == 0)
            m_iChildAlign = 1;
        else if (wcscmp(pstrValue, L"right") == 0)
            m_iChildAlign = 2;
    }
    else if (wcscmp(pstrName, L"childvalign") == 0)
    {
        if (wcscmp(pstrValue, L"top") == 0)
            m_iChildVAlign = 0;
        else if (wcscmp(pstrValue, L"vcenter") == 0)
            m_iChildVAlign = 4;
        else if (wcscmp(pstrValue, L"bottom") == 0)
            m_iChildVAlign = 8;
    }
    else if (_wcsicmp(pstrName, L"scrollstepsize") == 0)
        SetScrollStepSize(ReadInt(pstrValue));
    else
        CControlUI::SetAttribute(pstrName, pstrValue);
}

// ---- estimate and painting ----------------------------------------------------------------

SIZE CContainerUI::EstimateSize(SIZE szAvailable)
{
    if (IsAnimationRunning(AnimIdShow) || IsAnimationRunning(AnimIdHide) || !m_bPaneVisible)
        return m_szAnimationCurrent;
    if (!m_bAutoCalcWidth && !m_bAutoCalcHeight)
        return CControlUI::EstimateSize(szAvailable);

    long long cx = 0;
    long long cy = 0;
    int nVisible = 0;
    for (int i = 0; i < m_items.GetSize(); ++i)
    {
        CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
        if (!pControl->IsVisible())
            continue;
        ++nVisible;
        const SIZE sz = pControl->EstimateSize(szAvailable);
        const RECT rcPadding = pControl->GetPadding();
        cx += static_cast<long long>(sz.cx) + rcPadding.left + rcPadding.right;
        cy += static_cast<long long>(sz.cy) + rcPadding.top + rcPadding.bottom;
    }
    // Inset and child padding as stored, unscaled.
    cx += static_cast<long long>(m_rcInset.left) + m_rcInset.right;
    cy += static_cast<long long>(m_rcInset.top) + m_rcInset.bottom;
    if (nVisible >= 2)
    {
        cx += static_cast<long long>(m_iChildPadding) * (nVisible - 1);
        cy += static_cast<long long>(m_iChildPadding) * (nVisible - 1);
    }
    return SIZE{m_bAutoCalcWidth ? SaturatingAdd(cx, 0) : 0, m_bAutoCalcHeight ? SaturatingAdd(cy, 0) : 0};
}

bool CContainerUI::DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStopControl)
{
    RECT rcTemp = {0, 0, 0, 0};
    if (!Overlap(rcTemp, rcPaint, m_rcItem))
        return true;

    CRenderClip clip;
    CRenderClip::GenerateClip(hDC, rcTemp, clip);
    CControlUI::DoPaint(hDC, rcPaint, pStopControl);

    if (!m_items.IsEmpty())
    {
        const RECT rc = GetClientPos();
        const bool bClientVisible = Overlap(rcTemp, rcPaint, rc) != FALSE;
        CRenderClip childClip;
        if (bClientVisible)
            CRenderClip::GenerateClip(hDC, rcTemp, childClip);
        for (int i = 0; i < m_items.GetSize(); ++i)
        {
            CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
            if (pControl == pStopControl)
                return false;
            if (!pControl->IsVisible())
                continue;
            if (!Overlap(rcTemp, rcPaint, pControl->GetPos()))
                continue;
            if (pControl->IsFloat())
            {
                if (!Overlap(rcTemp, m_rcItem, pControl->GetPos()))
                    continue;
                // A floating child may stand outside the client area, up to the whole item.
                if (bClientVisible)
                    CRenderClip::UseOldClipBegin(hDC, childClip);
                const bool bGoOn = pControl->Paint(hDC, rcPaint, pStopControl);
                if (bClientVisible)
                    CRenderClip::UseOldClipEnd(hDC, childClip);
                if (!bGoOn)
                    return false;
            }
            else
            {
                if (!bClientVisible || !Overlap(rcTemp, rc, pControl->GetPos()))
                    continue;
                if (!pControl->Paint(hDC, rcPaint, pStopControl))
                    return false;
            }
        }
    }

    if (m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible() &&
        Overlap(rcTemp, rcPaint, m_pVerticalScrollBar->GetPos()))
        m_pVerticalScrollBar->Paint(hDC, rcPaint, nullptr);
    if (m_pHorizontalScrollBar != nullptr && m_pHorizontalScrollBar->IsVisible() &&
        Overlap(rcTemp, rcPaint, m_pHorizontalScrollBar->GetPos()))
        m_pHorizontalScrollBar->Paint(hDC, rcPaint, nullptr);
    return true;
}

// ---- settings -----------------------------------------------------------------------------

RECT CContainerUI::GetInset() const
{
    return RECT{ScaleValue(m_rcInset.left), ScaleValue(m_rcInset.top), ScaleValue(m_rcInset.right),
                ScaleValue(m_rcInset.bottom)};
}

void CContainerUI::SetInset(RECT rcInset)
{
    m_rcInset = rcInset;
    NeedUpdate();
}

int CContainerUI::GetChildPadding() const
{
    return ScaleValue(m_iChildPadding);
}

void CContainerUI::SetChildPadding(int iPadding)
{
    m_iChildPadding = iPadding;
    NeedUpdate();
}

UINT CContainerUI::GetChildAlign() const
{
    return m_iChildAlign;
}

void CContainerUI::SetChildAlign(UINT iAlign)
{
    m_iChildAlign = iAlign;
    NeedUpdate();
}

UINT CContainerUI::GetChildVAlign() const
{
    return m_iChildVAlign;
}

void CContainerUI::SetChildVAlign(UINT iVAlign)
{
    m_iChildVAlign = iVAlign;
    NeedUpdate();
}

bool CContainerUI::IsAutoDestroy() const
{
    return m_bAutoDestroy;
}

void CContainerUI::SetAutoDestroy(bool bAuto)
{
    m_bAutoDestroy = bAuto;
}

bool CContainerUI::IsDelayedDestroy() const
{
    return m_bDelayedDestroy;
}

void CContainerUI::SetDelayedDestroy(bool bDelayed)
{
    m_bDelayedDestroy = bDelayed;
}

bool CContainerUI::IsMouseChildEnabled() const
{
    return m_bMouseChildEnabled;
}

void CContainerUI::SetMouseChildEnabled(bool bEnable)
{
    m_bMouseChildEnabled = bEnable;
}

int CContainerUI::FindSelectable(int, bool) const
{
    return -1;
}

// ---- scrolling: no scroll bar control yet -------------------------------------------------

SIZE CContainerUI::GetScrollPos() const
{
    return SIZE{0, 0};
}

SIZE CContainerUI::GetScrollRange() const
{
    return SIZE{0, 0};
}

void CContainerUI::SetScrollPos(SIZE, bool) {}

void CContainerUI::SetScrollStepSize(int nSize)
{
    if (nSize > 0)
        m_nScrollStepSize = nSize;
}

int CContainerUI::GetScrollStepSize() const
{
    return ScaleValue(m_nScrollStepSize);
}

void CContainerUI::LineUp() {}
void CContainerUI::LineDown() {}
void CContainerUI::PageUp() {}
void CContainerUI::PageDown() {}
void CContainerUI::HomeUp() {}
void CContainerUI::EndDown() {}
void CContainerUI::LineLeft() {}
void CContainerUI::LineRight() {}
void CContainerUI::PageLeft() {}
void CContainerUI::PageRight() {}
void CContainerUI::HomeLeft() {}
void CContainerUI::EndRight() {}

void CContainerUI::EnableScrollBar(bool, bool) {}

CControlUI* CContainerUI::GetVerticalScrollBar() const
{
    return m_pVerticalScrollBar;
}

CControlUI* CContainerUI::GetHorizontalScrollBar() const
{
    return m_pHorizontalScrollBar;
}

void CContainerUI::ProcessScrollBar(RECT, int, int) {}

} // namespace SkinUI
