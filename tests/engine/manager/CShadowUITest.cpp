// The window shadow on real windows: the computed image pixel by pixel against an independent
// distance rule, the layered window's rectangle, image mode, value ranges, and the subclass
// procedure following the window through move, size, show, minimise and destruction.
#include <gtest/gtest.h>
#include <windows.h>

#include <math.h>
#include <algorithm>
#include <stdio.h>
#include <string>
#include <vector>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/manager/CShadowUI.h"

using SkinUI::CPaintManagerUI;
using SkinUI::CShadowUI;

namespace
{

// Opens the protected parts the paint manager and the window procedure use.
class CShadowProbe : public CShadowUI
{
public:
    using CShadowUI::GetShadowMap;
    using CShadowUI::MakeShadow;
    using CShadowUI::PreMultiply;
    using CShadowUI::Update;
};

const wchar_t kHostClass[] = L"ShadowTestHost";
int g_nHostMessages = 0; // WM_APP messages the host's own procedure received
int g_nHostPaints = 0;

LRESULT CALLBACK HostProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_APP)
    {
        ++g_nHostMessages;
        return 0x5A;
    }
    if (uMsg == WM_PAINT)
        ++g_nHostPaints;
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

void RegisterHost()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = HostProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kHostClass;
    ::RegisterClassExW(&wc);
    s_bDone = true;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Shows the window and lets it paint, as a restored or newly shown window would.
void ShowAndPaint(HWND hWnd, int nCmdShow)
{
    ::ShowWindow(hWnd, nCmdShow);
    ::UpdateWindow(hWnd);
    Pump();
}

RECT WindowRect(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// Alpha and premultiplied colour of one pixel, as the shadow stores it.
DWORD Premultiplied(DWORD rgb, int alpha)
{
    const DWORD r = ((rgb >> 16) & 0xFF) * alpha / 255;
    const DWORD g = ((rgb >> 8) & 0xFF) * alpha / 255;
    const DWORD b = (rgb & 0xFF) * alpha / 255;
    return (static_cast<DWORD>(alpha) << 24) | (r << 16) | (g << 8) | b;
}

// What a rectangular window's shadow must hold at (x, row): nothing inside clear; the solid
// colour inside solid; elsewhere the fading edge by the distance r to the outline rectangle:
// full darkness inside the core radius, (1 - (r - core) / (sharpness + 1)) * darkness out to
// the kernel radius, nothing beyond.
struct TExpected
{
    RECT outline;
    RECT clear;
    RECT solid;
    int radius;
    int core;
    int sharpness;
    int darkness;
    DWORD rgb;

    DWORD At(int x, int y) const
    {
        const POINT pt = {x, y};
        if (::PtInRect(&clear, pt))
            return 0;
        if (::PtInRect(&solid, pt))
            return Premultiplied(rgb, darkness);
        const int nx = x < outline.left ? outline.left : (x >= outline.right ? outline.right - 1 : x);
        const int ny = y < outline.top ? outline.top : (y >= outline.bottom ? outline.bottom - 1 : y);
        const double r = sqrt(static_cast<double>((x - nx) * (x - nx) + (y - ny) * (y - ny)));
        if (r < core)
            return Premultiplied(rgb, darkness);
        if (r > radius)
            return 0;
        // Whole distances are compared exactly: 5/6 of 150 is 125, not 124.
        const double a = (sharpness + 1 - (r - core)) * darkness / (sharpness + 1);
        return Premultiplied(rgb, static_cast<int>(a + 1e-9));
    }
};

// A shadowed host window with a manager; the shadow keeps its last image for inspection.
class ShadowWindow
{
public:
    ShadowWindow(int x, int y, int cx, int cy, bool bVisible = true)
    {
        RegisterHost();
        CShadowUI::Initialize(::GetModuleHandleW(nullptr));
        m_hWnd = ::CreateWindowExW(0, kHostClass, L"host", WS_POPUP | (bVisible ? WS_VISIBLE : 0), x, y, cx,
                                   cy, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        m_manager.Init(m_hWnd);
        m_shadow.KeepLastImage(true);
    }
    ~ShadowWindow()
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        Pump();
    }

    void Computed(int size, unsigned int sharpness, unsigned int darkness, DWORD rgb)
    {
        m_shadow.ShowShadow(true);
        m_shadow.SetSize(size);
        m_shadow.SetSharpness(sharpness);
        m_shadow.SetDarkness(darkness);
        m_shadow.SetColor(rgb);
    }
    // The installer's values: showshadow, size 5, corner 5,5,5,5, colour 0xDCDCDC, darkness 150.
    void InstallerValues()
    {
        Computed(5, 5, 150, 0xDCDCDC);
        m_shadow.SetShadowCorner(RECT{5, 5, 5, 5});
    }
    void Create()
    {
        m_shadow.Create(&m_manager);
        Pump();
    }

    // Pixel of shadow row y (0 at the top) of the last image; the DIB is bottom-up.
    DWORD Pixel(int x, int y) const
    {
        const CShadowUI::TLastImage& img = m_shadow.GetLastImage();
        return img.pixels[static_cast<size_t>(img.cy - 1 - y) * img.cx + x];
    }
    // Number of pixels differing from the expectation; the first few are reported.
    int CountMismatches(const TExpected& expected) const
    {
        const CShadowUI::TLastImage& img = m_shadow.GetLastImage();
        int n = 0;
        for (int y = 0; y < img.cy; ++y)
            for (int x = 0; x < img.cx; ++x)
            {
                const DWORD want = expected.At(x, y);
                const DWORD got = Pixel(x, y);
                if (want != got && ++n <= 5)
                    ADD_FAILURE() << "pixel (" << x << "," << y << ") is 0x" << std::hex << got
                                  << ", expected 0x" << want;
            }
        return n;
    }

    HWND m_hWnd;
    CPaintManagerUI m_manager;
    CShadowProbe m_shadow;
};

// A visible window whose shadow carries the installer's values, created at once.
class InstallerShadowWindow : public ShadowWindow
{
public:
    InstallerShadowWindow(int x, int y, int cx, int cy, bool bVisible = true)
        : ShadowWindow(x, y, cx, cy, bVisible)
    {
        InstallerValues();
        Create();
    }
    HWND Shadow() const { return m_shadow.GetShadowWindow(); }
};

void ExpectRect(const RECT& rc, int left, int top, int right, int bottom)
{
    EXPECT_EQ(left, rc.left);
    EXPECT_EQ(top, rc.top);
    EXPECT_EQ(right, rc.right);
    EXPECT_EQ(bottom, rc.bottom);
}

} // namespace

// ---- the computed image -----------------------------------------------------------------

TEST(ShadowImage, InstallerValuesGiveAFiveSoftPixelBandAroundAClearWindow)
{
    InstallerShadowWindow w(100, 80, 600, 400);

    const HWND hShadow = w.Shadow();
    ASSERT_NE(nullptr, hShadow);
    EXPECT_TRUE(::IsWindowVisible(hShadow));
    ExpectRect(WindowRect(hShadow), 95, 75, 705, 485);
    EXPECT_NE(0, ::GetWindowLongW(hShadow, GWL_EXSTYLE) & WS_EX_LAYERED);

    const CShadowUI::TLastImage& img = w.m_shadow.GetLastImage();
    ASSERT_EQ(610, img.cx);
    ASSERT_EQ(410, img.cy);
    EXPECT_GT(img.biHeight, 0); // bottom-up section

    EXPECT_EQ(0x7D6B6B6Bu, w.Pixel(4, 205));   // next to the left edge: 125, 0xDC*125/255
    EXPECT_EQ(0x19151515u, w.Pixel(0, 205));   // five out: 25
    EXPECT_EQ(0x7D6B6B6Bu, w.Pixel(605, 205)); // right
    EXPECT_EQ(0x19151515u, w.Pixel(609, 205));
    EXPECT_EQ(0x7D6B6B6Bu, w.Pixel(300, 4)); // top
    EXPECT_EQ(0x19151515u, w.Pixel(300, 0));
    EXPECT_EQ(0x7D6B6B6Bu, w.Pixel(300, 405)); // bottom
    EXPECT_EQ(0x19151515u, w.Pixel(300, 409));
    EXPECT_EQ(0u, w.Pixel(5, 5));                           // the window's own area
    EXPECT_EQ(0u, w.Pixel(300, 200));                       // its centre
    EXPECT_EQ(0u, w.Pixel(0, 0));                           // corner beyond the radius (7.07)
    EXPECT_EQ(Premultiplied(0xDCDCDC, 114), w.Pixel(4, 4)); // sqrt 2 from the corner

    const TExpected expected = {{5, 5, 605, 405}, {5, 5, 605, 405}, {}, 5, 0, 5, 150, 0xDCDCDC};
    EXPECT_EQ(0, w.CountMismatches(expected));
}

TEST(ShadowImage, PositionMovesTheShadowAndTheClearAreaFollowsTheWindow)
{
    ShadowWindow w(100, 80, 600, 400);
    w.InstallerValues();
    EXPECT_TRUE(w.m_shadow.SetPosition(3, 3));
    w.Create();

    ExpectRect(WindowRect(w.m_shadow.GetShadowWindow()), 98, 78, 708, 488);
    // The window covers shadow pixels (2, 2)…(601, 401); the outline stays at 5…604 × 5…404, so
    // the band is solid where it peeks out right and below, and thin above and left.
    const TExpected expected = {{5, 5, 605, 405}, {2, 2, 602, 402}, {5, 5, 605, 405}, 5, 0, 5, 150, 0xDCDCDC};
    EXPECT_EQ(0, w.CountMismatches(expected));
    EXPECT_EQ(0x96818181u, w.Pixel(603, 200)); // solid: 150, 0xDC*150/255
    EXPECT_EQ(0x96818181u, w.Pixel(300, 403));
    EXPECT_EQ(0u, w.Pixel(300, 3));
}

TEST(ShadowImage, SharpnessAboveSizeErodesTheOutlineFirst)
{
    ShadowWindow w(50, 60, 200, 100);
    w.Computed(2, 4, 150, 0x0000FF);
    w.Create();

    ASSERT_EQ(204, w.m_shadow.GetLastImage().cx);
    ASSERT_EQ(104, w.m_shadow.GetLastImage().cy);
    // Two erosions pull the outline to 4…199 × 4…99; radius 4 fades over 5 steps.
    EXPECT_EQ(Premultiplied(0x0000FF, 60), w.Pixel(1, 50));
    EXPECT_EQ(Premultiplied(0x0000FF, 30), w.Pixel(0, 50));
    EXPECT_EQ(0x3C00003Cu, w.Pixel(1, 50)); // blue in the low byte
    const TExpected expected = {{4, 4, 200, 100}, {2, 2, 202, 102}, {}, 4, 0, 4, 150, 0x0000FF};
    EXPECT_EQ(0, w.CountMismatches(expected));
}

TEST(ShadowImage, SizeAboveSharpnessHasASolidCore)
{
    ShadowWindow w(50, 60, 120, 80);
    w.Computed(8, 3, 200, 0x336699);
    w.Create();

    // Radius 8, core 5: 200 up to 4 pixels out, then 200, 150, 100, 50.
    EXPECT_EQ(Premultiplied(0x336699, 200), w.Pixel(4, 40));
    EXPECT_EQ(Premultiplied(0x336699, 200), w.Pixel(3, 40));
    EXPECT_EQ(Premultiplied(0x336699, 150), w.Pixel(2, 40));
    EXPECT_EQ(Premultiplied(0x336699, 50), w.Pixel(0, 40));
    const TExpected expected = {{8, 8, 128, 88}, {8, 8, 128, 88}, {}, 8, 5, 3, 200, 0x336699};
    EXPECT_EQ(0, w.CountMismatches(expected));
}

TEST(ShadowImage, WindowRegionShapesTheOutline)
{
    ShadowWindow w(50, 60, 100, 60);
    // The top-left 20×20 is cut off the window.
    HRGN hRgn = ::CreateRectRgn(0, 20, 100, 60);
    HRGN hTop = ::CreateRectRgn(20, 0, 100, 20);
    ::CombineRgn(hRgn, hRgn, hTop, RGN_OR);
    ::DeleteObject(hTop);
    ASSERT_NE(0, ::SetWindowRgn(w.m_hWnd, hRgn, FALSE)); // the window owns the region now
    w.Computed(5, 5, 150, 0);
    w.Create();

    // The notch (shadow pixels 5…24 × 5…24) is not cleared: its inner edges cast the soft band
    // into it, and its far corner stays empty.
    EXPECT_EQ(0x7D000000u, w.Pixel(24, 10)); // one left of the vertical inner edge: 125, black
    EXPECT_EQ(0x4B000000u, w.Pixel(10, 22)); // three above the horizontal one: 75
    EXPECT_EQ(0x19000000u, w.Pixel(20, 20)); // five from both: 25
    EXPECT_EQ(0u, w.Pixel(15, 15));          // farther than the radius from every edge
    EXPECT_EQ(0u, w.Pixel(30, 30));          // inside the window
    EXPECT_EQ(0u, w.Pixel(26, 6));           // inside its top part
}

TEST(ShadowImage, NothingIsDrawnForSizeZeroOrANonPositiveImage)
{
    {
        ShadowWindow w(50, 60, 200, 100);
        w.m_shadow.ShowShadow(true);
        w.Create(); // size stays 0
        ASSERT_NE(nullptr, w.m_shadow.GetShadowWindow());
        EXPECT_EQ(0, w.m_shadow.GetLastImage().cx);
    }
    {
        ShadowWindow w(50, 60, 60, 50);
        w.m_shadow.ShowShadow(true);
        w.m_shadow.SetSize(-35); // 60 - 70 wide
        w.Create();
        EXPECT_EQ(0, w.m_shadow.GetLastImage().cx);
    }
    {
        // A negative size shrinks the shadow inside the window; rows pushed above the top are
        // skipped, nothing is written outside the image.
        ShadowWindow w(50, 60, 100, 80);
        w.m_shadow.ShowShadow(true);
        w.m_shadow.SetSize(-3);
        w.m_shadow.SetSharpness(2);
        w.Create();
        ASSERT_EQ(94, w.m_shadow.GetLastImage().cx);
        ASSERT_EQ(74, w.m_shadow.GetLastImage().cy);
        // Smaller than the window and not offset, it lies wholly under it: every pixel clear.
        const std::vector<DWORD>& pixels = w.m_shadow.GetLastImage().pixels;
        EXPECT_EQ(pixels.size(), static_cast<size_t>(std::count(pixels.begin(), pixels.end(), 0u)));
    }
}

TEST(ShadowImage, StampingKeepsTheLargerWholePixel)
{
    ShadowWindow w(50, 60, 40, 30, false);
    w.Computed(5, 5, 150, 0xDCDCDC);
    const int cx = 50, cy = 40;
    std::vector<UINT32> bits(cx * cy, 0);
    auto at = [&](int x, int y) -> UINT32& { return bits[(cy - 1 - y) * cx + x]; };
    at(4, 20) = 0xFF000000; // denser than the shadow's 125 there: kept
    at(3, 20) = 0x10FFFFFF; // bright but thin: the shadow's 100 wins on the alpha byte
    RECT rc = {50, 60, 90, 90};
    w.m_shadow.MakeShadow(bits.data(), w.m_hWnd, &rc);
    EXPECT_EQ(0xFF000000u, at(4, 20));
    EXPECT_EQ(0x64565656u, at(3, 20));
    EXPECT_EQ(0x7D6B6B6Bu, at(4, 21));
}

TEST(ShadowImage, PreMultiplyScalesEachColourByte)
{
    COLORREF cl = 0x00DCDCDC;
    CShadowProbe::PreMultiply(cl, 125);
    EXPECT_EQ(0x006B6B6Bu, cl);
    cl = 0x00FF8001;
    CShadowProbe::PreMultiply(cl, 128);
    EXPECT_EQ(0x00804000u, cl);
}

// ---- image mode ---------------------------------------------------------------------------

namespace
{

// A 15×15 24-bit bitmap of nine 5×5 blocks, block (bx, by) coloured 0x10*(by*3+bx+1) in red.
std::wstring WriteNinePatch(const std::wstring& folder)
{
    const int n = 15;
    const int stride = n * 3 + 1; // rows padded to 4 bytes (45 -> 48)
    const int padded = (stride + 3) & ~3;
    std::vector<BYTE> pixels(padded * n, 0);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
        {
            BYTE* p = &pixels[(n - 1 - y) * padded + x * 3];
            p[0] = 0;
            p[1] = 0;
            p[2] = static_cast<BYTE>(0x10 * ((y / 5) * 3 + x / 5 + 1));
        }
    BITMAPFILEHEADER bf = {};
    BITMAPINFOHEADER bi = {};
    bi.biSize = sizeof(bi);
    bi.biWidth = n;
    bi.biHeight = n;
    bi.biPlanes = 1;
    bi.biBitCount = 24;
    bi.biSizeImage = static_cast<DWORD>(pixels.size());
    bf.bfType = 0x4D42;
    bf.bfOffBits = sizeof(bf) + sizeof(bi);
    bf.bfSize = bf.bfOffBits + bi.biSizeImage;
    const std::wstring path = folder + L"shadow_ninepatch.bmp";
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f == nullptr)
        return L"";
    fwrite(&bf, sizeof(bf), 1, f);
    fwrite(&bi, sizeof(bi), 1, f);
    fwrite(pixels.data(), 1, pixels.size(), f);
    fclose(f);
    return path;
}

} // namespace

TEST(ShadowImageMode, StretchesTheNinePatchAroundTheWindowWithAnEmptyCentre)
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring path = WriteNinePatch(szTemp);
    ASSERT_FALSE(path.empty());
    CPaintManagerUI::SetResourcePath(szTemp);
    {
        ShadowWindow w(100, 80, 600, 400);
        w.m_shadow.ShowShadow(true);
        w.m_shadow.SetSize(5);
        w.m_shadow.SetPosition(3, 3); // not used in image mode
        ASSERT_TRUE(w.m_shadow.SetShadowCorner(RECT{5, 5, 5, 5}));
        ASSERT_TRUE(w.m_shadow.SetImage(L"shadow_ninepatch.bmp"));
        EXPECT_TRUE(w.m_shadow.IsImageMode());
        w.Create();

        ExpectRect(WindowRect(w.m_shadow.GetShadowWindow()), 95, 75, 705, 485);
        ASSERT_EQ(610, w.m_shadow.GetLastImage().cx);
        EXPECT_EQ(0x100000u, w.Pixel(2, 2) & 0xFFFFFF);     // top-left corner block
        EXPECT_EQ(0x200000u, w.Pixel(300, 2) & 0xFFFFFF);   // top edge, stretched
        EXPECT_EQ(0x300000u, w.Pixel(607, 2) & 0xFFFFFF);   // top-right
        EXPECT_EQ(0x400000u, w.Pixel(2, 200) & 0xFFFFFF);   // left edge
        EXPECT_EQ(0u, w.Pixel(300, 200));                   // centre left out
        EXPECT_EQ(0x900000u, w.Pixel(607, 407) & 0xFFFFFF); // bottom-right
        EXPECT_EQ(0x800000u, w.Pixel(300, 407) & 0xFFFFFF); // bottom edge

        // An image that cannot be had hands nothing to the layered window.
        w.m_shadow.KeepLastImage(true);
        EXPECT_TRUE(w.m_shadow.SetImage(L"missing.bmp"));
        EXPECT_EQ(0, w.m_shadow.GetLastImage().cx);
    }
    CPaintManagerUI::Term();
    CPaintManagerUI::SetResourcePath(L"");
    ::DeleteFileW(path.c_str());
}

// ---- settings -----------------------------------------------------------------------------

TEST(ShadowSettings, OutOfRangeValuesAreRefusedAndTheOldValueKept)
{
    CShadowUI shadow;
    EXPECT_FALSE(shadow.IsShowShadow());
    EXPECT_EQ(0, shadow.GetSize());
    EXPECT_EQ(5u, shadow.GetSharpness());
    EXPECT_EQ(150u, shadow.GetDarkness());

    EXPECT_TRUE(shadow.SetSize(5));
    EXPECT_FALSE(shadow.SetSize(36));
    EXPECT_FALSE(shadow.SetSize(-36));
    EXPECT_EQ(5, shadow.GetSize());
    EXPECT_TRUE(shadow.SetSize(-35));
    EXPECT_EQ(-35, shadow.GetSize());
    EXPECT_TRUE(shadow.SetSize(35));
    EXPECT_EQ(35, shadow.GetSize());

    EXPECT_TRUE(shadow.SetSharpness(35));
    EXPECT_FALSE(shadow.SetSharpness(36));
    EXPECT_EQ(35u, shadow.GetSharpness());
    EXPECT_TRUE(shadow.SetDarkness(255));
    EXPECT_FALSE(shadow.SetDarkness(256));
    EXPECT_EQ(255u, shadow.GetDarkness());

    EXPECT_TRUE(shadow.SetPosition(-35, 35));
    EXPECT_FALSE(shadow.SetPosition(36, 0));
    EXPECT_FALSE(shadow.SetPosition(0, -36));
    EXPECT_EQ(-35, shadow.GetXOffset());
    EXPECT_EQ(35, shadow.GetYOffset());

    EXPECT_TRUE(shadow.SetShadowCorner(RECT{1, 2, 3, 4}));
    EXPECT_FALSE(shadow.SetShadowCorner(RECT{1, -1, 3, 4}));
    EXPECT_EQ(2, shadow.GetShadowCorner().top);

    EXPECT_FALSE(shadow.SetImage(nullptr));
    EXPECT_FALSE(shadow.IsImageMode());
    EXPECT_TRUE(shadow.SetImage(L"a.png"));
    EXPECT_TRUE(shadow.IsImageMode());
}

TEST(ShadowSettings, CopyShadowCopiesWhatItsModeUses)
{
    CShadowUI computed;
    computed.ShowShadow(true);
    computed.SetSize(7);
    computed.SetSharpness(9);
    computed.SetDarkness(99);
    computed.SetColor(0x123456);
    computed.SetPosition(-2, 4);
    CShadowUI copy;
    EXPECT_TRUE(computed.CopyShadow(&copy));
    EXPECT_TRUE(copy.IsShowShadow());
    EXPECT_EQ(7, copy.GetSize());
    EXPECT_EQ(9u, copy.GetSharpness());
    EXPECT_EQ(99u, copy.GetDarkness());
    EXPECT_EQ(0x123456u, copy.GetColor());
    EXPECT_EQ(-2, copy.GetXOffset());
    EXPECT_EQ(4, copy.GetYOffset());
    EXPECT_FALSE(copy.IsImageMode());

    CShadowUI image;
    image.SetImage(L"s.png");
    image.SetShadowCorner(RECT{4, 4, 4, 4});
    image.SetSize(3);
    image.SetDarkness(10);
    CShadowUI copy2;
    EXPECT_TRUE(image.CopyShadow(&copy2));
    EXPECT_TRUE(copy2.IsImageMode());
    EXPECT_STREQ(L"s.png", copy2.GetImage());
    EXPECT_EQ(4, copy2.GetShadowCorner().right);
    EXPECT_EQ(3, copy2.GetSize());
    EXPECT_EQ(150u, copy2.GetDarkness()); // not part of image mode
    EXPECT_FALSE(copy2.IsShowShadow());

    EXPECT_FALSE(image.CopyShadow(nullptr));
}

// ---- following the window -----------------------------------------------------------------

TEST(ShadowFollow, MovesWithTheWindowAndRedrawsWhenTheSizeChanges)
{
    InstallerShadowWindow w(100, 80, 600, 400);
    const HWND hShadow = w.Shadow();

    ::SetWindowPos(w.m_hWnd, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    ExpectRect(WindowRect(hShadow), 195, 145, 805, 555);

    // Growing waits for the window's next paint.
    ::SetWindowPos(w.m_hWnd, nullptr, 0, 0, 640, 420, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(610, w.m_shadow.GetLastImage().cx);
    ::UpdateWindow(w.m_hWnd);
    Pump();
    EXPECT_EQ(650, w.m_shadow.GetLastImage().cx);
    EXPECT_EQ(430, w.m_shadow.GetLastImage().cy);
    ExpectRect(WindowRect(hShadow), 195, 145, 845, 575);

    // Shrinking redraws at once, before any paint.
    ::SetWindowPos(w.m_hWnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(310, w.m_shadow.GetLastImage().cx);
    EXPECT_EQ(210, w.m_shadow.GetLastImage().cy);
    ExpectRect(WindowRect(hShadow), 195, 145, 505, 355);
}

TEST(ShadowFollow, HidesWhenMinimisedOrHiddenAndComesBackRedrawn)
{
    InstallerShadowWindow w(100, 80, 600, 400);
    const HWND hShadow = w.Shadow();
    ASSERT_TRUE(::IsWindowVisible(hShadow));

    ::ShowWindow(w.m_hWnd, SW_MINIMIZE);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(hShadow));

    w.m_shadow.KeepLastImage(true); // forget the old image
    ShowAndPaint(w.m_hWnd, SW_RESTORE);
    EXPECT_TRUE(::IsWindowVisible(hShadow));
    EXPECT_EQ(610, w.m_shadow.GetLastImage().cx); // drawn again
    ExpectRect(WindowRect(hShadow), 95, 75, 705, 485);

    ::ShowWindow(w.m_hWnd, SW_HIDE);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(hShadow));
    ShowAndPaint(w.m_hWnd, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(::IsWindowVisible(hShadow));
}

TEST(ShadowFollow, HiddenWindowGetsItsShadowWhenShown)
{
    InstallerShadowWindow w(100, 80, 600, 400, false);
    const HWND hShadow = w.Shadow();
    ASSERT_NE(nullptr, hShadow);
    EXPECT_FALSE(::IsWindowVisible(hShadow));
    EXPECT_EQ(0, w.m_shadow.GetLastImage().cx);

    ShowAndPaint(w.m_hWnd, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(::IsWindowVisible(hShadow));
    EXPECT_EQ(610, w.m_shadow.GetLastImage().cx);
    ExpectRect(WindowRect(hShadow), 95, 75, 705, 485);
}

TEST(ShadowFollow, DisablingHidesAndPassesMessagesStraightOn)
{
    InstallerShadowWindow w(100, 80, 600, 400);
    const HWND hShadow = w.Shadow();
    w.m_shadow.DisableShadow(true);
    EXPECT_FALSE(::IsWindowVisible(hShadow));
    ::SetWindowPos(w.m_hWnd, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    ExpectRect(WindowRect(hShadow), 95, 75, 705, 485); // not followed while disabled
    w.m_shadow.DisableShadow(false);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(hShadow));
    ExpectRect(WindowRect(hShadow), 295, 295, 905, 705);
}

// ---- the subclass procedure ---------------------------------------------------------------

TEST(ShadowSubclass, SubclassForwardsAndIsUndoneWhenTheWindowDies)
{
    g_nHostMessages = 0;
    InstallerShadowWindow w(100, 80, 600, 400);
    const WNDPROC pHost = &HostProc;
    EXPECT_NE(reinterpret_cast<LONG_PTR>(pHost), ::GetWindowLongPtrW(w.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(0x5A, ::SendMessageW(w.m_hWnd, WM_APP, 0, 0));
    EXPECT_EQ(1, g_nHostMessages);
    EXPECT_EQ(1u, CShadowProbe::GetShadowMap().count(w.m_hWnd));

    const HWND hShadow = w.Shadow();
    ::DestroyWindow(w.m_hWnd);
    Pump();
    EXPECT_FALSE(::IsWindow(hShadow));
    EXPECT_EQ(0u, CShadowProbe::GetShadowMap().count(w.m_hWnd));
    EXPECT_EQ(nullptr, w.m_shadow.GetShadowWindow());
}

TEST(ShadowSubclass, DestroyingTheShadowFirstRestoresThePreviousProcedure)
{
    RegisterHost();
    CShadowUI::Initialize(::GetModuleHandleW(nullptr));
    const HWND hWnd = ::CreateWindowExW(0, kHostClass, L"host", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    CPaintManagerUI manager;
    manager.Init(hWnd);
    HWND hShadow = nullptr;
    {
        CShadowProbe shadow;
        shadow.ShowShadow(true);
        shadow.SetSize(5);
        shadow.Create(&manager);
        hShadow = shadow.GetShadowWindow();
        ASSERT_TRUE(::IsWindow(hShadow));
    }
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&HostProc), ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    EXPECT_FALSE(::IsWindow(hShadow));
    EXPECT_EQ(0u, CShadowProbe::GetShadowMap().count(hWnd));
    g_nHostMessages = 0;
    EXPECT_EQ(0x5A, ::SendMessageW(hWnd, WM_APP, 0, 0));
    EXPECT_EQ(1, g_nHostMessages);
    ::DestroyWindow(hWnd);
    Pump();
}

TEST(ShadowSubclass, AWindowMissingFromTheMapStillReachesItsProcedure)
{
    g_nHostMessages = 0;
    InstallerShadowWindow w(100, 80, 300, 200);
    CShadowProbe::GetShadowMap().erase(w.m_hWnd);

    EXPECT_EQ(0x5A, ::SendMessageW(w.m_hWnd, WM_APP, 0, 0));
    EXPECT_EQ(1, g_nHostMessages);
    ::SetWindowPos(w.m_hWnd, nullptr, 0, 0, 350, 250, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(w.m_hWnd, SW_MINIMIZE);
    ::ShowWindow(w.m_hWnd, SW_RESTORE);
    ::DestroyWindow(w.m_hWnd);
    Pump();
    EXPECT_FALSE(::IsWindow(w.m_hWnd));
}

TEST(ShadowSubclass, CreatingTwiceSubclassesOnceAndTwoWindowsGetTwoShadows)
{
    g_nHostMessages = 0;
    InstallerShadowWindow a(100, 80, 300, 200);
    const HWND hFirst = a.m_shadow.GetShadowWindow();
    const LONG_PTR proc = ::GetWindowLongPtrW(a.m_hWnd, GWLP_WNDPROC);
    a.Create(); // a second skin attached to the same manager
    EXPECT_EQ(hFirst, a.m_shadow.GetShadowWindow());
    EXPECT_EQ(proc, ::GetWindowLongPtrW(a.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(0x5A, ::SendMessageW(a.m_hWnd, WM_APP, 0, 0));
    EXPECT_EQ(1, g_nHostMessages);

    CShadowProbe other; // a second shadow for a window that has one already
    other.ShowShadow(true);
    other.Create(&a.m_manager);
    EXPECT_EQ(nullptr, other.GetShadowWindow());

    InstallerShadowWindow b(500, 300, 200, 100);
    EXPECT_NE(nullptr, b.m_shadow.GetShadowWindow());
    EXPECT_NE(hFirst, b.m_shadow.GetShadowWindow());
    ExpectRect(WindowRect(b.m_shadow.GetShadowWindow()), 495, 295, 705, 405);
    EXPECT_FALSE(CShadowUI::Initialize(::GetModuleHandleW(nullptr))); // registered once
    wchar_t szClass[64] = {};
    ::GetClassNameW(b.m_shadow.GetShadowWindow(), szClass, 64);
    EXPECT_STREQ(L"UmbraShadowWnd", szClass);
}

TEST(ShadowSubclass, NotShownOrWithoutAWindowCreatesNothing)
{
    ShadowWindow w(100, 80, 300, 200);
    w.Create(); // showshadow false
    EXPECT_EQ(nullptr, w.m_shadow.GetShadowWindow());
    EXPECT_EQ(0u, CShadowProbe::GetShadowMap().count(w.m_hWnd));

    CShadowUI shadow;
    shadow.ShowShadow(true);
    CPaintManagerUI noWindow;
    shadow.Create(&noWindow);
    shadow.Create(nullptr);
    EXPECT_EQ(nullptr, shadow.GetShadowWindow());
}
