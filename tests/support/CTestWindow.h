// CTestWindow: a hidden top-level window for tests that need a paint manager with a real
// window (timers, invalidation, posted wake-up messages). Its procedure hands the manager's
// wake-up message to the attached manager, as the skinned window class does.
//
// Not done: no painting, no other message routing.
#pragma once

#include <windows.h>

#include "engine/manager/CPaintManagerUI.h"

class CTestWindow
{
public:
    CTestWindow(int cx = 200, int cy = 100)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CTestWindow::WndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZentrivoTestWindow";
        ::RegisterClassW(&wc); // a second registration fails harmlessly
        m_hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, cx, cy, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    }
    ~CTestWindow()
    {
        if (m_hWnd != nullptr)
            ::DestroyWindow(m_hWnd);
    }
    CTestWindow(const CTestWindow&) = delete;
    CTestWindow& operator=(const CTestWindow&) = delete;

    HWND Get() const { return m_hWnd; }
    void Attach(SkinUI::CPaintManagerUI* pManager)
    {
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pManager));
    }
    // Number of wake-up messages waiting in the queue (removed while counted).
    int TakeWakeUps()
    {
        int n = 0;
        MSG msg;
        while (::PeekMessageW(&msg, m_hWnd, SkinUI::WM_SKINUI_ASYNC, SkinUI::WM_SKINUI_ASYNC, PM_REMOVE))
            ++n;
        return n;
    }
    // Dispatches every waiting wake-up message to the manager.
    void DispatchWakeUps()
    {
        MSG msg;
        while (::PeekMessageW(&msg, m_hWnd, SkinUI::WM_SKINUI_ASYNC, SkinUI::WM_SKINUI_ASYNC, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        if (uMsg == SkinUI::WM_SKINUI_ASYNC)
        {
            auto* pManager =
                reinterpret_cast<SkinUI::CPaintManagerUI*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
            if (pManager != nullptr)
                pManager->OnAsyncNotify();
            return 0;
        }
        return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }

    HWND m_hWnd;
};
