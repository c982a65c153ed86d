// Process start to the first painted frame of Zentrivo.exe's main window (the stand-in
// healthy), against a bare Win32 window that paints one 690x460 bitmap, measured the same way
// in the same run: from CreateProcessW to the moment the screen shows the window's pixels
// (polled at a point of the page background). Prints each round and the medians. A program,
// not a test: tools/wine-run build/tests/installer/app/bench_app_start.exe [rounds]
#include "tests/installer/net/CStandInSession.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

constexpr int kWidth = 690, kHeight = 460;
constexpr COLORREF kBareColour = RGB(236, 240, 245);

std::wstring HostPath(const char* hostPath)
{
    std::wstring path = L"Z:";
    for (const char* c = hostPath; *c != '\0'; ++c)
        path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c)));
    return path;
}

LRESULT CALLBACK BareProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    static HBITMAP bitmap = nullptr;
    if (msg == WM_PAINT)
    {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hWnd, &ps);
        if (bitmap == nullptr)
        {
            BITMAPINFO bi = {};
            bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
            bi.bmiHeader.biWidth = kWidth;
            bi.bmiHeader.biHeight = -kHeight;
            bi.bmiHeader.biPlanes = 1;
            bi.bmiHeader.biBitCount = 32;
            void* bits = nullptr;
            bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
            DWORD* px = static_cast<DWORD*>(bits);
            for (int i = 0; i < kWidth * kHeight; ++i)
                px[i] =
                    (GetRValue(kBareColour) << 16) | (GetGValue(kBareColour) << 8) | GetBValue(kBareColour);
        }
        HDC mem = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(mem, bitmap);
        ::BitBlt(dc, 0, 0, kWidth, kHeight, mem, 0, 0, SRCCOPY);
        ::SelectObject(mem, old);
        ::DeleteDC(mem);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    if (msg == WM_DESTROY)
    {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

int RunBareWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BareBench";
    ::RegisterClassW(&wc);
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, (work.left + work.right - kWidth) / 2,
                      (work.top + work.bottom - kHeight) / 2, kWidth, kHeight, nullptr, nullptr, wc.hInstance,
                      nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

struct tagTFound
{
    DWORD pid;
    const wchar_t* cls;
    HWND hWnd;
};

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM param)
{
    tagTFound* f = reinterpret_cast<tagTFound*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    wchar_t cls[64] = {};
    ::GetClassNameW(hWnd, cls, 64);
    if (pid == f->pid && wcscmp(cls, f->cls) == 0 && ::IsWindowVisible(hWnd))
    {
        f->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from the start of the process to the screen showing its window's pixels at a
// point of the background (window-relative), or -1.
double MeasureOnce(const std::wstring& commandLine, const wchar_t* cls, POINT probe)
{
    HDC screen = ::GetDC(nullptr);
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    std::wstring command = commandLine;
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    ::QueryPerformanceCounter(&t0);
    if (!::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    double ms = -1;
    tagTFound found = {pi.dwProcessId, cls, nullptr};
    for (int i = 0; i < 60000; ++i)
    {
        if (found.hWnd == nullptr)
            ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&found));
        if (found.hWnd != nullptr)
        {
            RECT rc;
            ::GetWindowRect(found.hWnd, &rc);
            const COLORREF c = ::GetPixel(screen, rc.left + probe.x, rc.top + probe.y);
            // Painted: not the empty black an unpainted window or the bare desktop shows.
            if (c != CLR_INVALID && c != RGB(0, 0, 0) && rc.right - rc.left == kWidth)
            {
                ::QueryPerformanceCounter(&t1);
                ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) /
                     static_cast<double>(freq.QuadPart);
                break;
            }
        }
        ::Sleep(1);
    }
    if (found.hWnd != nullptr)
        ::PostMessageW(found.hWnd, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ::ReleaseDC(nullptr, screen);
    return ms;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 1 && wcscmp(argv[1], L"--bare") == 0)
        return RunBareWindow();
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 3;

    CStandInSession* s = CStandInSession::Default();
    s->Script("/tolvane/getDownUrl",
              R"({"body":"{\"state\":0,\"data\":{\"onlineUrl\":\"https://cdn/on.exe\",)"
              R"(\"offlineUrl\":\"https://cdn/off.exe\"}}"})");
    s->Script("/ipJson.jsp", R"({"body":"{\"ip\":\"198.51.100.7\",\"isp\":\"x\"}"})");
    s->Script("/client/userOperating", R"({"body":"ok"})");

    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring installer = L"\"" + HostPath(ZENTRIVO_EXE) + L"\"";
    const std::wstring bare = L"\"" + std::wstring(self) + L"\" --bare";
    std::vector<double> app, plain;
    for (int i = 0; i < rounds; ++i)
    {
        const double a = MeasureOnce(installer, L"MainFrame", POINT{30, 120});
        const double b = MeasureOnce(bare, L"BareBench", POINT{30, 120});
        wprintf(L"round %d: Zentrivo.exe %.0f ms, bare window %.0f ms\n", i + 1, a, b);
        if (a > 0)
            app.push_back(a);
        if (b > 0)
            plain.push_back(b);
    }
    const double ma = Median(app), mb = Median(plain);
    wprintf(L"median: Zentrivo.exe %.0f ms, bare window %.0f ms, ratio %.2f\n", ma, mb,
            mb > 0 ? ma / mb : 0.0);
    return 0;
}
