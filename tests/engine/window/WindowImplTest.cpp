// Skinned windows without painting: creation from the archive, the hit test, the window region,
// OnGetMinMaxInfo, centring, the default keys, system commands, the WM_NCDESTROY order and a
// window object deleted while its native window lives on.
#include <gtest/gtest.h>

#include <memory>

#include "engine/controls/CButtonUI.h"
#include "engine/controls/CContainerUI.h"
#include "engine/controls/CLabelUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/controls/CVerticalLayoutUI.h"
#include "tests/engine/window/WindowTestSupport.h"

using namespace SkinUI;
using namespace WindowTest;

namespace
{

class WindowCreateTest : public CWindowTest
{
};
class WindowHitTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        wnd.reset(new CTestSkinWindow(&log));
        ASSERT_NE(nullptr, wnd->CreateTestWindow());
        hWnd = wnd->GetHWND();
        RECT box = {4, 4, 6, 6};
        wnd->GetPaintManager().SetSizeBox(box);
        RECT caption = {0, 0, 0, 40};
        wnd->GetPaintManager().SetCaptionRect(caption);
        LayOut(wnd->GetPaintManager());
    }
    void TearDown() override
    {
        if (hWnd != nullptr && ::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
        wnd.reset();
        CWindowTest::TearDown();
    }
    LRESULT Hit(int x, int y) { return ::SendMessageW(hWnd, WM_NCHITTEST, 0, ScreenPoint(hWnd, x, y)); }

    CWindowLog log;
    std::unique_ptr<CTestSkinWindow> wnd;
    HWND hWnd = nullptr;
};
class WindowGeometryTest : public WindowHitTest
{
};
class WindowLifetimeTest : public CWindowTest
{
};

} // namespace

TEST_F(WindowCreateTest, BuildsTheSkinFromTheArchiveAndDropsTheCaptionStyle)
{
    CWindowLog log;
    CTestSkinWindow wnd(&log);
    HWND hWnd = wnd.CreateTestWindow();
    ASSERT_NE(nullptr, hWnd);
    CPaintManagerUI& pm = wnd.GetPaintManager();
    ASSERT_NE(nullptr, pm.GetRoot());
    EXPECT_EQ(hWnd, pm.GetPaintWindow());
    EXPECT_EQ(pm.FindControl(L"root"), pm.GetRoot());
    EXPECT_NE(nullptr, pm.FindControl(L"btn_close"));
    const LONG style = static_cast<LONG>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    EXPECT_EQ(0, style & WS_CAPTION);
    EXPECT_EQ(WS_CLIPSIBLINGS | WS_CLIPCHILDREN, style & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    EXPECT_EQ(WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
              wnd.GetStyle() & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION));
    EXPECT_TRUE(FailedSkins().empty());
    RECT rc = {};
    ::GetClientRect(hWnd, &rc); // no non-client area at all
    EXPECT_EQ(300, rc.right);
    EXPECT_EQ(200, rc.bottom);
    ::DestroyWindow(hWnd);
}

TEST_F(WindowCreateTest, AMissingOrBrokenSkinFailsCreationThroughTheReport)
{
    for (const wchar_t* skin : {L"NoSuch.xml", L"Lang\\English\\Win.lng", L"", L"<Window><Bogus/></Window>"})
    {
        FailedSkins().clear();
        CWindowLog log;
        CTestSkinWindow wnd(&log, skin);
        EXPECT_EQ(nullptr, wnd.CreateTestWindow()) << skin;
        ASSERT_EQ(1u, FailedSkins().size()) << skin;
        EXPECT_EQ(std::wstring(skin), FailedSkins()[0]);
        EXPECT_EQ(nullptr, wnd.GetHWND());
        EXPECT_EQ(1, log.finalMessages) << "the half-made window still ends through WM_NCDESTROY";
    }
}

TEST_F(WindowCreateTest, ANumericSkinIsReadFromTheModuleResourcesOfItsType)
{
    // "501" of type "ZIPRES" is an archive, not a skin: the build fails and is reported.
    class CResourceSkin : public CTestSkinWindow
    {
    public:
        using CTestSkinWindow::CTestSkinWindow;
        CUIString GetSkinType() override { return CUIString(L"ZIPRES"); }
    };
    CWindowLog log;
    CResourceSkin wnd(&log, L"501");
    EXPECT_EQ(nullptr, wnd.CreateTestWindow());
    EXPECT_EQ(1u, FailedSkins().size());
}

TEST_F(WindowHitTest, SizeBoxBordersGiveTheSizingCodes)
{
    EXPECT_EQ(HTTOPLEFT, Hit(0, 0));
    EXPECT_EQ(HTTOPLEFT, Hit(3, 3));
    EXPECT_EQ(HTTOP, Hit(150, 3));
    EXPECT_EQ(HTTOPRIGHT, Hit(299, 0));
    EXPECT_EQ(HTLEFT, Hit(0, 100));
    EXPECT_EQ(HTLEFT, Hit(3, 100));
    EXPECT_EQ(HTRIGHT, Hit(295, 100)); // right of 300 - 6
    EXPECT_EQ(HTBOTTOM, Hit(150, 195));
    EXPECT_EQ(HTBOTTOMLEFT, Hit(2, 199));
    EXPECT_EQ(HTBOTTOMRIGHT, Hit(299, 199));
    // Just inside the borders: the caption or the client area.
    EXPECT_NE(HTLEFT, Hit(4, 100));
    EXPECT_NE(HTRIGHT, Hit(294, 100));
    EXPECT_NE(HTBOTTOM, Hit(150, 194));
}

TEST_F(WindowHitTest, CaptionDragsOnlyOverStaticControls)
{
    EXPECT_EQ(HTCAPTION, Hit(50, 20));  // lb_title in the title bar
    EXPECT_EQ(HTCLIENT, Hit(120, 20));  // btn_close in the same area
    EXPECT_EQ(HTCAPTION, Hit(200, 20)); // lb_empty
    EXPECT_EQ(HTCLIENT, Hit(50, 60));   // lb_body, below the caption
    EXPECT_EQ(HTCLIENT, Hit(50, 40));   // the caption's bottom is exclusive
    EXPECT_EQ(HTCAPTION, Hit(50, 39));
}

TEST_F(WindowHitTest, CaptionMarginsAndBottomMinusOneReachTheClientBottom)
{
    RECT caption = {20, 0, 30, -1};
    wnd->GetPaintManager().SetCaptionRect(caption);
    EXPECT_EQ(HTCLIENT, Hit(19, 100));   // lb_body, left of the left margin
    EXPECT_EQ(HTCAPTION, Hit(20, 100));  // lb_body at the margin
    EXPECT_EQ(HTCLIENT, Hit(275, 100));  // the body row, within 30 of the right edge
    EXPECT_EQ(HTCAPTION, Hit(250, 180)); // the buttons row beside its buttons, near the bottom
    EXPECT_EQ(HTCLIENT, Hit(100, 180));  // one of those buttons
}

TEST_F(WindowHitTest, CaptionIsScaledByTheDpi)
{
    wnd->GetPaintManager().GetDPIObj()->SetScale(144); // 150 %
    LayOut(wnd->GetPaintManager());
    // The 40-pixel caption (and the title bar) are 60 pixels high now.
    EXPECT_EQ(HTCAPTION, Hit(50, 30));
    EXPECT_EQ(HTCAPTION, Hit(50, 55));
    EXPECT_EQ(HTCLIENT, Hit(50, 61));
}

TEST_F(WindowHitTest, AMaximisedWindowHasNoSizingBorders)
{
    ::ShowWindow(hWnd, SW_MAXIMIZE);
    ASSERT_TRUE(::IsZoomed(hWnd));
    LayOut(wnd->GetPaintManager());
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    EXPECT_EQ(HTCAPTION, Hit(0, 0)); // lb_title at the top-left corner
    for (POINT pt :
         {POINT{rc.right - 1, rc.bottom - 1}, POINT{0, rc.bottom / 2}, POINT{rc.right / 2, rc.bottom - 1}})
    {
        const LRESULT code = Hit(pt.x, pt.y);
        EXPECT_TRUE(code == HTCLIENT || code == HTCAPTION) << code;
    }
    ::ShowWindow(hWnd, SW_RESTORE);
}

TEST_F(WindowHitTest, StaticClassesAreTheLayoutsLabelsAndContainersOnly)
{
    CPaintManagerUI& pm = wnd->GetPaintManager();
    EXPECT_FALSE(wnd->IsInStaticControl(nullptr));
    EXPECT_TRUE(wnd->IsInStaticControl(pm.FindControl(L"lb_title")));
    EXPECT_TRUE(wnd->IsInStaticControl(pm.FindControl(L"titlebar")));
    EXPECT_TRUE(wnd->IsInStaticControl(pm.GetRoot()));
    EXPECT_FALSE(wnd->IsInStaticControl(pm.FindControl(L"btn_close")));
    EXPECT_FALSE(wnd->IsInStaticControl(pm.FindControl(L"opt_check")));

    // A label inside a rich edit field (a container of another class) is not static.
    CRichEditUI edit;
    CLabelUI label;
    label.SetManager(nullptr, &edit, false);
    EXPECT_FALSE(wnd->IsInStaticControl(&label));
    CContainerUI box;
    CVerticalLayoutUI column;
    column.SetManager(nullptr, &box, false);
    CControlUI plain;
    plain.SetManager(nullptr, &column, false);
    EXPECT_TRUE(wnd->IsInStaticControl(&plain));
    CButtonUI button;
    column.SetManager(nullptr, &button, false); // a button anywhere up the path
    EXPECT_FALSE(wnd->IsInStaticControl(&plain));
}

TEST_F(WindowGeometryTest, TheRegionCoversTheWindowPlusOne)
{
    ::SetWindowPos(hWnd, nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(hWnd, hRgn));
    RECT box = {};
    ::GetRgnBox(hRgn, &box);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    // Round-rectangle regions leave out their right and bottom edges: the one extra pixel
    // keeps the window's last column and row.
    EXPECT_EQ(320, box.right);
    EXPECT_EQ(210, box.bottom);
    EXPECT_TRUE(::PtInRegion(hRgn, 319, 209));
    EXPECT_TRUE(::PtInRegion(hRgn, 0, 0)); // square corners without a round corner
    ::DeleteObject(hRgn);

    wnd->GetPaintManager().SetRoundCorner(20, 20);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(hWnd, hRgn));
    EXPECT_FALSE(::PtInRegion(hRgn, 0, 0));
    EXPECT_FALSE(::PtInRegion(hRgn, 299, 199));
    EXPECT_TRUE(::PtInRegion(hRgn, 150, 100));
    EXPECT_TRUE(::PtInRegion(hRgn, 150, 199)); // the bottom row stays visible
    ::DeleteObject(hRgn);
}

TEST_F(WindowGeometryTest, MinMaxInfoComesFromTheWorkAreaAndTheManager)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTOPRIMARY), &mi));
    const LONG cx = mi.rcWork.right - mi.rcWork.left, cy = mi.rcWork.bottom - mi.rcWork.top;

    MINMAXINFO mmi = {};
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi)));
    EXPECT_EQ(mi.rcWork.left, mmi.ptMaxPosition.x);
    EXPECT_EQ(mi.rcWork.top, mmi.ptMaxPosition.y);
    EXPECT_EQ(cx, mmi.ptMaxSize.x);
    EXPECT_EQ(cy, mmi.ptMaxSize.y);
    EXPECT_EQ(cx, mmi.ptMaxTrackSize.x);
    EXPECT_EQ(cy, mmi.ptMaxTrackSize.y);
    EXPECT_EQ(0, mmi.ptMinTrackSize.x);

    wnd->GetPaintManager().SetMaxInfo(700, 0);
    wnd->GetPaintManager().SetMinInfo(250, 150);
    mmi = MINMAXINFO{};
    ::SendMessageW(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(700, mmi.ptMaxTrackSize.x);
    EXPECT_EQ(cy, mmi.ptMaxTrackSize.y); // 0 keeps the work area
    EXPECT_EQ(250, mmi.ptMinTrackSize.x);
    EXPECT_EQ(150, mmi.ptMinTrackSize.y);
}

TEST(WindowCentre, CentredOverTheReferenceThenClampedToTheWorkArea)
{
    const RECT work = {0, 0, 1000, 700};
    RECT wndRc = {0, 0, 301, 201};
    POINT pt = CWindowWnd::CenteredPosition(wndRc, work, work);
    EXPECT_EQ(350, pt.x); // 500 - 150 (301 / 2 truncated)
    EXPECT_EQ(250, pt.y);

    const RECT ownerAtRight = {900, 600, 1100, 800};
    pt = CWindowWnd::CenteredPosition(wndRc, ownerAtRight, work);
    EXPECT_EQ(1000 - 301, pt.x); // the right edge moves back inside
    EXPECT_EQ(700 - 201, pt.y);

    const RECT ownerAtLeft = {-300, -200, -100, 0};
    pt = CWindowWnd::CenteredPosition(wndRc, ownerAtLeft, work);
    EXPECT_EQ(0, pt.x);
    EXPECT_EQ(0, pt.y);

    // Negative sums truncate toward zero: (-5 + 0) / 2 = -2, 3 / 2 = 1.
    const RECT wide = {-1000, -1000, 1000, 1000};
    RECT small = {0, 0, 3, 3};
    pt = CWindowWnd::CenteredPosition(small, RECT{-5, -5, 0, 0}, wide);
    EXPECT_EQ(-3, pt.x);
    EXPECT_EQ(-3, pt.y);
}

TEST_F(WindowGeometryTest, CenterWindowKeepsAnOwnedWindowOnTheWorkArea)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi));
    // The owner hangs over the bottom-right corner of the work area.
    ::SetWindowPos(hWnd, nullptr, mi.rcWork.right - 100, mi.rcWork.bottom - 50, 300, 200,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    CWindowLog childLog;
    CTestSkinWindow child(&childLog);
    ASSERT_NE(nullptr, child.Create(hWnd, L"child", WS_POPUP, 0, 0, 0, 200, 100));
    child.CenterWindow();
    RECT rc = {};
    ::GetWindowRect(child.GetHWND(), &rc);
    // The skin's own size may have replaced the created one: clamp with the window's real size.
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    EXPECT_EQ(mi.rcWork.right - cx, rc.left);
    EXPECT_EQ(mi.rcWork.bottom - cy, rc.top);
    ::DestroyWindow(child.GetHWND());

    // Without an owner: the middle of the work area.
    CTestSkinWindow lone(&childLog);
    ASSERT_NE(nullptr, lone.Create(nullptr, L"lone", WS_POPUP, 0, 0, 0, 200, 100));
    lone.CenterWindow();
    ::GetWindowRect(lone.GetHWND(), &rc);
    EXPECT_EQ((mi.rcWork.left + mi.rcWork.right) / 2 - (rc.right - rc.left) / 2, rc.left);
    EXPECT_EQ((mi.rcWork.top + mi.rcWork.bottom) / 2 - (rc.bottom - rc.top) / 2, rc.top);
    ::DestroyWindow(lone.GetHWND());
}

TEST_F(WindowGeometryTest, ResizeClientKeepsADimensionGivenAsMinusOne)
{
    wnd->ResizeClient(250, -1);
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    EXPECT_EQ(250, rc.right);
    EXPECT_EQ(200, rc.bottom);
    wnd->ResizeClient(-1, 120);
    ::GetClientRect(hWnd, &rc);
    EXPECT_EQ(250, rc.right);
    EXPECT_EQ(120, rc.bottom);
}

TEST_F(WindowGeometryTest, ReturnAndEscapeAreNotConsumedByDefault)
{
    bool bHandled = false;
    wnd->MessageHandler(WM_KEYDOWN, VK_ESCAPE, 0, bHandled);
    EXPECT_FALSE(bHandled);
    wnd->MessageHandler(WM_KEYDOWN, VK_RETURN, 0, bHandled);
    EXPECT_FALSE(bHandled);
    // Pressed in the window: it stays open.
    ::SendMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(hWnd, WM_KEYDOWN, VK_RETURN, 0);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(0, log.closeMessages);

    wnd->m_lDefaultKeyResult = 0; // a window that wants the keys consumes them
    wnd->MessageHandler(WM_KEYDOWN, VK_ESCAPE, 0, bHandled);
    EXPECT_TRUE(bHandled);
    bHandled = false;
    wnd->MessageHandler(WM_KEYDOWN, 'A', 0, bHandled);
    EXPECT_FALSE(bHandled);
}

TEST_F(WindowGeometryTest, SystemCloseBecomesAPlainClose)
{
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0));
    EXPECT_EQ(1, log.closeMessages);
    EXPECT_EQ(0u, log.lastCloseWParam);
    EXPECT_EQ(nullptr, wnd->GetHWND()) << "WM_CLOSE falls through to the default: the window ends";
    hWnd = nullptr;
}

TEST_F(WindowGeometryTest, MaximiseAndRestoreSwapTheWindowButtons)
{
    CPaintManagerUI& pm = wnd->GetPaintManager();
    ::SendMessageW(hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(::IsZoomed(hWnd));
    EXPECT_FALSE(pm.FindControl(L"maxbtn")->IsVisible());
    EXPECT_TRUE(pm.FindControl(L"restorebtn")->IsVisible());
    EXPECT_TRUE(pm.FindControl(L"windowmaxbtn")->IsVisible()) << "the frame's names are not this window's";
    ::SendMessageW(hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(pm.FindControl(L"maxbtn")->IsVisible());
    EXPECT_FALSE(pm.FindControl(L"restorebtn")->IsVisible());
}

TEST_F(WindowLifetimeTest, FinalMessageRunsAfterTheHandleIsForgotten)
{
    CWindowLog log;
    CTestSkinWindow* pWnd = new CTestSkinWindow(&log);
    pWnd->m_bDeleteOnFinal = true;
    HWND hWnd = pWnd->CreateTestWindow();
    ASSERT_NE(nullptr, hWnd);
    ::DestroyWindow(hWnd); // deletes the object in OnFinalMessage
    EXPECT_EQ(1, log.finalMessages);
    EXPECT_TRUE(log.handleClearedAtFinal);
    EXPECT_TRUE(log.userDataClearedAtFinal);
    EXPECT_EQ(1, log.Count(WM_DESTROY));
    EXPECT_EQ(0, log.Count(WM_NCDESTROY)) << "WM_NCDESTROY goes to the previous procedure, not HandleMessage";
}

TEST_F(WindowLifetimeTest, ADeletedObjectGetsNoMoreMessages)
{
    CWindowLog log;
    CTestSkinWindow* pWnd = new CTestSkinWindow(&log);
    HWND hWnd = pWnd->CreateTestWindow();
    ASSERT_NE(nullptr, hWnd);
    delete pWnd; // the native window lives on
    const size_t seen = log.messages.size();
    EXPECT_EQ(0, ::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    ::SendMessageW(hWnd, WM_SIZE, 0, MAKELPARAM(10, 10));
    ::SendMessageW(hWnd, WM_NCHITTEST, 0, 0);
    ::PostMessageW(hWnd, WM_USER + 9, 0, 0);
    PumpMessages();
    ::DestroyWindow(hWnd);
    EXPECT_EQ(seen, log.messages.size());
    EXPECT_EQ(0, log.finalMessages);
}

namespace
{
LRESULT CALLBACK PlainProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCDESTROY)
        ::SetPropW(hWnd, L"ZentrivoSawNcDestroy", reinterpret_cast<HANDLE>(1));
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}
// A plain window class subclassed by a CWindowWnd that records the order of the last messages.
class CSubclasser : public CWindowWnd
{
public:
    const wchar_t* GetWndClassName() const override { return L"ZentrivoSubclasser"; }
    bool bPreviousSawNcDestroyFirst = false;
    bool bWasSubclassedAtFinal = true;
    int finals = 0;

protected:
    void OnFinalMessage(HWND hWnd) override
    {
        ++finals;
        bPreviousSawNcDestroyFirst = ::GetPropW(hWnd, L"ZentrivoSawNcDestroy") != nullptr;
        bWasSubclassedAtFinal = m_bSubclassed;
        ::RemovePropW(hWnd, L"ZentrivoSawNcDestroy");
    }
};
} // namespace

TEST_F(WindowLifetimeTest, SubclassRoutesMessagesAndUnsubclassesAtTheEnd)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &PlainProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZentrivoPlainClass";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hWnd);
    CSubclasser sub;
    EXPECT_EQ(nullptr, sub.Subclass(nullptr));
    EXPECT_EQ(hWnd, sub.Subclass(hWnd));
    EXPECT_EQ(hWnd, sub.GetHWND());
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, sub.finals);
    EXPECT_TRUE(sub.bPreviousSawNcDestroyFirst);
    EXPECT_FALSE(sub.bWasSubclassedAtFinal);
    EXPECT_EQ(nullptr, sub.GetHWND());
    sub.Unsubclass(); // nothing left to do
    sub.Close(3);     // no window: nothing posted
    sub.ShowWindow();
    EXPECT_EQ(0u, sub.ShowModal());
}
