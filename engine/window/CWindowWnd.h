// CWindowWnd: one native window driven by an object: class registration (or superclassing a
// system class), creation, the window procedure that routes messages to HandleMessage, a modal
// loop, centring, resizing the client area and icons.
//
// Contract: the object learns its handle on WM_NCCREATE and forgets it on WM_NCDESTROY, before
// OnFinalMessage (which may delete the object); after that the procedure never reaches the
// object again. An object deleted while its native window still exists must first call
// DetachFromWindow (the skinned window classes do it in their destructors): later messages
// then go to the default procedure. ShowModal returns the wParam of the WM_CLOSE posted to
// this window (Close) and re-posts a WM_QUIT it met; it never reads the object after a
// message was dispatched, so a window that deletes itself while closing is fine. Nothing
// throws through the window procedure.
//
// Not done: no ownership of the native window by the object's destructor (the caller destroys
// it); one thread only (the thread that created the window).
#pragma once

#include <windows.h>

namespace SkinUI
{

class CWindowWnd
{
public:
    CWindowWnd();
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    HWND GetHWND() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    bool RegisterWindowClass();
    bool RegisterSuperclass();

    HWND Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT rc,
                HMENU hMenu = nullptr);
    HWND Create(HWND hwndParent, const wchar_t* pstrName, DWORD dwStyle, DWORD dwExStyle,
                int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT,
                HMENU hMenu = nullptr);
    HWND CreateUIWindow(HWND hwndParent, const wchar_t* pstrWindowName, DWORD dwStyle = 0,
                        DWORD dwExStyle = 0);
    HWND Subclass(HWND hWnd);
    void Unsubclass();
    void ShowWindow(bool bShow = true, bool bTakeFocus = true);
    UINT ShowModal();
    void Close(UINT nRet = IDOK);
    void CenterWindow();
    void SetIcon(UINT nRes);

    LRESULT SendMessageW(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessageW(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    void ResizeClient(int cx = -1, int cy = -1);

    // Cuts the link from the native window to this object (the window keeps running on the
    // default procedure). For owners that delete the object before the window is gone.
    void DetachFromWindow();

    // The centred position CenterWindow moves to: the window rectangle centred over the
    // reference rectangle, then kept inside the work area.
    static POINT CenteredPosition(const RECT& rcWindow, const RECT& rcReference, const RECT& rcWorkArea);

protected:
    virtual const wchar_t* GetWndClassName() const = 0;
    virtual const wchar_t* GetSuperClassName() const;
    virtual UINT GetClassStyle() const;
    virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void OnFinalMessage(HWND hWnd);

    static LRESULT CALLBACK __WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK __ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT RouteMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool bProperty);

    HWND m_hWnd;
    WNDPROC m_OldWndProc;
    bool m_bSubclassed;
};

} // namespace SkinUI
