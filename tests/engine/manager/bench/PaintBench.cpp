// Paint timing of an installer-like page at 115 % (690x460): a full repaint and a partial one
// (the percentage label), each through the manager's WM_PAINT on a shown window.
// Run: tools/wine-run --prefix <prefix> build/tests/engine/manager/paint_bench.exe [rounds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "engine/controls/CLabelUI.h"
#include "engine/controls/CProgressUI.h"
#include "engine/controls/CVerticalLayoutUI.h"
#include "engine/manager/CPaintManagerUI.h"

using namespace SkinUI;

namespace
{

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* pManager = reinterpret_cast<CPaintManagerUI*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    LRESULT lRes = 0;
    if (pManager != nullptr && pManager->MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

CLabelUI* Label(const wchar_t* text, int height, DWORD color)
{
    CLabelUI* p = new CLabelUI;
    p->SetText(text);
    p->SetFixedHeight(height);
    p->SetBkColor(color);
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZentrivoPaintBench";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"bench", WS_POPUP, 40, 40, 600, 400, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    double full = 0, partial = 0;
    {
        CPaintManagerUI manager;
        manager.Init(hWnd, L"bench");
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&manager));
        manager.SetDefaultFont(L"Arial", 12, false, false, false);
        // The installing page: title bar, picture area, status text, progress bar, percentage.
        CVerticalLayoutUI* pRoot = new CVerticalLayoutUI;
        pRoot->SetBkColor(0xFFFFFFFF);
        pRoot->Add(Label(L"Zentrivo", 40, 0xFF2D7BE5));
        pRoot->Add(Label(L"", 260, 0xFFEEF3FA));
        pRoot->Add(Label(L"Installing, please wait...", 30, 0));
        CProgressUI* pBar = new CProgressUI;
        pBar->SetFixedHeight(10);
        pBar->SetBkColor(0xFFDDDDDD);
        pBar->SetForeColor(0xFF2D7BE5);
        pBar->SetMaxValue(100);
        pRoot->Add(pBar);
        CLabelUI* pPercent = Label(L"0%", 30, 0);
        pRoot->Add(pPercent);
        pRoot->Add(Label(L"", 30, 0xFFF5F5F5));
        manager.AttachDialog(pRoot);
        ::ShowWindow(hWnd, SW_SHOW);
        ::UpdateWindow(hWnd);
        Pump();
        manager.SetDPI(110); // 690x460
        ::UpdateWindow(hWnd);
        Pump();
        ::UpdateWindow(hWnd);

        for (int i = 0; i < rounds; ++i)
        {
            const double t0 = Now();
            manager.Invalidate();
            ::UpdateWindow(hWnd);
            full += Now() - t0;
            wchar_t sz[16];
            _snwprintf(sz, 15, L"%d%%", i % 91);
            const double t1 = Now();
            pPercent->SetText(sz);
            ::UpdateWindow(hWnd);
            partial += Now() - t1;
        }
        SIZE sz = manager.GetClientSize();
        std::printf("paint %ldx%ld, %d rounds: full repaint %.3f ms, percent label %.3f ms (mean)\n", sz.cx,
                    sz.cy, rounds, full / rounds, partial / rounds);
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    }
    ::DestroyWindow(hWnd);
    CPaintManagerUI::Term();
    return 0;
}
