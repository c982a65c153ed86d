// Window settings and DPI of CPaintManagerUI: what the skin's Window element gives (initial
// size, sizing and caption rectangles, size limits, opacity, layering, hover time), the shadow
// and language manager it owns, and the DPI scale of the window.
#include "engine/manager/CPaintManagerUI.h"

#include "engine/controls/CControlUI.h"
#include "engine/lang/CLangManagerUI.h"
#include "engine/manager/CShadowUI.h"
#include "engine/render/tagTDrawInfo.h"

namespace SkinUI
{

SIZE CPaintManagerUI::GetClientSize() const
{
    RECT rc = {};
    ::GetClientRect(m_hWndPaint, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void CPaintManagerUI::LockUpdate(bool bLock)
{
    m_bLockUpdate = bLock;
}

bool CPaintManagerUI::IsLockUpdate() const
{
    return m_bLockUpdate;
}

void CPaintManagerUI::SetPainting(bool bIsPainting)
{
    m_bIsPainting = bIsPainting;
}

bool CPaintManagerUI::IsPainting() const
{
    return m_bIsPainting;
}

SIZE CPaintManagerUI::GetInitSize()
{
    return m_szInitWindowSize;
}

void CPaintManagerUI::SetInitSize(int cx, int cy)
{
    m_szInitWindowSize = SIZE{cx, cy};
    // Once a tree is attached the window's size is the user's (or the DPI's) to change.
    if (m_pRoot == nullptr && m_hWndPaint != nullptr)
        ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

RECT& CPaintManagerUI::GetSizeBox()
{
    return m_rcSizeBox;
}

void CPaintManagerUI::SetSizeBox(RECT& rcSizeBox)
{
    m_rcSizeBox = rcSizeBox;
}

RECT& CPaintManagerUI::GetCaptionRect()
{
    return m_rcCaption;
}

void CPaintManagerUI::SetCaptionRect(RECT& rcCaption)
{
    m_rcCaption = rcCaption;
}

SIZE CPaintManagerUI::GetRoundCorner() const
{
    return m_szRoundCorner;
}

void CPaintManagerUI::SetRoundCorner(int cx, int cy)
{
    m_szRoundCorner = SIZE{cx, cy};
}

SIZE CPaintManagerUI::GetMinInfo() const
{
    return m_szMinWindow;
}

void CPaintManagerUI::SetMinInfo(int cx, int cy)
{
    m_szMinWindow = SIZE{cx, cy};
}

SIZE CPaintManagerUI::GetMaxInfo() const
{
    return m_szMaxWindow;
}

void CPaintManagerUI::SetMaxInfo(int cx, int cy)
{
    m_szMaxWindow = SIZE{cx, cy};
}

void CPaintManagerUI::SetShowUpdateRect(bool show)
{
    m_bShowUpdateRect = show;
}

void CPaintManagerUI::SetNoActivate(bool bNoActivate)
{
    m_bNoActivate = bNoActivate;
}

bool CPaintManagerUI::IsNoActivate() const
{
    return m_bNoActivate;
}

void CPaintManagerUI::SetHoverTime(int iTime)
{
    m_iHoverTime = iTime;
}

int CPaintManagerUI::GetHoverTime() const
{
    return m_iHoverTime;
}

void CPaintManagerUI::SetOpacity(BYTE nOpacity)
{
    m_nOpacity = nOpacity;
    if (m_hWndPaint == nullptr)
        return;
    const LONG lExStyle = ::GetWindowLongW(m_hWndPaint, GWL_EXSTYLE);
    if ((lExStyle & WS_EX_LAYERED) == 0)
        ::SetWindowLongW(m_hWndPaint, GWL_EXSTYLE, lExStyle | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWndPaint, 0, nOpacity, LWA_ALPHA);
}

BYTE CPaintManagerUI::GetOpacity() const
{
    return m_nOpacity;
}

void CPaintManagerUI::SetLayered(bool bLayered)
{
    if (m_hWndPaint == nullptr || bLayered == m_bLayered)
        return;
    if ((::GetWindowLongW(m_hWndPaint, GWL_STYLE) & WS_CHILD) != 0)
        return;
    if (!LoadUpdateLayeredWindow())
        return;
    m_bLayered = bLayered;
    if (!bLayered && m_nOpacity == 255)
    {
        // A window that stops updating itself as a layered one would stay invisible.
        const LONG lExStyle = ::GetWindowLongW(m_hWndPaint, GWL_EXSTYLE);
        ::SetWindowLongW(m_hWndPaint, GWL_EXSTYLE, lExStyle & ~WS_EX_LAYERED);
    }
    if (m_pRoot != nullptr)
        m_pRoot->NeedUpdate();
    Invalidate();
}

void CPaintManagerUI::SetLayeredInset(RECT& rcLayeredInset)
{
    m_rcLayeredInset = rcLayeredInset;
    m_bLayeredChanged = true;
    Invalidate();
}

void CPaintManagerUI::SetLayeredOpacity(BYTE nOpacity)
{
    m_nLayeredOpacity = nOpacity;
    m_bLayeredChanged = true;
    Invalidate();
}

void CPaintManagerUI::SetLayeredImage(const wchar_t* pstrImage)
{
    m_sLayeredImage = pstrImage;
    // Loaded now, so the first layered paint does not wait for the decoder.
    if (!m_sLayeredImage.IsEmpty())
    {
        if (const tagTDrawInfo* pInfo = GetDrawInfo(m_sLayeredImage, nullptr))
            GetImageEx(pInfo->m_sImageName,
                       pInfo->m_sResType.IsEmpty() ? nullptr : pInfo->m_sResType.GetData(), pInfo->m_dwMask);
    }
    m_bLayeredChanged = true;
    Invalidate();
}

void CPaintManagerUI::SetInitWindowParameter(bool bInit)
{
    m_bInitWindowParameter = bInit;
}

bool CPaintManagerUI::IsInitWindowParameter() const
{
    return m_bInitWindowParameter;
}

CShadowUI* CPaintManagerUI::GetShadow()
{
    if (!m_pShadow)
        m_pShadow.reset(new CShadowUI);
    return m_pShadow.get();
}

CLangManagerUI* CPaintManagerUI::GetLangManager()
{
    if (!m_pLangManager)
        m_pLangManager.reset(new CLangManagerUI);
    return m_pLangManager.get();
}

// ---- DPI ----------------------------------------------------------------------------------------

void CPaintManagerUI::SetDPI(int iDPI)
{
    CDPI* pDPI = GetDPIObj();
    const int nOldScale = static_cast<int>(pDPI->GetScale());
    pDPI->SetScale(static_cast<UINT>(iDPI));
    const int nNewScale = static_cast<int>(pDPI->GetScale());
    ResetDPIAssets();
    if (m_hWndPaint == nullptr)
        return;
    if (!::IsZoomed(m_hWndPaint) && nOldScale > 0)
    {
        RECT rc = {0, 0, 0, 0};
        ::GetWindowRect(m_hWndPaint, &rc);
        if ((::GetWindowLongW(m_hWndPaint, GWL_STYLE) & WS_CHILD) != 0)
            ::MapWindowPoints(HWND_DESKTOP, ::GetParent(m_hWndPaint), reinterpret_cast<POINT*>(&rc), 2);
        const long long cx = static_cast<long long>(rc.right - rc.left) * nNewScale / nOldScale;
        const long long cy = static_cast<long long>(rc.bottom - rc.top) * nNewScale / nOldScale;
        const int kMax = 0x7FFF; // the platform's coordinate range
        ::SetWindowPos(m_hWndPaint, nullptr, rc.left, rc.top, static_cast<int>(cx > kMax ? kMax : cx),
                       static_cast<int>(cy > kMax ? kMax : cy), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (m_pRoot != nullptr)
        m_pRoot->NeedUpdate();
    ::PostMessageW(m_hWndPaint, WM_SKINUI_DPICHANGED, 0, 0);
}

void CPaintManagerUI::SetAllDPI(int iDPI)
{
    for (int i = 0; i < m_aPreMessages.GetSize(); ++i)
        static_cast<CPaintManagerUI*>(m_aPreMessages[i])->SetDPI(iDPI);
}

} // namespace SkinUI
