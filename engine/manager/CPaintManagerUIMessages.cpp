// Message handling of CPaintManagerUI: the window's messages turned into control events,
// mouse tracking, hover and capture, keys, timers, tooltips, reflection to child windows, the
// pre-translation (Tab order, Alt shortcuts) and the static message loop.
#include "engine/manager/CPaintManagerUI.h"

#include <windowsx.h>

#include "engine/controls/CControlUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/manager/IMessageFilterUI.h"
#include "engine/manager/ITranslateAccelerator.h"

namespace SkinUI
{

namespace
{

// Reflected messages reach a child window at 0x2000 + the original message.
const UINT kReflectBase = 0x2000;

POINT PointFromLParam(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

WORD CurrentKeyState()
{
    WORD w = 0;
    if (::GetKeyState(VK_LBUTTON) < 0)
        w |= KeyStateLButton;
    if (::GetKeyState(VK_RBUTTON) < 0)
        w |= KeyStateRButton;
    if (::GetKeyState(VK_SHIFT) < 0)
        w |= KeyStateShift;
    if (::GetKeyState(VK_CONTROL) < 0)
        w |= KeyStateControl;
    if (::GetKeyState(VK_MENU) < 0)
        w |= KeyStateAlt;
    return w;
}

CControlUI* CALLBACK FindControlFromShortcut(CControlUI* pThis, void* pData)
{
    if (!pThis->IsVisible())
        return nullptr;
    return pThis->GetShortcut() == *static_cast<const wchar_t*>(pData) ? pThis : nullptr;
}

// A Tab key the focused control wants for itself (a rich edit field asking for it, a web view).
bool FocusWantsTab(CControlUI* pFocus)
{
    if (pFocus == nullptr || !pFocus->IsVisible() || !pFocus->IsEnabled())
        return false;
    const wchar_t* pstrClass = pFocus->GetClass();
    if (pstrClass == nullptr)
        return false;
    if (wcsstr(pstrClass, L"WebViewUI") != nullptr)
        return true;
    if (wcsstr(pstrClass, L"RichEditUI") == nullptr)
        return false;
    CRichEditUI* pEdit = static_cast<CRichEditUI*>(pFocus->GetInterface(L"RichEdit"));
    return pEdit != nullptr && pEdit->IsWantTab();
}

} // namespace

tagTEventUI CPaintManagerUI::MakeInputEvent(EventType type, CControlUI* pSender, WPARAM wParam,
                                            LPARAM lParam) const
{
    tagTEventUI event = {};
    event.Type = type;
    event.pSender = pSender;
    event.ptMouse = m_ptLastMousePos;
    event.wKeyState = CurrentKeyState();
    event.dwTimestamp = ::GetTickCount();
    event.wParam = wParam;
    event.lParam = lParam;
    return event;
}

void CPaintManagerUI::SendKeyEvent(EventType type, CControlUI* pControl, WPARAM wParam, LPARAM lParam,
                                   bool bWithSender)
{
    tagTEventUI event = MakeInputEvent(type, bWithSender ? pControl : nullptr, wParam, lParam);
    event.chKey = static_cast<wchar_t>(wParam);
    pControl->Event(event);
}

CControlUI* CPaintManagerUI::OwnControlAt(POINT pt) const
{
    CControlUI* pControl = FindControl(pt);
    return pControl != nullptr && pControl->GetManager() == this ? pControl : nullptr;
}

// ---- the window procedure's entry -------------------------------------------------------------

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    if (m_hWndPaint == nullptr)
        return false;

    // A filter may remove itself while called: the live list is walked by index.
    for (int i = 0; i < m_aMessageFilters.GetSize(); ++i)
    {
        bool bHandled = false;
        const LRESULT lResult = static_cast<IMessageFilterUI*>(m_aMessageFilters[i])
                                    ->MessageHandler(uMsg, wParam, lParam, bHandled);
        if (!bHandled)
            continue;
        lRes = lResult;
        switch (uMsg)
        {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            m_ptLastMousePos = PointFromLParam(lParam);
            break;
        case WM_CONTEXTMENU:
        case WM_MOUSEWHEEL:
        {
            POINT pt = PointFromLParam(lParam);
            ::ScreenToClient(m_hWndPaint, &pt);
            m_ptLastMousePos = pt;
            break;
        }
        default:
            break;
        }
        return true;
    }

    if (m_bLayered)
    {
        switch (uMsg)
        {
        case WM_NCCALCSIZE:
        case WM_NCPAINT:
            lRes = 0;
            return true;
        case WM_NCACTIVATE:
            if (!::IsIconic(m_hWndPaint))
            {
                lRes = wParam == 0 ? TRUE : FALSE;
                return true;
            }
            break;
        default:
            break;
        }
    }

    switch (uMsg)
    {
    case WM_SIZE:
        if (m_pFocus != nullptr)
        {
            tagTEventUI event = MakeInputEvent(EventType::WindowSize, m_pFocus);
            m_pFocus->Event(event);
        }
        if (m_pRoot != nullptr)
            m_pRoot->NeedUpdate();
        lRes = 0;
        return true;
    case WM_SETFOCUS:
        if (m_pFocus != nullptr)
        {
            tagTEventUI event = MakeInputEvent(EventType::SetFocus, m_pFocus, wParam, lParam);
            m_pFocus->Event(event);
        }
        return false;
    case WM_KILLFOCUS:
        if (m_bMouseCapture)
            ReleaseCapture();
        return false;
    case WM_PAINT:
        OnPaint();
        lRes = 0;
        return true;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam), lParam);
        return false;
    case WM_CLOSE:
        OnClose();
        return false;
    case WM_ERASEBKGND:
        lRes = 1;
        return true;
    case WM_SETCURSOR:
        return OnSetCursor(lParam, lRes);
    case WM_GETMINMAXINFO:
    {
        MINMAXINFO* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
        if (pInfo == nullptr)
            return false;
        if (m_szMinWindow.cx > 0)
            pInfo->ptMinTrackSize.x = m_szMinWindow.cx;
        if (m_szMinWindow.cy > 0)
            pInfo->ptMinTrackSize.y = m_szMinWindow.cy;
        if (m_szMaxWindow.cx > 0)
        {
            pInfo->ptMaxTrackSize.x = m_szMaxWindow.cx;
            pInfo->ptMaxSize.x = m_szMaxWindow.cx;
        }
        if (m_szMaxWindow.cy > 0)
        {
            pInfo->ptMaxTrackSize.y = m_szMaxWindow.cy;
            pInfo->ptMaxSize.y = m_szMaxWindow.cy;
        }
        return false;
    }
    case WM_NOTIFY:
    {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        if (pHeader == nullptr)
            return false;
        lRes = ::SendMessageW(pHeader->hwndFrom, kReflectBase + uMsg, wParam, lParam);
        return true;
    }
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    {
        if (lParam == 0)
            return false;
        const LRESULT lResult =
            ::SendMessageW(reinterpret_cast<HWND>(lParam), kReflectBase + uMsg, wParam, lParam);
        if (lResult == 0)
            return false;
        lRes = lResult;
        return true;
    }
    case WM_CONTEXTMENU:
    {
        if (m_pRoot == nullptr)
            return false;
        POINT pt = PointFromLParam(lParam);
        ::ScreenToClient(m_hWndPaint, &pt);
        m_ptLastMousePos = pt;
        if (m_pEventClick == nullptr)
            return false;
        ReleaseCapture();
        CControlUI* pClick = m_pEventClick;
        tagTEventUI event = MakeInputEvent(EventType::ContextMenu, pClick, wParam, lParam);
        event.wKeyState = static_cast<WORD>(wParam);
        m_pEventClick = nullptr;
        pClick->Event(event);
        return false;
    }
    case WM_KEYDOWN:
        if (m_pRoot != nullptr && m_pFocus != nullptr)
        {
            m_pEventKey = m_pFocus;
            SendKeyEvent(EventType::KeyDown, m_pFocus, wParam, lParam);
        }
        return false;
    case WM_KEYUP:
        if (m_pRoot != nullptr && m_pEventKey != nullptr)
        {
            CControlUI* pKey = m_pEventKey;
            m_pEventKey = nullptr;
            SendKeyEvent(EventType::KeyUp, pKey, wParam, lParam);
        }
        return false;
    case WM_CHAR:
        if (m_pRoot != nullptr && m_pFocus != nullptr)
            SendKeyEvent(EventType::Char, m_pFocus, wParam, lParam);
        return false;
    case WM_TIMER:
    {
        CControlUI* pControl = nullptr;
        UINT nLocalID = 0;
        if (FindTimer(LOWORD(wParam), pControl, nLocalID))
        {
            tagTEventUI event = MakeInputEvent(EventType::Timer, pControl, nLocalID, lParam);
            pControl->Event(event);
        }
        return false;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
        OnButtonDown(EventType::ButtonDown, wParam, lParam);
        return false;
    case WM_LBUTTONDBLCLK:
        OnButtonDown(EventType::DblClick, wParam, lParam);
        return false;
    case WM_RBUTTONDOWN:
        OnButtonDown(EventType::RButtonDown, wParam, lParam);
        return false;
    case WM_MBUTTONDOWN:
        OnButtonDown(EventType::MButtonDown, wParam, lParam);
        return false;
    case WM_LBUTTONUP:
        OnButtonUp(EventType::ButtonUp, wParam, lParam);
        return false;
    case WM_RBUTTONUP:
        OnButtonUp(EventType::RButtonUp, wParam, lParam);
        return false;
    case WM_MBUTTONUP:
        OnButtonUp(EventType::MButtonUp, wParam, lParam);
        return false;
    case WM_MOUSEWHEEL:
    {
        if (m_pRoot == nullptr)
            return false;
        POINT pt = PointFromLParam(lParam);
        ::ScreenToClient(m_hWndPaint, &pt);
        m_ptLastMousePos = pt;
        if (CControlUI* pControl = OwnControlAt(pt))
        {
            const short zDelta = static_cast<short>(HIWORD(wParam));
            tagTEventUI event = MakeInputEvent(EventType::ScrollWheel, pControl,
                                               MAKEWPARAM(zDelta < 0 ? 1 : 0, zDelta), lParam);
            pControl->Event(event);
        }
        // Hover follows the content that scrolled under the cursor.
        ::SendMessageW(m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(m_ptLastMousePos.x, m_ptLastMousePos.y));
        return false;
    }
    case WM_MOUSEHOVER:
        if (!OnMouseHover(lParam))
            return false;
        lRes = 0;
        return true;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return false;
    case WM_SKINUI_ASYNC:
        OnAsyncNotify();
        return false;
    default:
        return false;
    }
}

// ---- mouse ------------------------------------------------------------------------------------

void CPaintManagerUI::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    if (!m_bMouseTracking)
    {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWndPaint;
        tme.dwHoverTime =
            m_hwndTooltip != nullptr
                ? static_cast<DWORD>(::SendMessageW(m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0))
                : static_cast<DWORD>(m_iHoverTime);
        ::TrackMouseEvent(&tme);
        m_bMouseTracking = true;
    }
    const POINT pt = PointFromLParam(lParam);
    m_ptLastMousePos = pt;
    tagTEventUI event = MakeInputEvent(EventType::MouseMove, nullptr, wParam, lParam);

    if (!m_bMouseCapture)
    {
        CControlUI* pNewHover = FindControl(pt);
        if (pNewHover != nullptr && pNewHover->GetManager() != this)
            return;
        if (pNewHover != m_pEventHover && m_pEventHover != nullptr)
        {
            // A copy: a leave handler may change the list. Controls deleted meanwhile have left
            // the live list and are skipped.
            CStdPtrArray aLeave;
            for (int i = 0; i < m_aNeedMouseLeaveNeeded.GetSize(); ++i)
                aLeave.Add(m_aNeedMouseLeaveNeeded[i]);
            for (int i = 0; i < aLeave.GetSize(); ++i)
            {
                CControlUI* pControl = static_cast<CControlUI*>(aLeave[i]);
                if (m_aNeedMouseLeaveNeeded.Find(pControl) < 0)
                    continue;
                tagTEventUI leave = MakeInputEvent(EventType::MouseLeave, pControl, wParam, lParam);
                pControl->Event(leave);
            }
            if (m_pEventHover != nullptr)
            {
                CControlUI* pOld = m_pEventHover;
                tagTEventUI leave = MakeInputEvent(EventType::MouseLeave, pOld, wParam, lParam);
                pOld->Event(leave);
            }
            m_pEventHover = nullptr;
            HideToolTip();
            // The handlers may have changed the tree under the cursor.
            pNewHover = OwnControlAt(pt);
        }
        if (pNewHover != m_pEventHover && pNewHover != nullptr)
        {
            m_pEventHover = pNewHover;
            tagTEventUI enter = MakeInputEvent(EventType::MouseEnter, pNewHover, wParam, lParam);
            pNewHover->Event(enter);
        }
    }

    // A drag that started with a button-down keeps going to the control that got it.
    CControlUI* pTarget = m_pEventClick != nullptr ? m_pEventClick : OwnControlAt(pt);
    if (pTarget != nullptr)
    {
        event.pSender = pTarget;
        pTarget->Event(event);
    }
}

void CPaintManagerUI::OnButtonDown(EventType type, WPARAM wParam, LPARAM lParam)
{
    if (!m_bNoActivate)
        ::SetFocus(m_hWndPaint);
    if (m_pRoot == nullptr)
        return;
    const POINT pt = PointFromLParam(lParam);
    m_ptLastMousePos = pt;
    CControlUI* pControl = OwnControlAt(pt);
    if (pControl == nullptr)
        return;
    tagTEventUI event = MakeInputEvent(type, pControl, wParam, lParam);
    switch (type)
    {
    case EventType::ButtonDown:
        SetCapture();
        m_pEventClick = pControl;
        pControl->SetFocus();
        event.wKeyState = static_cast<WORD>(wParam);
        break;
    case EventType::DblClick:
        SetCapture();
        m_pEventClick = pControl;
        break;
    default: // right and middle button
        pControl->SetFocus();
        SetCapture();
        m_pEventClick = pControl;
        break;
    }
    // The focus handler may have deleted the control (ReapObjects cleared the click control).
    if (m_pEventClick == pControl)
        pControl->Event(event);
}

void CPaintManagerUI::OnButtonUp(EventType type, WPARAM wParam, LPARAM lParam)
{
    // The release point decides a click: the position must be the release's own.
    m_ptLastMousePos = PointFromLParam(lParam);
    if (type == EventType::ButtonUp)
    {
        if (m_pEventClick == nullptr)
            return;
        ReleaseCapture();
        CControlUI* pClick = m_pEventClick;
        tagTEventUI event = MakeInputEvent(type, pClick, wParam, lParam);
        m_pEventClick = nullptr;
        pClick->Event(event);
        return;
    }
    if (m_bMouseCapture)
        ReleaseCapture();
    CControlUI* pControl = OwnControlAt(m_ptLastMousePos);
    if (pControl == nullptr)
        return;
    m_pEventClick = pControl;
    tagTEventUI event = MakeInputEvent(type, pControl, wParam, lParam);
    pControl->Event(event);
}

void CPaintManagerUI::OnMouseLeave()
{
    HideToolTip();
    if (m_bMouseTracking)
    {
        POINT pt = {0, 0};
        RECT rcWnd = {0, 0, 0, 0};
        ::GetCursorPos(&pt);
        ::GetWindowRect(m_hWndPaint, &rcWnd);
        LPARAM lPos = static_cast<LPARAM>(-1);
        if (!::IsIconic(m_hWndPaint) && ::GetActiveWindow() == m_hWndPaint && ::PtInRect(&rcWnd, pt))
        {
            // Left for a part of our own window (a child, the frame): hover follows the cursor.
            if (::SendMessageW(m_hWndPaint, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLIENT)
            {
                ::ScreenToClient(m_hWndPaint, &pt);
                lPos = MAKELPARAM(pt.x, pt.y);
            }
        }
        ::SendMessageW(m_hWndPaint, WM_MOUSEMOVE, 0, lPos);
    }
    m_bMouseTracking = false;
}

bool CPaintManagerUI::OnSetCursor(LPARAM lParam, LRESULT& lRes)
{
    if (m_pRoot == nullptr || LOWORD(lParam) != HTCLIENT)
        return false;
    if (m_bMouseCapture)
    {
        lRes = TRUE;
        return true;
    }
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWndPaint, &pt);
    CControlUI* pControl = FindControl(pt);
    if (pControl == nullptr || (pControl->GetControlFlags() & FlagSetCursor) == 0)
        return false;
    tagTEventUI event = MakeInputEvent(EventType::SetCursor, pControl, 0, lParam);
    event.ptMouse = pt;
    pControl->Event(event);
    lRes = TRUE;
    return true;
}

void CPaintManagerUI::OnClose()
{
    if (m_pEventHover != nullptr)
    {
        CControlUI* pHover = m_pEventHover;
        m_pEventHover = nullptr; // one leave only
        tagTEventUI event = MakeInputEvent(EventType::MouseLeave, pHover);
        pHover->Event(event);
    }
    if (m_pEventClick != nullptr)
    {
        CControlUI* pClick = m_pEventClick;
        m_pEventClick = nullptr;
        tagTEventUI event = MakeInputEvent(EventType::ButtonUp, pClick);
        pClick->Event(event);
    }
    SetFocus(nullptr);
    if (::GetActiveWindow() == m_hWndPaint)
    {
        HWND hOwner = ::GetWindow(m_hWndPaint, GW_OWNER);
        if (hOwner != nullptr)
            ::SetFocus(hOwner);
    }
    DestroyToolTip();
}

void CPaintManagerUI::OnPrintClient(HDC hDC, LPARAM lParam)
{
    if (m_pRoot == nullptr || hDC == nullptr)
        return;
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_hWndPaint, &rcClient);
    const int iSave = ::SaveDC(hDC);
    m_pRoot->Paint(hDC, rcClient, nullptr);
    ::RestoreDC(hDC, iSave);
    if ((lParam & PRF_CHILDREN) == 0)
        return;
    for (HWND hChild = ::GetWindow(m_hWndPaint, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        RECT rcChild = {0, 0, 0, 0};
        ::GetWindowRect(hChild, &rcChild);
        ::MapWindowPoints(HWND_DESKTOP, m_hWndPaint, reinterpret_cast<POINT*>(&rcChild), 2);
        POINT ptOld = {0, 0};
        ::SetWindowOrgEx(hDC, -rcChild.left, -rcChild.top, &ptOld);
        ::SendMessageW(hChild, WM_PRINT, reinterpret_cast<WPARAM>(hDC), lParam | PRF_NONCLIENT);
        ::SetWindowOrgEx(hDC, ptOld.x, ptOld.y, nullptr);
    }
}

// ---- tooltips ---------------------------------------------------------------------------------

bool CPaintManagerUI::OnMouseHover(LPARAM lParam)
{
    m_bMouseTracking = false;
    const POINT pt = PointFromLParam(lParam);
    CControlUI* pControl = FindControl(pt);
    if (pControl == nullptr)
        return false;
    if (m_pEventHover != nullptr)
    {
        CControlUI* pHover = m_pEventHover;
        tagTEventUI event = MakeInputEvent(EventType::MouseHover, pHover, 0, lParam);
        event.ptMouse = pt;
        pHover->Event(event);
    }
    // The hover handler may have changed the tree.
    pControl = FindControl(pt);
    if (pControl != nullptr)
        ShowToolTip(pControl);
    return true;
}

void CPaintManagerUI::ShowToolTip(CControlUI* pControl)
{
    m_sToolTipText = pControl->GetToolTip();
    if (m_sToolTipText.IsEmpty())
        return;
    ::ZeroMemory(&m_ToolTip, sizeof(m_ToolTip));
    m_ToolTip.cbSize = sizeof(TOOLINFOW);
    m_ToolTip.uFlags = TTF_IDISHWND;
    m_ToolTip.hwnd = m_hWndPaint;
    m_ToolTip.uId = reinterpret_cast<UINT_PTR>(m_hWndPaint);
    m_ToolTip.hinst = GetInstance();
    m_ToolTip.lpszText = const_cast<wchar_t*>(m_sToolTipText.GetData());
    m_ToolTip.rect = pControl->GetPos();
    if (m_hwndTooltip == nullptr)
    {
        m_hwndTooltip = ::CreateWindowExW(
            0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWndPaint, nullptr, GetInstance(), nullptr);
        if (m_hwndTooltip == nullptr)
            return;
        ::SendMessageW(m_hwndTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
        ::SendMessageW(m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, pControl->GetToolTipWidth());
    }
    if (!::IsWindowVisible(m_hwndTooltip))
    {
        ::SendMessageW(m_hwndTooltip, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
        ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_ToolTip));
    }
}

void CPaintManagerUI::HideToolTip()
{
    if (m_hwndTooltip != nullptr)
        ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_ToolTip));
}

void CPaintManagerUI::DestroyToolTip()
{
    if (m_hwndTooltip == nullptr)
        return;
    if (::IsWindow(m_hwndTooltip))
        ::DestroyWindow(m_hwndTooltip);
    m_hwndTooltip = nullptr;
}

HWND CPaintManagerUI::GetTooltipWindow() const
{
    return m_hwndTooltip;
}

// ---- pre-translation and the message loop -----------------------------------------------------

bool CPaintManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    for (int i = 0; i < m_aPreMessageFilters.GetSize(); ++i)
    {
        bool bHandled = false;
        const LRESULT lResult = static_cast<IMessageFilterUI*>(m_aPreMessageFilters[i])
                                    ->MessageHandler(uMsg, wParam, lParam, bHandled);
        if (bHandled)
        {
            lRes = lResult;
            return true;
        }
    }
    switch (uMsg)
    {
    case WM_KEYDOWN:
        if (wParam != VK_TAB || FocusWantsTab(m_pFocus))
            return false;
        SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
        return true;
    case WM_SYSKEYDOWN:
        if (m_pFocus != nullptr)
            SendKeyEvent(EventType::SysKey, m_pFocus, wParam, lParam, false);
        return false;
    case WM_SYSCHAR:
    {
        if (m_pRoot == nullptr)
            return false;
        wchar_t ch = static_cast<wchar_t>(wParam);
        ::CharUpperBuffW(&ch, 1);
        if (ch == L'\0')
            return false; // controls without a shortcut hold 0
        CControlUI* pControl =
            m_pRoot->FindControl(FindControlFromShortcut, &ch, FindEnabled | FindTopFirst | FindMeFirst);
        if (pControl == nullptr)
            return false;
        pControl->SetFocus();
        pControl->Activate();
        return true;
    }
    default:
        return false;
    }
}

bool CPaintManagerUI::TranslateAccelerator(LPMSG pMsg)
{
    for (int i = 0; i < m_aTranslateAccelerator.GetSize(); ++i)
    {
        if (static_cast<ITranslateAccelerator*>(m_aTranslateAccelerator[i])->TranslateAccelerator(pMsg) ==
            S_OK)
            return true;
    }
    return false;
}

void CPaintManagerUI::MessageLoop()
{
    MSG msg = {};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        if (!TranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

bool CPaintManagerUI::TranslateMessage(const LPMSG pMsg)
{
    if (pMsg == nullptr || pMsg->hwnd == nullptr)
        return false;
    LRESULT lRes = 0;
    const bool bChild = (::GetWindowLongW(pMsg->hwnd, GWL_STYLE) & WS_CHILD) != 0;
    if (!bChild)
    {
        // Managers may come and go inside a handler: the live list is walked by index.
        for (int i = 0; i < m_aPreMessages.GetSize(); ++i)
        {
            CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(m_aPreMessages[i]);
            if (pManager->GetPaintWindow() != pMsg->hwnd)
                continue;
            if (pManager->TranslateAccelerator(pMsg))
                return true;
            return pManager->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes);
        }
        return false;
    }
    // A child window: the managers of the window and of each ancestor, nearest first; the
    // child keeps the message whatever they answer.
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr;)
    {
        for (int i = 0; i < m_aPreMessages.GetSize(); ++i)
        {
            CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(m_aPreMessages[i]);
            if (pManager->GetPaintWindow() != hWnd)
                continue;
            if (pManager->TranslateAccelerator(pMsg))
                return true;
            pManager->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes);
        }
        if ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
        hWnd = ::GetParent(hWnd);
    }
    return false;
}

CPaintManagerUI* CPaintManagerUI::GetPaintManager(const wchar_t* pstrName)
{
    if (pstrName == nullptr || *pstrName == L'\0')
        return nullptr;
    for (int i = 0; i < m_aPreMessages.GetSize(); ++i)
    {
        CPaintManagerUI* pManager = static_cast<CPaintManagerUI*>(m_aPreMessages[i]);
        if (pManager != nullptr && wcscmp(pManager->GetName(), pstrName) == 0)
            return pManager;
    }
    return nullptr;
}

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter)
{
    return pFilter != nullptr && m_aPreMessageFilters.Add(pFilter);
}

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter)
{
    const int i = m_aPreMessageFilters.Find(pFilter);
    return i >= 0 && m_aPreMessageFilters.Remove(i);
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* pFilter)
{
    return pFilter != nullptr && m_aMessageFilters.Add(pFilter);
}

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* pFilter)
{
    const int i = m_aMessageFilters.Find(pFilter);
    return i >= 0 && m_aMessageFilters.Remove(i);
}

bool CPaintManagerUI::AddTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator)
{
    return pTranslateAccelerator != nullptr && m_aTranslateAccelerator.Add(pTranslateAccelerator);
}

bool CPaintManagerUI::RemoveTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator)
{
    const int i = m_aTranslateAccelerator.Find(pTranslateAccelerator);
    return i >= 0 && m_aTranslateAccelerator.Remove(i);
}

} // namespace SkinUI
