// Process start to the first painted frame: a skinned window built from "Bench.xml" (about
// 120 elements) in the archive stored as this program's module resource, against a bare Win32
// window that paints one bitmap, both in the same run. Prints milliseconds from the process's
// creation time (GetProcessTimes) to the end of each window's first WM_PAINT, and the build
// time of the skin alone. A program, not a test.
#include <windows.h>

#include <cstdio>

#include "engine/markup/CDialogBuilder.h"
#include "engine/window/CUIApplication.h"
#include "engine/window/CUIFrameWnd.h"

using namespace SkinUI;

namespace
{

double MsSinceProcessStart()
{
    FILETIME created, exited, kernel, user, now;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0;
}

double g_firstPaintMs = -1.0;

class CBenchFrame : public CUIFrameWnd
{
public:
    const wchar_t* GetWndClassName() const override { return L"ZentrivoBenchFrame"; }
    CUIString GetSkinXml() override { return CUIString(L"Bench.xml"); }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        const LRESULT lRes = CUIFrameWnd::HandleMessage(uMsg, wParam, lParam);
        if (uMsg == WM_PAINT && g_firstPaintMs < 0)
            g_firstPaintMs = MsSinceProcessStart();
        return lRes;
    }
};

double g_barePaintMs = -1.0;
HBITMAP g_bitmap = nullptr;

LRESULT CALLBACK BareProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_PAINT)
    {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hWnd, &ps);
        HDC hdcMem = ::CreateCompatibleDC(hdc);
        HGDIOBJ old = ::SelectObject(hdcMem, g_bitmap);
        ::BitBlt(hdc, 0, 0, 600, 400, hdcMem, 0, 0, SRCCOPY);
        ::SelectObject(hdcMem, old);
        ::DeleteDC(hdcMem);
        ::EndPaint(hWnd, &ps);
        if (g_barePaintMs < 0)
            g_barePaintMs = MsSinceProcessStart();
        return 0;
    }
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    const double startMs = MsSinceProcessStart();
    CUIApplication app;
    app.SetResType_ZipResource(L"", L"", 501, L"ZIPRES");
    if (!app.InitInstance(hInstance))
        return 2;

    CBenchFrame* pFrame = new CBenchFrame;
    if (pFrame->Create(nullptr, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 0, 600, 400) == nullptr)
        return 3;
    ::UpdateWindow(pFrame->GetHWND());
    const double skinnedMs = g_firstPaintMs;

    // The skin build alone, averaged.
    const int rounds = 5;
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < rounds; ++i)
    {
        CDialogBuilder builder;
        delete builder.Create(L"Bench.xml", nullptr, nullptr, &pFrame->GetPaintManager(), nullptr);
    }
    ::QueryPerformanceCounter(&t1);
    const double buildMs = (t1.QuadPart - t0.QuadPart) * 1000.0 / freq.QuadPart / rounds;

    // The bare window: one bitmap.
    const double bareStart = MsSinceProcessStart();
    HDC hdcScreen = ::GetDC(nullptr);
    g_bitmap = ::CreateCompatibleBitmap(hdcScreen, 600, 400);
    ::ReleaseDC(nullptr, hdcScreen);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &BareProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"ZentrivoBenchBare";
    ::RegisterClassW(&wc);
    HWND hBare = ::CreateWindowExW(0, wc.lpszClassName, L"bare", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400,
                                   nullptr, nullptr, hInstance, nullptr);
    ::UpdateWindow(hBare);
    const double bareMs = g_barePaintMs - bareStart;

    std::printf("process start to bench code: %.1f ms\n", startMs);
    std::printf("skinned window, process start to end of first WM_PAINT: %.1f ms\n", skinnedMs);
    std::printf("skinned window, from the start of wWinMain: %.1f ms\n", skinnedMs - startMs);
    std::printf("bare window (one bitmap), creation to end of first WM_PAINT: %.1f ms\n", bareMs);
    std::printf("ratio (skinned from wWinMain + start) / (bare + start): %.2f\n",
                skinnedMs / (startMs + bareMs));
    std::printf("skin build alone (Bench.xml, %d rounds): %.2f ms\n", rounds, buildMs);

    ::DestroyWindow(hBare);
    ::DeleteObject(g_bitmap);
    app.SetResType_File(L""); // nothing further to load
    delete pFrame;
    app.ExitInstance();
    return 0;
}
