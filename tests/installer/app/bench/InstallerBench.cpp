// Timing and memory runs of the installer executable (a benchmark program, never a test).
//
//   installer_bench first-frame ZENTRIVO_EXE [rounds]
//       process start -> first painted frame of the main window, against a bare Win32 window of
//       the same size painting one bitmap (this program started again in "bare" mode). The frame
//       counts as painted when the screen shows the window's own pixels at a probe point.
//   installer_bench download ZENTRIVO_EXE
//       starts the installer, clicks Install (posted mouse messages), and while the download the
//       stand-in serves runs, samples the process's peak working set and the UI thread's CPU
//       time; prints them with the wall time once the download file stops growing.
//   installer_bench bare     (internal: the bare window)
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace
{

const int kWidth = 690;
const int kHeight = 460;

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

struct Found
{
    DWORD pid;
    HWND hwnd;
};

BOOL CALLBACK FindMain(HWND hwnd, LPARAM lp)
{
    Found* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    RECT rc = {};
    if (pid == f->pid && ::IsWindowVisible(hwnd) && ::GetWindowRect(hwnd, &rc) &&
        rc.right - rc.left == kWidth && rc.bottom - rc.top == kHeight)
    {
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The window of pid once the screen shows a pixel of the wanted colour at (x, y) of it.
HWND WaitPainted(DWORD pid, int x, int y, bool (*wanted)(COLORREF), DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    HDC screen = ::GetDC(nullptr);
    HWND found = nullptr;
    while (::GetTickCount() - start < timeoutMs)
    {
        Found f = {pid, nullptr};
        ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&f));
        if (f.hwnd != nullptr)
        {
            RECT rc = {};
            ::GetWindowRect(f.hwnd, &rc);
            if (wanted(::GetPixel(screen, rc.left + x, rc.top + y)))
            {
                found = f.hwnd;
                break;
            }
        }
        ::Sleep(2);
    }
    ::ReleaseDC(nullptr, screen);
    return found;
}

bool IsInstallRed(COLORREF c)
{
    return GetRValue(c) > 180 && GetGValue(c) < 120 && GetBValue(c) < 120;
}

bool IsBareBlue(COLORREF c)
{
    return GetBValue(c) > 180 && GetRValue(c) < 80;
}

bool Start(const std::wstring& cmd, PROCESS_INFORMATION* pi)
{
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    std::vector<wchar_t> line(cmd.begin(), cmd.end());
    line.push_back(L'\0');
    return ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, pi) !=
           FALSE;
}

void End(PROCESS_INFORMATION& pi)
{
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    static HBITMAP s_bitmap = nullptr;
    switch (msg)
    {
    case WM_CREATE:
    {
        // One 690x460 bitmap, made the way a skin's page background would be: a DIB section.
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = kWidth;
        bi.bmiHeader.biHeight = -kHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        s_bitmap = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bits != nullptr)
            for (int i = 0; i < kWidth * kHeight; ++i)
                static_cast<DWORD*>(bits)[i] = 0x002050E0; // blue
        return 0;
    }
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        HDC mem = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(mem, s_bitmap);
        ::BitBlt(dc, 0, 0, kWidth, kHeight, mem, 0, 0, SRCCOPY);
        ::SelectObject(mem, old);
        ::DeleteDC(mem);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

int Bare()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BareBench";
    ::RegisterClassW(&wc);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    ::CreateWindowExW(0, L"BareBench", L"", WS_POPUP | WS_VISIBLE, x, y, kWidth, kHeight, nullptr, nullptr,
                      wc.hInstance, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);
    return 0;
}

// Milliseconds from CreateProcess to the painted frame; negative when it never came.
double FirstFrame(const std::wstring& cmd, int x, int y, bool (*wanted)(COLORREF))
{
    PROCESS_INFORMATION pi = {};
    const double t0 = Now();
    if (!Start(cmd, &pi))
        return -1;
    HWND hwnd = WaitPainted(pi.dwProcessId, x, y, wanted, 120000);
    const double t = Now() - t0;
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof(pmc);
    if (::GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof(pmc)))
        std::printf("  working set at the first frame: %.1f MB\n", pmc.WorkingSetSize / 1048576.0);
    End(pi);
    ::Sleep(500);
    return hwnd != nullptr ? t : -1;
}

std::wstring SelfPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

int FirstFrames(const wchar_t* exe, int rounds)
{
    // The Install button's face, 40 px left of its centre (300, 244) at 115 %.
    const int bx = 345 - 46, by = 281 - 14;
    double sumApp = 0, sumBare = 0;
    int n = 0;
    for (int i = 0; i < rounds; ++i)
    {
        const double app = FirstFrame(std::wstring(L"\"") + exe + L"\"", bx, by, &IsInstallRed);
        const double bare = FirstFrame(L"\"" + SelfPath() + L"\" bare", bx, by, &IsBareBlue);
        std::printf("round %d: installer %.0f ms, bare window %.0f ms\n", i + 1, app, bare);
        if (app > 0 && bare > 0)
        {
            sumApp += app;
            sumBare += bare;
            ++n;
        }
    }
    if (n == 0)
        return 1;
    std::printf("start to first painted frame: installer %.0f ms, bare %.0f ms, ratio %.2f (%d rounds)\n",
                sumApp / n, sumBare / n, sumApp / sumBare, n);
    return 0;
}

double ThreadCpuMs(HANDLE thread)
{
    FILETIME c, e, k, u;
    if (!::GetThreadTimes(thread, &c, &e, &k, &u))
        return -1;
    const ULONGLONG kt = (static_cast<ULONGLONG>(k.dwHighDateTime) << 32) | k.dwLowDateTime;
    const ULONGLONG ut = (static_cast<ULONGLONG>(u.dwHighDateTime) << 32) | u.dwLowDateTime;
    return static_cast<double>(kt + ut) / 10000.0;
}

LONGLONG FileSize(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA d = {};
    if (!::GetFileAttributesExW(path, GetFileExInfoStandard, &d))
        return -1;
    return (static_cast<LONGLONG>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

int Download(const wchar_t* exe)
{
    const wchar_t* file = L"C:\\tolvane\\DOCWARP_Online.exe";
    PROCESS_INFORMATION pi = {};
    if (!Start(std::wstring(L"\"") + exe + L"\"", &pi))
        return 1;
    HWND hwnd = WaitPainted(pi.dwProcessId, 345 - 46, 281 - 14, &IsInstallRed, 120000);
    if (hwnd == nullptr)
    {
        End(pi);
        return 1;
    }
    ::Sleep(2000); // the start-up report and the first frames settle
    const double cpu0 = ThreadCpuMs(pi.hThread);
    PROCESS_MEMORY_COUNTERS idle = {};
    idle.cb = sizeof(idle);
    ::GetProcessMemoryInfo(pi.hProcess, &idle, sizeof(idle));
    std::printf("before the download: working set %.1f MB (peak %.1f MB)\n", idle.WorkingSetSize / 1048576.0,
                idle.PeakWorkingSetSize / 1048576.0);
    const LPARAM at = MAKELPARAM(345, 281);
    ::PostMessageW(hwnd, WM_MOUSEMOVE, 0, at);
    ::PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
    const double t0 = Now();
    LONGLONG last = -2;
    double lastChange = Now();
    SIZE_T peak = 0;
    while (Now() - lastChange < 3000 && Now() - t0 < 600000)
    {
        PROCESS_MEMORY_COUNTERS pmc = {};
        pmc.cb = sizeof(pmc);
        if (::GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof(pmc)) && pmc.PeakWorkingSetSize > peak)
            peak = pmc.PeakWorkingSetSize;
        const LONGLONG size = FileSize(file);
        if (size != last)
        {
            last = size;
            lastChange = Now();
        }
        ::Sleep(100);
    }
    const double wall = lastChange - t0;
    const double cpu = ThreadCpuMs(pi.hThread) - cpu0;
    std::printf(
        "download: %.1f MB in %.0f ms; UI thread CPU %.0f ms (%.2f %% of the wall time); peak working "
        "set %.1f MB\n",
        last / 1048576.0, wall, cpu, wall > 0 ? cpu * 100.0 / wall : 0.0, peak / 1048576.0);
    End(pi);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc >= 2 && wcscmp(argv[1], L"bare") == 0)
        return Bare();
    if (argc >= 3 && wcscmp(argv[1], L"first-frame") == 0)
        return FirstFrames(argv[2], argc >= 4 ? _wtoi(argv[3]) : 3);
    if (argc >= 3 && wcscmp(argv[1], L"download") == 0)
        return Download(argv[2]);
    std::fprintf(stderr, "usage: installer_bench first-frame|download ZENTRIVO_EXE [rounds]\n");
    return 2;
}
