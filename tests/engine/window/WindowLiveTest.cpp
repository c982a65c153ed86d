// Windows driven end to end through the paint manager's message handling: the first paint's
// "windowinit" reaching the frame, a real click reaching the message map, Escape reaching the
// focused control without closing, a language reload repainting, and painted pixels.
// These need the manager's message handling and painting.
#include <gtest/gtest.h>

#include <vector>

#include "engine/lang/CLangManagerUI.h"
#include "tests/engine/window/WindowTestSupport.h"

using namespace SkinUI;
using namespace WindowTest;

namespace
{

class LiveWindowTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        frame = new CTestFrame(&log);
        ASSERT_NE(nullptr, frame->CreateTestWindow());
        hWnd = frame->GetHWND();
        ::ShowWindow(hWnd, SW_SHOWNORMAL);
        ::SetForegroundWindow(hWnd);
        ::SetFocus(hWnd);
        ::UpdateWindow(hWnd);
        Loop();
    }
    void TearDown() override
    {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
        delete frame;
        CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
        CWindowTest::TearDown();
    }
    // The engine's own loop steps, bounded.
    void Loop()
    {
        MSG msg;
        for (int i = 0; i < 2000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        {
            if (!CPaintManagerUI::TranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
    void Click(int x, int y)
    {
        ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Loop();
    }
    // The window's client pixels as 0x00RRGGBB, row by row.
    std::vector<DWORD> Capture(RECT& rc)
    {
        ::GetClientRect(hWnd, &rc);
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = rc.right;
        bmi.bmiHeader.biHeight = -rc.bottom;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        HDC hdcWnd = ::GetDC(hWnd);
        HDC hdcMem = ::CreateCompatibleDC(hdcWnd);
        HBITMAP hbm = ::CreateDIBSection(hdcWnd, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(hdcMem, hbm);
        ::BitBlt(hdcMem, 0, 0, rc.right, rc.bottom, hdcWnd, 0, 0, SRCCOPY);
        std::vector<DWORD> pixels(static_cast<DWORD*>(pBits),
                                  static_cast<DWORD*>(pBits) + rc.right * rc.bottom);
        ::SelectObject(hdcMem, old);
        ::DeleteObject(hbm);
        ::DeleteDC(hdcMem);
        ::ReleaseDC(hWnd, hdcWnd);
        for (DWORD& p : pixels)
            p &= 0x00FFFFFF;
        return pixels;
    }
    CWindowLog log;
    CTestFrame* frame = nullptr;
    HWND hWnd = nullptr;
};

} // namespace

TEST_F(LiveWindowTest, FirstPaintSendsWindowInitToTheFrame)
{
    ASSERT_FALSE(log.notifies.empty());
    EXPECT_EQ(L"windowinit:root", log.notifies.front());
}

TEST_F(LiveWindowTest, AClickOnAButtonReachesTheMessageMap)
{
    log.notifies.clear();
    Click(120, 20); // btn_close
    EXPECT_EQ((std::vector<std::wstring>{L"click:btn_close"}), log.notifies);
    Click(50, 20); // a label sends no click
    EXPECT_EQ(1u, log.notifies.size());
}

TEST_F(LiveWindowTest, EscapeAndReturnDoNotCloseTheWindow)
{
    for (WPARAM key : {static_cast<WPARAM>(VK_ESCAPE), static_cast<WPARAM>(VK_RETURN)})
    {
        ::PostMessageW(hWnd, WM_KEYDOWN, key, 0);
        ::PostMessageW(hWnd, WM_KEYUP, key, 0);
        Loop();
    }
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(0, log.closeMessages);
}

TEST_F(LiveWindowTest, PaintedPixelsShowTheRootColour)
{
    RECT rc = {};
    std::vector<DWORD> px = Capture(rc);
    ASSERT_EQ(300, rc.right);
    EXPECT_EQ(0x00202020u, px[150 * rc.right + 290]); // body row, right of every child
    EXPECT_EQ(0x00202020u, px[100 * rc.right + 250]);
}

TEST_F(LiveWindowTest, ALanguageReloadChangesThePaintedText)
{
    RECT rc = {};
    std::vector<DWORD> before = Capture(rc);
    CLangManagerUI::SetLanguage(L"Lang\\Chinese", L"chs");
    frame->GetPaintManager().GetLangManager()->ReloadLanguage();
    frame->GetPaintManager().Invalidate();
    ::UpdateWindow(hWnd);
    Loop();
    std::vector<DWORD> after = Capture(rc);
    int changedInTitle = 0, changedElsewhere = 0;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
        {
            if (before[y * rc.right + x] == after[y * rc.right + x])
                continue;
            const bool inTitle = x < 100 && y < 40;
            const bool inBody = x < 150 && y >= 40 && y < 160;
            (inTitle || inBody ? changedInTitle : changedElsewhere)++;
        }
    EXPECT_GT(changedInTitle, 20);
    EXPECT_EQ(0, changedElsewhere);
}
