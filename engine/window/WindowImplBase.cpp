#include "engine/window/WindowImplBase.h"

#include <windowsx.h>

#include <cwchar>

#include "engine/controls/CControlUI.h"
#include "engine/markup/CDialogBuilder.h"

namespace SkinUI
{

namespace
{
const LONG kNoCaptionMask = static_cast<LONG>(0xFF3FFFFF); // clears WS_CAPTION

bool IsStaticClass(const CUIString& sClass)
{
    static const wchar_t* const kStatic[] = {
        L"controlui",        L"textui",      L"labelui",       L"containerui",    L"horizontallayoutui",
        L"verticallayoutui", L"tablayoutui", L"childlayoutui", L"dialoglayoutui", L"progresscontainerui"};
    CUIString sLower = sClass;
    sLower.MakeLower();
    for (const wchar_t* p : kStatic)
    {
        if (sLower == p)
            return true;
    }
    return false;
}
} // namespace

WindowImplBase::SkinLoadFailedHandler WindowImplBase::s_pSkinLoadFailed = &WindowImplBase::ShowSkinLoadFailed;

WindowImplBase::WindowImplBase() = default;

WindowImplBase::~WindowImplBase()
{
    // A native window that outlives its object must not reach it (or its manager) again.
    DetachFromWindow();
}

WindowImplBase::SkinLoadFailedHandler WindowImplBase::SetSkinLoadFailedHandler(SkinLoadFailedHandler pHandler)
{
    SkinLoadFailedHandler pPrevious = s_pSkinLoadFailed;
    s_pSkinLoadFailed = pHandler != nullptr ? pHandler : &WindowImplBase::ShowSkinLoadFailed;
    return pPrevious;
}

void WindowImplBase::ShowSkinLoadFailed(const wchar_t* pstrSkinXml)
{
    CUIString sText(L"Loading resource failed :");
    sText += pstrSkinXml;
    ::MessageBoxW(nullptr, sText, L"SkinUI", MB_ICONERROR);
    ::ExitProcess(1);
}

UINT WindowImplBase::GetClassStyle() const
{
    return CS_DBLCLKS;
}

bool WindowImplBase::IsInStaticControl(CControlUI* pControl)
{
    if (pControl == nullptr)
        return false;
    // Bounded walk: a broken parent chain must not loop for ever.
    int nGuard = 0;
    for (CControlUI* p = pControl; p != nullptr && nGuard < 4096; p = p->GetParent(), ++nGuard)
    {
        if (!IsStaticClass(p->GetClass()))
            return false;
    }
    return nGuard < 4096;
}

LRESULT WindowImplBase::ResponseDefaultKeyEvent(WPARAM /*wParam*/)
{
    return 1;
}

CControlUI* WindowImplBase::CreateControl(const wchar_t* /*pstrClass*/)
{
    return nullptr;
}

const wchar_t* WindowImplBase::QueryControlText(const wchar_t* /*lpstrId*/, const wchar_t* /*lpstrType*/)
{
    return nullptr;
}

void WindowImplBase::Notify(tagTNotifyUI& msg)
{
    NotifyPump(msg);
}

LRESULT WindowImplBase::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/, bool& bHandled)
{
    if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE))
    {
        if (ResponseDefaultKeyEvent(wParam) == 0)
            bHandled = true;
    }
    return 0;
}

LONG WindowImplBase::GetStyle()
{
    return static_cast<LONG>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)) & kNoCaptionMask;
}

void WindowImplBase::OnFinalMessage(HWND /*hWnd*/)
{
    m_pm.RemovePreMessageFilter(this);
    m_pm.RemoveNotifier(this);
    m_pm.ReapObjects(m_pm.GetRoot());
}

// ---- handlers that do nothing by default -----------------------------------------------------

#define SKINUI_NOT_HANDLED(name)                                                                             \
    LRESULT WindowImplBase::name(UINT, WPARAM, LPARAM, bool& bHandled)                                       \
    {                                                                                                        \
        bHandled = false;                                                                                    \
        return 0;                                                                                            \
    }
SKINUI_NOT_HANDLED(OnClose)
SKINUI_NOT_HANDLED(OnDestroy)
SKINUI_NOT_HANDLED(OnMouseWheel)
SKINUI_NOT_HANDLED(OnMouseHover)
SKINUI_NOT_HANDLED(OnChar)
SKINUI_NOT_HANDLED(OnKeyDown)
SKINUI_NOT_HANDLED(OnKillFocus)
SKINUI_NOT_HANDLED(OnSetFocus)
SKINUI_NOT_HANDLED(OnLButtonDown)
SKINUI_NOT_HANDLED(OnLButtonUp)
SKINUI_NOT_HANDLED(OnMouseMove)
SKINUI_NOT_HANDLED(HandleCustomMessage)
#undef SKINUI_NOT_HANDLED

// ---- non-client area: the whole window is client area -------------------------------------

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& bHandled)
{
    if (::IsIconic(m_hWnd))
        bHandled = false;
    return wParam == 0 ? TRUE : FALSE;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, bool&)
{
    return 0;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool&)
{
    return 0;
}

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool&)
{
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(m_hWnd, &pt);
    RECT rcClient = {};
    ::GetClientRect(m_hWnd, &rcClient);

    if (!::IsZoomed(m_hWnd))
    {
        const RECT rcSizeBox = m_pm.GetSizeBox();
        const bool bLeft = pt.x < rcClient.left + rcSizeBox.left;
        const bool bRight = pt.x > rcClient.right - rcSizeBox.right;
        if (pt.y < rcClient.top + rcSizeBox.top)
            return bLeft ? HTTOPLEFT : (bRight ? HTTOPRIGHT : HTTOP);
        if (pt.y > rcClient.bottom - rcSizeBox.bottom)
            return bLeft ? HTBOTTOMLEFT : (bRight ? HTBOTTOMRIGHT : HTBOTTOM);
        if (bLeft)
            return HTLEFT;
        if (bRight)
            return HTRIGHT;
    }

    const RECT rcStored = m_pm.GetCaptionRect();
    RECT rcCaption = m_pm.GetDPIObj()->Scale(rcStored);
    if (rcStored.bottom == -1)
        rcCaption.bottom = rcClient.bottom;
    if (pt.x >= rcClient.left + rcCaption.left && pt.x < rcClient.right - rcCaption.right &&
        pt.y >= rcCaption.top && pt.y < rcCaption.bottom)
    {
        if (IsInStaticControl(m_pm.FindControl(pt)))
            return HTCAPTION;
    }
    return HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool&)
{
    auto* lpMMI = reinterpret_cast<LPMINMAXINFO>(lParam);
    if (lpMMI == nullptr)
        return 0;
    MONITORINFO oMonitor = {};
    oMonitor.cbSize = sizeof(oMonitor);
    if (!::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &oMonitor))
        return 0;
    RECT rcWork = oMonitor.rcWork;
    if (!(oMonitor.dwFlags & MONITORINFOF_PRIMARY))
        ::OffsetRect(&rcWork, -oMonitor.rcMonitor.left, -oMonitor.rcMonitor.top);

    const LONG cxWork = rcWork.right - rcWork.left;
    const LONG cyWork = rcWork.bottom - rcWork.top;
    lpMMI->ptMaxPosition.x = rcWork.left;
    lpMMI->ptMaxPosition.y = rcWork.top;
    lpMMI->ptMaxSize.x = cxWork;
    lpMMI->ptMaxSize.y = cyWork;
    const SIZE szMax = m_pm.GetMaxInfo();
    lpMMI->ptMaxTrackSize.x = szMax.cx != 0 ? szMax.cx : cxWork;
    lpMMI->ptMaxTrackSize.y = szMax.cy != 0 ? szMax.cy : cyWork;
    const SIZE szMin = m_pm.GetMinInfo();
    lpMMI->ptMinTrackSize.x = szMin.cx;
    lpMMI->ptMinTrackSize.y = szMin.cy;
    return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& bHandled)
{
    const SIZE szRoundCorner = m_pm.GetRoundCorner();
    if (!::IsIconic(m_hWnd))
    {
        RECT rcWnd = {};
        ::GetWindowRect(m_hWnd, &rcWnd);
        ::OffsetRect(&rcWnd, -rcWnd.left, -rcWnd.top);
        // Region edges are exclusive: one more so the last row and column stay visible.
        rcWnd.right++;
        rcWnd.bottom++;
        HRGN hRgn = ::CreateRoundRectRgn(rcWnd.left, rcWnd.top, rcWnd.right, rcWnd.bottom, szRoundCorner.cx,
                                         szRoundCorner.cy);
        // The system owns the region once SetWindowRgn accepted it; on failure it stays ours.
        if (hRgn != nullptr && !::SetWindowRgn(m_hWnd, hRgn, TRUE))
            ::DeleteObject(hRgn);
    }
    bHandled = false;
    return 0;
}

void WindowImplBase::ShowMaxRestoreButtons(bool bZoomed, const wchar_t* pstrMax, const wchar_t* pstrRestore)
{
    if (CControlUI* pMax = m_pm.FindControl(pstrMax))
        pMax->SetVisible(!bZoomed);
    if (CControlUI* pRestore = m_pm.FindControl(pstrRestore))
        pRestore->SetVisible(bZoomed);
}

LRESULT WindowImplBase::SysCommandWithButtons(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& /*bHandled*/,
                                              const wchar_t* pstrMax, const wchar_t* pstrRestore)
{
    if (wParam == SC_CLOSE)
    {
        ::SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
        return 0;
    }
    const HWND hWnd = m_hWnd;
    const bool bZoomed = ::IsZoomed(hWnd) != FALSE;
    const LRESULT lRes = CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    // The command may have destroyed the window (and with it this object's handle).
    if (m_hWnd == nullptr || !::IsWindow(hWnd))
        return lRes;
    const bool bZoomedNow = ::IsZoomed(hWnd) != FALSE;
    if (bZoomed != bZoomedNow)
        ShowMaxRestoreButtons(bZoomedNow, pstrMax, pstrRestore);
    return lRes;
}

LRESULT WindowImplBase::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    return SysCommandWithButtons(uMsg, wParam, lParam, bHandled, L"maxbtn", L"restorebtn");
}

// ---- creation: the skin ---------------------------------------------------------------------

bool WindowImplBase::BuildSkin()
{
    const CUIString sSkinXml = GetSkinXml();
    const CUIString sSkinType = GetSkinType();
    CDialogBuilder builder;
    CControlUI* pRoot = nullptr;
    if (!sSkinType.IsEmpty())
    {
        const int id = static_cast<int>(std::wcstol(sSkinXml.GetData(), nullptr, 10));
        if (id > 0)
            pRoot =
                builder.Create(STRINGorID(static_cast<unsigned int>(id)), sSkinType.GetData(), this, &m_pm);
    }
    else
    {
        pRoot = builder.Create(sSkinXml.GetData(), nullptr, this, &m_pm);
    }
    if (pRoot == nullptr)
    {
        s_pSkinLoadFailed(sSkinXml.GetData());
        return false;
    }
    m_pm.AttachDialog(pRoot);
    m_pm.AddNotifier(this);
    return true;
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool&)
{
    LONG styleValue = static_cast<LONG>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    styleValue &= kNoCaptionMask;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, styleValue | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);

    m_pm.Init(m_hWnd, GetManagerName());
    m_pm.AddPreMessageFilter(this);
    if (!BuildSkin())
        return -1; // only reached when the failure report returned: creation fails
    __InitWindow();
    return 0;
}

// ---- dispatch ---------------------------------------------------------------------------------

bool WindowImplBase::DispatchTyped(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled, LRESULT& lRes)
{
    bHandled = true;
    switch (uMsg)
    {
    case WM_CREATE:
        lRes = OnCreate(uMsg, wParam, lParam, bHandled);
        break;
    case WM_CLOSE:
        lRes = OnClose(uMsg, wParam, lParam, bHandled);
        break;
    case WM_DESTROY:
        lRes = OnDestroy(uMsg, wParam, lParam, bHandled);
        break;
    case WM_NCACTIVATE:
        lRes = OnNcActivate(uMsg, wParam, lParam, bHandled);
        break;
    case WM_NCCALCSIZE:
        lRes = OnNcCalcSize(uMsg, wParam, lParam, bHandled);
        break;
    case WM_NCPAINT:
        lRes = OnNcPaint(uMsg, wParam, lParam, bHandled);
        break;
    case WM_NCHITTEST:
        lRes = OnNcHitTest(uMsg, wParam, lParam, bHandled);
        break;
    case WM_GETMINMAXINFO:
        lRes = OnGetMinMaxInfo(uMsg, wParam, lParam, bHandled);
        break;
    case WM_MOUSEWHEEL:
        lRes = OnMouseWheel(uMsg, wParam, lParam, bHandled);
        break;
    case WM_SIZE:
        lRes = OnSize(uMsg, wParam, lParam, bHandled);
        break;
    case WM_CHAR:
        lRes = OnChar(uMsg, wParam, lParam, bHandled);
        break;
    case WM_SYSCOMMAND:
        lRes = OnSysCommand(uMsg, wParam, lParam, bHandled);
        break;
    case WM_KEYDOWN:
        lRes = OnKeyDown(uMsg, wParam, lParam, bHandled);
        break;
    case WM_KILLFOCUS:
        lRes = OnKillFocus(uMsg, wParam, lParam, bHandled);
        break;
    case WM_SETFOCUS:
        lRes = OnSetFocus(uMsg, wParam, lParam, bHandled);
        break;
    case WM_LBUTTONUP:
        lRes = OnLButtonUp(uMsg, wParam, lParam, bHandled);
        break;
    case WM_LBUTTONDOWN:
        lRes = OnLButtonDown(uMsg, wParam, lParam, bHandled);
        break;
    case WM_MOUSEMOVE:
        lRes = OnMouseMove(uMsg, wParam, lParam, bHandled);
        break;
    case WM_MOUSEHOVER:
        lRes = OnMouseHover(uMsg, wParam, lParam, bHandled);
        break;
    default:
        bHandled = false;
        return false;
    }
    return true;
}

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lRes = 0;
    bool bHandled = true;
    DispatchTyped(uMsg, wParam, lParam, bHandled, lRes);
    if (bHandled)
        return lRes;

    lRes = HandleCustomMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled)
        return lRes;
    return ManagerOrDefault(uMsg, wParam, lParam);
}

LRESULT WindowImplBase::ManagerOrDefault(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lRes = 0;
    if (m_pm.MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

} // namespace SkinUI
