#include "engine/window/CWindowWnd.h"

#include "engine/manager/CPaintManagerUI.h"

namespace SkinUI
{

namespace
{
const wchar_t kControlProp[] = L"WndX";

int RoundUpTo16(int n)
{
    return (n + 15) & ~15;
}
} // namespace

CWindowWnd::CWindowWnd() : m_hWnd(nullptr), m_OldWndProc(::DefWindowProcW), m_bSubclassed(false) {}

const wchar_t* CWindowWnd::GetSuperClassName() const
{
    return nullptr;
}

UINT CWindowWnd::GetClassStyle() const
{
    return 0;
}

HWND CWindowWnd::CreateUIWindow(HWND hwndParent, const wchar_t* pstrWindowName, DWORD dwStyle,
                                DWORD dwExStyle)
{
    return Create(hwndParent, pstrWindowName, dwStyle, dwExStyle, 0, 0, 0, 0, nullptr);
}

HWND CWindowWnd::Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle,
                        const RECT rc, HMENU hMenu)
{
    return Create(hwndParent, pstrName, dwStyle, dwExStyle, rc.left, rc.top, rc.right - rc.left,
                  rc.bottom - rc.top, hMenu);
}

HWND CWindowWnd::Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle, int x,
                        int y, int cx, int cy, HMENU hMenu)
{
    if (GetSuperClassName() != nullptr ? !RegisterSuperclass() : !RegisterWindowClass())
        return nullptr;
    m_hWnd = ::CreateWindowExW(dwExStyle, GetWndClassName(), pstrName, dwStyle, x, y, cx, cy, hwndParent,
                               hMenu, CPaintManagerUI::GetInstance(), this);
    return m_hWnd;
}

bool CWindowWnd::RegisterWindowClass()
{
    WNDCLASSW wc = {};
    wc.style = GetClassStyle();
    wc.lpfnWndProc = &CWindowWnd::__WndProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = GetWndClassName();
    if (wc.lpszClassName == nullptr || *wc.lpszClassName == L'\0')
        return false;
    const ATOM ret = ::RegisterClassW(&wc);
    return ret != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWindowWnd::RegisterSuperclass()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(nullptr, GetSuperClassName(), &wc) &&
        !::GetClassInfoExW(CPaintManagerUI::GetInstance(), GetSuperClassName(), &wc))
        return false;
    m_OldWndProc = wc.lpfnWndProc;
    wc.lpfnWndProc = &CWindowWnd::__ControlProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.lpszClassName = GetWndClassName();
    const ATOM ret = ::RegisterClassExW(&wc);
    return ret != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Subclass(HWND hWnd)
{
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return nullptr;
    auto oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindowWnd::__WndProc)));
    if (oldProc == nullptr)
        return nullptr;
    m_OldWndProc = oldProc;
    m_bSubclassed = true;
    m_hWnd = hWnd;
    ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return m_hWnd;
}

void CWindowWnd::Unsubclass()
{
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd) || !m_bSubclassed)
        return;
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldWndProc));
    m_OldWndProc = ::DefWindowProcW;
    m_bSubclassed = false;
}

void CWindowWnd::DetachFromWindow()
{
    if (m_hWnd == nullptr)
        return;
    if (::IsWindow(m_hWnd))
    {
        if (::GetWindowLongPtrW(m_hWnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
            ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        if (::GetPropW(m_hWnd, kControlProp) == this)
            ::SetPropW(m_hWnd, kControlProp, nullptr);
        Unsubclass();
    }
    m_hWnd = nullptr;
}

void CWindowWnd::ShowWindow(bool bShow, bool bTakeFocus)
{
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return;
    ::ShowWindow(m_hWnd, bShow ? (bTakeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

UINT CWindowWnd::ShowModal()
{
    // Only locals from here on: the object may be deleted while its last messages run.
    const HWND hWnd = m_hWnd;
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return 0;
    const HWND hWndParent = ::GetWindow(hWnd, GW_OWNER);
    ::ShowWindow(hWnd, SW_SHOWNORMAL);
    if (hWndParent != nullptr)
        ::EnableWindow(hWndParent, FALSE);
    UINT nRet = 0;
    bool bQuit = false;
    int nQuitCode = 0;
    MSG msg = {};
    while (::IsWindow(hWnd) && ::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        if (msg.message == WM_CLOSE && msg.hwnd == hWnd)
        {
            nRet = static_cast<UINT>(msg.wParam);
            if (hWndParent != nullptr)
            {
                ::EnableWindow(hWndParent, TRUE);
                ::SetFocus(hWndParent);
            }
        }
        if (!CPaintManagerUI::TranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // The loop ends on WM_QUIT only when GetMessage took it from the queue (it returned 0).
    if (msg.message == WM_QUIT)
    {
        bQuit = true;
        nQuitCode = static_cast<int>(msg.wParam);
    }
    if (hWndParent != nullptr)
    {
        ::EnableWindow(hWndParent, TRUE);
        ::SetFocus(hWndParent);
    }
    if (bQuit)
        ::PostQuitMessage(nQuitCode);
    return nRet;
}

void CWindowWnd::Close(UINT nRet)
{
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return;
    ::PostMessageW(m_hWnd, WM_CLOSE, static_cast<WPARAM>(nRet), 0);
}

POINT CWindowWnd::CenteredPosition(const RECT& rcWindow, const RECT& rcReference, const RECT& rcWorkArea)
{
    const int dlgWidth = rcWindow.right - rcWindow.left;
    const int dlgHeight = rcWindow.bottom - rcWindow.top;
    // Division by 2 truncates toward zero, also for negative sums (monitors left of the primary).
    int xLeft = (rcReference.left + rcReference.right) / 2 - dlgWidth / 2;
    int yTop = (rcReference.top + rcReference.bottom) / 2 - dlgHeight / 2;
    if (xLeft < rcWorkArea.left)
        xLeft = rcWorkArea.left;
    else if (xLeft + dlgWidth > rcWorkArea.right)
        xLeft = rcWorkArea.right - dlgWidth;
    if (yTop < rcWorkArea.top)
        yTop = rcWorkArea.top;
    else if (yTop + dlgHeight > rcWorkArea.bottom)
        yTop = rcWorkArea.bottom - dlgHeight;
    return POINT{xLeft, yTop};
}

void CWindowWnd::CenterWindow()
{
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return;
    RECT rcDlg = {};
    ::GetWindowRect(m_hWnd, &rcDlg);
    const HWND hWndParent = ::GetWindow(m_hWnd, GW_OWNER);
    const HMONITOR hMonitor =
        ::MonitorFromWindow(hWndParent != nullptr ? hWndParent : m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO oMonitor = {};
    oMonitor.cbSize = sizeof(oMonitor);
    if (!::GetMonitorInfoW(hMonitor, &oMonitor))
        return;
    const RECT rcArea = oMonitor.rcWork;
    RECT rcCenter = rcArea;
    if (hWndParent != nullptr)
        ::GetWindowRect(hWndParent, &rcCenter);
    const POINT pt = CenteredPosition(rcDlg, rcCenter, rcArea);
    ::SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::SetIcon(UINT nRes)
{
    if (m_hWnd == nullptr)
        return;
    const int cx = RoundUpTo16(::GetSystemMetrics(SM_CXICON));
    const int cy = RoundUpTo16(::GetSystemMetrics(SM_CYICON));
    // The window keeps the icons (it does not free them); they live as long as the module.
    HICON hIcon = static_cast<HICON>(::LoadImageW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(nRes),
                                                  IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
    if (hIcon != nullptr)
        ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    hIcon = static_cast<HICON>(::LoadImageW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(nRes),
                                            IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
    if (hIcon != nullptr)
        ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
}

LRESULT CWindowWnd::SendMessageW(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessageW(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::ResizeClient(int cx, int cy)
{
    RECT rc = {};
    if (m_hWnd == nullptr || !::GetClientRect(m_hWnd, &rc))
        return;
    if (cx != -1)
        rc.right = cx;
    if (cy != -1)
        rc.bottom = cy;
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
    const BOOL bMenu = !(dwStyle & WS_CHILD) && ::GetMenu(m_hWnd) != nullptr;
    if (!::AdjustWindowRectEx(&rc, dwStyle, bMenu, dwExStyle))
        return;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcW(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND /*hWnd*/) {}

LRESULT CWindowWnd::RouteMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool bProperty)
{
    // The object is kept in GWLP_USERDATA for windows of our own class and in a window property
    // for superclassed system classes (whose procedures may use the user data themselves).
    CWindowWnd* pThis = nullptr;
    if (uMsg == WM_NCCREATE)
    {
        auto* lpcs = reinterpret_cast<LPCREATESTRUCTW>(lParam);
        pThis = static_cast<CWindowWnd*>(lpcs->lpCreateParams);
        if (pThis != nullptr)
        {
            pThis->m_hWnd = hWnd;
            if (bProperty)
                ::SetPropW(hWnd, kControlProp, pThis);
            else
                ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
        }
    }
    else
    {
        pThis = bProperty ? static_cast<CWindowWnd*>(::GetPropW(hWnd, kControlProp))
                          : reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (uMsg == WM_NCDESTROY && pThis != nullptr)
        {
            const LRESULT lRes = ::CallWindowProcW(pThis->m_OldWndProc, hWnd, uMsg, wParam, lParam);
            if (bProperty)
                ::RemovePropW(hWnd, kControlProp);
            else
                ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
            if (pThis->m_bSubclassed)
                pThis->Unsubclass();
            pThis->m_hWnd = nullptr;
            pThis->OnFinalMessage(hWnd); // may delete the object
            return lRes;
        }
    }
    if (pThis != nullptr)
        return pThis->HandleMessage(uMsg, wParam, lParam);
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::__WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return RouteMessage(hWnd, uMsg, wParam, lParam, false);
}

LRESULT CALLBACK CWindowWnd::__ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return RouteMessage(hWnd, uMsg, wParam, lParam, true);
}

} // namespace SkinUI
