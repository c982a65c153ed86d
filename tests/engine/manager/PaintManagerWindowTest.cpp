// The paint manager driving a real window: first paint (layout, "windowinit", "windowsize",
// focus), painting through the off-screen bitmap and partial repaints, hover/leave/capture from
// posted and real input, Tab order, timers, DPI, layered windows, and no GDI object left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/controls/CButtonUI.h"
#include "engine/controls/CHorizontalLayoutUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/manager/CDPI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/manager/INotifyUI.h"
#include "tests/engine/manager/PaintManagerPeer.h"

using namespace SkinUI;

namespace
{

// A shown pop-up window whose procedure hands every message to its manager first, as the
// skinned window classes do.
class CLiveWindow
{
public:
    CLiveWindow(int x, int y, int cx, int cy)
    {
        WNDCLASSW wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &CLiveWindow::WndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"ZentrivoLiveTestWindow";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"live", WS_POPUP, x, y, cx, cy, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    }
    ~CLiveWindow() { Destroy(); }
    CLiveWindow(const CLiveWindow&) = delete;
    CLiveWindow& operator=(const CLiveWindow&) = delete;

    HWND Get() const { return m_hWnd; }
    void Attach(CPaintManagerUI* pManager)
    {
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pManager));
    }
    void Show()
    {
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
        ::SetActiveWindow(m_hWnd);
        ::SetFocus(m_hWnd);
    }
    void Destroy()
    {
        if (m_hWnd != nullptr)
            ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        auto* pManager = reinterpret_cast<CPaintManagerUI*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        LRESULT lRes = 0;
        if (pManager != nullptr && pManager->MessageHandler(uMsg, wParam, lParam, lRes))
            return lRes;
        return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }

    HWND m_hWnd;
};

// Runs every waiting message through the manager's pre-translation, as MessageLoop does.
void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (!CPaintManagerUI::TranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

const wchar_t* EventName(EventType type)
{
    static const struct
    {
        EventType type;
        const wchar_t* name;
    } kNames[] = {{EventType::MouseMove, L"move"},      {EventType::MouseLeave, L"leave"},
                  {EventType::MouseEnter, L"enter"},    {EventType::ButtonDown, L"down"},
                  {EventType::ButtonUp, L"up"},         {EventType::SetFocus, L"setfocus"},
                  {EventType::KillFocus, L"killfocus"}, {EventType::Timer, L"timer"},
                  {EventType::KeyDown, L"keydown"}};
    for (const auto& entry : kNames)
        if (entry.type == type)
            return entry.name;
    return nullptr;
}

// A plain control that logs the events it gets ("name:event") and counts its paints.
class CProbe : public CControlUI
{
public:
    CProbe(const wchar_t* name, DWORD color, std::vector<std::wstring>* pLog, bool bTabStop = true)
        : m_pLog(pLog), m_bTabStop(bTabStop)
    {
        SetName(name);
        SetBkColor(color);
        SetFixedWidth(100);
    }
    UINT GetControlFlags() const override { return m_bTabStop && IsEnabled() ? FlagTabStop : 0u; }
    void DoEvent(tagTEventUI& event) override
    {
        if (const wchar_t* pName = EventName(event.Type))
        {
            m_pLog->push_back(GetName().GetData() + std::wstring(L":") + pName);
            if (event.Type == EventType::Timer)
                lastTimerId = event.wParam;
        }
        CControlUI::DoEvent(event);
    }
    bool DoPaint(HDC hDC, const RECT& rcPaint, CControlUI* pStop) override
    {
        ++paints;
        return CControlUI::DoPaint(hDC, rcPaint, pStop);
    }
    int paints = 0;
    WPARAM lastTimerId = 0;

private:
    std::vector<std::wstring>* m_pLog;
    bool m_bTabStop;
};

class CRecorder : public INotifyUI
{
public:
    void Notify(tagTNotifyUI& msg) override
    {
        std::wstring sender = msg.pSender != nullptr ? msg.pSender->GetName().GetData() : L"";
        log.push_back(std::wstring(msg.sType.GetData()) + L":" + sender);
        if (msg.sType == L"windowinit" && pWatched != nullptr)
            paintsAtInit = pWatched->paints;
    }
    int Count(const std::wstring& entry) const
    {
        int n = 0;
        for (const std::wstring& e : log)
            n += e == entry ? 1 : 0;
        return n;
    }
    std::vector<std::wstring> log;
    CProbe* pWatched = nullptr;
    int paintsAtInit = -1;
};

const DWORD kRoot = 0xFF204060;
const DWORD kRed = 0xFFFF0000;
const DWORD kGreen = 0xFF00FF00;
const DWORD kMarker = 0xFF123456;

// The colour of a window pixel read back from the window's DC, as 0x00RRGGBB.
DWORD ScreenPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    const COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

// A 600x400 window at (40, 40) with a horizontal row: A, B (tab stops), a button C, a disabled
// tab stop D, then the root's own colour to the right.
class LiveWindow : public ::testing::Test
{
protected:
    LiveWindow() : m_window(40, 40, 600, 400) {}
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_window.Get());
        m_manager.reset(new CPaintManagerUI);
        m_manager->Init(m_window.Get(), L"live");
        m_window.Attach(m_manager.get());
        m_manager->AddNotifier(&m_rec);
        m_root = new CHorizontalLayoutUI;
        m_root->SetName(L"root");
        m_root->SetBkColor(kRoot);
        m_a = new CProbe(L"A", kRed, &m_log);
        m_b = new CProbe(L"B", kGreen, &m_log);
        m_c = new CButtonUI;
        m_c->SetName(L"C");
        m_c->SetFixedWidth(100);
        m_d = new CProbe(L"D", kRed, &m_log);
        m_d->SetEnabled(false);
        m_root->Add(m_a);
        m_root->Add(m_b);
        m_root->Add(m_c);
        m_root->Add(m_d);
        m_rec.pWatched = m_a;
    }
    void TearDown() override
    {
        m_window.Destroy();
        m_manager.reset();
    }
    // Attach, show and run the first paints (layout, then the focus move).
    void AttachAndShow()
    {
        ASSERT_TRUE(m_manager->AttachDialog(m_root));
        m_window.Show();
        for (int i = 0; i < 3; ++i)
        {
            ::UpdateWindow(m_window.Get());
            Pump();
        }
    }
    LRESULT Mouse(UINT msg, int x, int y, WPARAM wParam = 0)
    {
        return ::SendMessageW(m_window.Get(), msg, wParam, MAKELPARAM(x, y));
    }
    void Key(WPARAM vk)
    {
        MSG msg = {m_window.Get(), WM_KEYDOWN, vk, 0, 0, {0, 0}};
        if (!CPaintManagerUI::TranslateMessage(&msg))
            ::DispatchMessageW(&msg);
    }

    CLiveWindow m_window;
    std::unique_ptr<CPaintManagerUI> m_manager;
    CRecorder m_rec;
    std::vector<std::wstring> m_log;
    CHorizontalLayoutUI* m_root = nullptr;
    CProbe* m_a = nullptr;
    CProbe* m_b = nullptr;
    CButtonUI* m_c = nullptr;
    CProbe* m_d = nullptr;
};

} // namespace

TEST_F(LiveWindow, FirstPaintLaysOutAndSendsOneWindowInitBeforeDrawing)
{
    ASSERT_TRUE(m_manager->AttachDialog(m_root));
    EXPECT_EQ(m_b, m_manager->FindControl(L"B")); // names work before any layout
    m_window.Show();
    ::UpdateWindow(m_window.Get());
    EXPECT_EQ(1, m_rec.Count(L"windowinit:root"));
    EXPECT_EQ(0, m_rec.paintsAtInit);              // sent before anything was drawn
    EXPECT_EQ(0, m_rec.Count(L"windowsize:root")); // queued, not sent yet
    EXPECT_EQ(100, m_b->GetPos().left);
    EXPECT_EQ(400, m_b->GetPos().bottom);
    Pump();
    ::UpdateWindow(m_window.Get());
    Pump();
    EXPECT_EQ(1, m_rec.Count(L"windowsize:root"));
    // The paint after the layout gave the first tab stop the focus, with its notification.
    EXPECT_EQ(m_a, m_manager->GetFocus());
    EXPECT_EQ(1, m_rec.Count(L"setfocus:A"));

    // A later paint without a layout sends neither.
    m_manager->Invalidate();
    ::UpdateWindow(m_window.Get());
    Pump();
    EXPECT_EQ(1, m_rec.Count(L"windowinit:root"));
    EXPECT_EQ(1, m_rec.Count(L"windowsize:root"));
    // A size change lays out again: "windowsize" once more, "windowinit" never.
    ::SetWindowPos(m_window.Get(), nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(m_window.Get());
    Pump();
    EXPECT_EQ(1, m_rec.Count(L"windowinit:root"));
    EXPECT_EQ(2, m_rec.Count(L"windowsize:root"));
    EXPECT_EQ(300, m_b->GetPos().bottom);
}

TEST_F(LiveWindow, PaintWithoutRootIsBlack)
{
    m_window.Show();
    HDC hDC = ::GetDC(m_window.Get());
    RECT rc = {0, 0, 600, 400};
    ::FillRect(hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::ReleaseDC(m_window.Get(), hDC);
    ASSERT_EQ(0xFFFFFFu, ScreenPixel(m_window.Get(), 300, 200));
    ::InvalidateRect(m_window.Get(), nullptr, FALSE);
    ::UpdateWindow(m_window.Get());
    EXPECT_EQ(0u, ScreenPixel(m_window.Get(), 300, 200));
    EXPECT_EQ(0u, ScreenPixel(m_window.Get(), 599, 399));
}

TEST_F(LiveWindow, PartialInvalidationRepaintsOnlyItsAreaThroughOnePersistentBitmap)
{
    AttachAndShow();
    const CPaintManagerUI& pm = *m_manager;
    ASSERT_NE(nullptr, CPaintManagerUIPeer::OffscreenPixel(pm, 50, 50));
    EXPECT_EQ(kRed, *CPaintManagerUIPeer::OffscreenPixel(pm, 50, 50));
    EXPECT_EQ(kGreen, *CPaintManagerUIPeer::OffscreenPixel(pm, 150, 50));
    EXPECT_EQ(kRoot, *CPaintManagerUIPeer::OffscreenPixel(pm, 500, 50));
    EXPECT_EQ(0xFF0000u, ScreenPixel(m_window.Get(), 50, 50)); // copied to the window
    const HBITMAP hBitmap = CPaintManagerUIPeer::OffscreenBitmap(pm);

    // Marks in A's and B's areas; only B's area is invalidated.
    *CPaintManagerUIPeer::OffscreenPixel(pm, 50, 50) = kMarker;
    *CPaintManagerUIPeer::OffscreenPixel(pm, 150, 50) = kMarker;
    const int paintsA = m_a->paints;
    RECT rcB = m_b->GetPos();
    m_manager->Invalidate(rcB);
    ::UpdateWindow(m_window.Get());
    EXPECT_EQ(kGreen, *CPaintManagerUIPeer::OffscreenPixel(pm, 150, 50));
    EXPECT_EQ(kMarker, *CPaintManagerUIPeer::OffscreenPixel(pm, 50, 50)); // not repainted
    EXPECT_EQ(paintsA, m_a->paints);
    EXPECT_EQ(hBitmap, CPaintManagerUIPeer::OffscreenBitmap(pm)); // no layout: the same bitmap

    // A new size lays the root out again and makes the bitmap again at the new size.
    ::SetWindowPos(m_window.Get(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(m_window.Get());
    EXPECT_EQ(300, CPaintManagerUIPeer::OffscreenSize(pm).cx);
    EXPECT_EQ(200, CPaintManagerUIPeer::OffscreenSize(pm).cy);
    EXPECT_EQ(kRed, *CPaintManagerUIPeer::OffscreenPixel(pm, 50, 50));
}

TEST_F(LiveWindow, LeaveComesBeforeEnterAndCaptureKeepsMovesOnTheClickedControl)
{
    AttachAndShow();
    CProbe* pWatcher = new CProbe(L"W", kRed, &m_log, false);
    m_root->Add(pWatcher);
    m_manager->AddMouseLeaveNeeded(pWatcher);
    Mouse(WM_MOUSEMOVE, 0xFFFF, 0xFFFF); // whatever the real pointer hovers is left first
    m_log.clear();
    Mouse(WM_MOUSEMOVE, 50, 50);
    Mouse(WM_MOUSEMOVE, 150, 50);
    const std::vector<std::wstring> hover = {L"A:enter", L"A:move",  L"W:leave",
                                             L"A:leave", L"B:enter", L"B:move"};
    EXPECT_EQ(hover, m_log);
    EXPECT_EQ(m_b, m_manager->GetHoverControl());

    m_log.clear();
    Mouse(WM_LBUTTONDOWN, 150, 50, MK_LBUTTON);
    EXPECT_TRUE(m_manager->IsCaptured());
    Mouse(WM_MOUSEMOVE, 50, 50, MK_LBUTTON); // over A, but B holds the capture
    Mouse(WM_LBUTTONUP, 50, 50);
    const std::vector<std::wstring> capture = {L"A:killfocus", L"B:setfocus", L"B:down", L"B:move", L"B:up"};
    EXPECT_EQ(capture, m_log);
    EXPECT_FALSE(m_manager->IsCaptured());

    // Leaving the window: the hover control gets its leave.
    m_log.clear();
    Mouse(WM_MOUSEMOVE, 50, 50);
    m_log.clear();
    Mouse(WM_MOUSEMOVE, 0xFFFF, 0xFFFF); // lParam -1: no position
    EXPECT_EQ(std::vector<std::wstring>({L"W:leave", L"A:leave"}), m_log);
    EXPECT_EQ(nullptr, m_manager->GetHoverControl());
}

TEST_F(LiveWindow, PostedButtonPressGivesExactlyOneClick)
{
    AttachAndShow();
    ::PostMessageW(m_window.Get(), WM_MOUSEMOVE, 0, MAKELPARAM(250, 100));
    ::PostMessageW(m_window.Get(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 100));
    ::PostMessageW(m_window.Get(), WM_LBUTTONUP, 0, MAKELPARAM(250, 100));
    Pump();
    EXPECT_EQ(1, m_rec.Count(L"click:C"));
    // Released outside the button: no click.
    ::PostMessageW(m_window.Get(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 100));
    ::PostMessageW(m_window.Get(), WM_LBUTTONUP, 0, MAKELPARAM(450, 100));
    Pump();
    EXPECT_EQ(1, m_rec.Count(L"click:C"));
}

TEST_F(LiveWindow, TabWrapsForwardAndShiftTabGoesBack)
{
    AttachAndShow();
    ASSERT_EQ(m_a, m_manager->GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(m_b, m_manager->GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(m_c, m_manager->GetFocus());
    Key(VK_TAB); // D is disabled: wrap to the first
    EXPECT_EQ(m_a, m_manager->GetFocus());

    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    Key(VK_TAB); // from the first back to the last
    EXPECT_EQ(m_c, m_manager->GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(m_b, m_manager->GetFocus());
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);

    // A key reaches the focused control through the window procedure.
    m_log.clear();
    ::SendMessageW(m_window.Get(), WM_KEYDOWN, 'X', 0);
    EXPECT_EQ(std::vector<std::wstring>({L"B:keydown"}), m_log);
}

TEST_F(LiveWindow, FocusOnADisabledControlLeavesNoneAndKillsTheOld)
{
    AttachAndShow();
    ASSERT_EQ(m_a, m_manager->GetFocus());
    m_manager->SetFocus(m_d);
    EXPECT_EQ(nullptr, m_manager->GetFocus());
    EXPECT_EQ(1, m_rec.Count(L"killfocus:A"));
    EXPECT_EQ(m_a, m_manager->GetLastFocus());
}

TEST_F(LiveWindow, TimersArriveThroughWmTimer)
{
    AttachAndShow();
    m_log.clear();
    ASSERT_TRUE(m_manager->SetTimer(m_b, 5, 10));
    const DWORD start = ::GetTickCount();
    while (m_b->lastTimerId == 0 && ::GetTickCount() - start < 5000)
    {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    EXPECT_EQ(5u, m_b->lastTimerId); // the control's own id, not the platform's
    m_manager->KillTimer(m_b);
}

TEST_F(LiveWindow, SetDpi110GrowsTheWindowTo690x460AndPostsTheNotice)
{
    AttachAndShow();
    Pump();
    m_manager->SetDPI(110);
    EXPECT_EQ(115u, m_manager->GetDPIObj()->GetScale());
    RECT rc = {0, 0, 0, 0};
    ::GetWindowRect(m_window.Get(), &rc);
    EXPECT_EQ(40, rc.left);
    EXPECT_EQ(40, rc.top);
    EXPECT_EQ(690, rc.right - rc.left);
    EXPECT_EQ(460, rc.bottom - rc.top);
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, m_window.Get(), WM_USER + 3, WM_USER + 3, PM_REMOVE));
    ::UpdateWindow(m_window.Get());
    EXPECT_EQ(460, m_a->GetPos().bottom); // laid out at the new size
}

TEST_F(LiveWindow, LayeredWindowPaintsOpaquePixelsThroughUpdateLayeredWindow)
{
    AttachAndShow();
    m_manager->SetLayered(true);
    EXPECT_TRUE(m_manager->IsLayered());
    ::UpdateWindow(m_window.Get());
    Pump();
    ::UpdateWindow(m_window.Get());
    EXPECT_NE(0, ::GetWindowLongW(m_window.Get(), GWL_EXSTYLE) & WS_EX_LAYERED);
    ASSERT_NE(nullptr, CPaintManagerUIPeer::OffscreenPixel(*m_manager, 50, 50));
    EXPECT_EQ(kRed, *CPaintManagerUIPeer::OffscreenPixel(*m_manager, 50, 50));
    EXPECT_EQ(kRoot, *CPaintManagerUIPeer::OffscreenPixel(*m_manager, 500, 50));
}

TEST_F(LiveWindow, NoBitmapOrDcLeftOverAfterResizesAndDestruction)
{
    AttachAndShow();
    std::vector<HGDIOBJ> seen;
    auto Remember = [&seen](HGDIOBJ h)
    {
        if (h != nullptr && std::find(seen.begin(), seen.end(), h) == seen.end())
            seen.push_back(h);
    };
    for (int i = 0; i < 100; ++i)
    {
        ::SetWindowPos(m_window.Get(), nullptr, 0, 0, 300 + (i % 7) * 20, 200 + (i % 5) * 10,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::UpdateWindow(m_window.Get());
        Remember(CPaintManagerUIPeer::OffscreenBitmap(*m_manager));
        Remember(CPaintManagerUIPeer::OffscreenDC(*m_manager));
    }
    ASSERT_GE(seen.size(), 100u); // a bitmap and a DC per layout
    const HGDIOBJ hLastBitmap = CPaintManagerUIPeer::OffscreenBitmap(*m_manager);
    const HGDIOBJ hLastDC = CPaintManagerUIPeer::OffscreenDC(*m_manager);
    int alive = 0;
    for (HGDIOBJ h : seen)
        alive += ::GetObjectType(h) != 0 ? 1 : 0;
    EXPECT_EQ(2, alive); // the current pair only
    // The window and its manager go: nothing of theirs survives.
    m_window.Destroy();
    m_manager.reset();
    EXPECT_EQ(0u, ::GetObjectType(hLastBitmap));
    EXPECT_EQ(0u, ::GetObjectType(hLastDC));
}

TEST_F(LiveWindow, RichEditFieldIsAMessageFilterWhileItHasAManager)
{
    CRichEditUI* pEdit = new CRichEditUI;
    pEdit->SetFixedWidth(100);
    m_root->Add(pEdit);
    AttachAndShow();
    if (!pEdit->HasTextHost())
        GTEST_SKIP() << "no rich edit text services here";
    EXPECT_TRUE(CPaintManagerUIPeer::IsMessageFilter(*m_manager, static_cast<IMessageFilterUI*>(pEdit)));
    IMessageFilterUI* pFilter = pEdit;
    m_root->Remove(pEdit); // deleted at the next wake-up
    Pump();
    EXPECT_FALSE(CPaintManagerUIPeer::IsMessageFilter(*m_manager, pFilter));
    // Messages after the field died reach no filter (a dangling one would crash here).
    Mouse(WM_MOUSEMOVE, 450, 50);
}

TEST(PaintManagerRegistry, ManagersAreFoundByNameAndLeaveTheListWhenDestroyed)
{
    CLiveWindow window(0, 0, 100, 100);
    {
        CPaintManagerUI manager;
        manager.Init(window.Get(), L"named");
        EXPECT_EQ(&manager, CPaintManagerUI::GetPaintManager(L"named"));
        EXPECT_EQ(nullptr, CPaintManagerUI::GetPaintManager(L"other"));
        EXPECT_EQ(nullptr, CPaintManagerUI::GetPaintManager(nullptr));
    }
    EXPECT_EQ(nullptr, CPaintManagerUI::GetPaintManager(L"named"));
    // Messages before Init are left to the window.
    CPaintManagerUI fresh;
    LRESULT lRes = 0;
    EXPECT_FALSE(fresh.MessageHandler(WM_PAINT, 0, 0, lRes));
}

namespace
{

int g_messageBoxes = 0;

LRESULT CALLBACK RefuseDialogs(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND)
    {
        const CBT_CREATEWNDW* pCreate = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (pCreate->lpcs->lpszClass == reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32770)))
        {
            ++g_messageBoxes;
            return 1; // refused: a box would wait for a click that never comes
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace

TEST(PaintManagerDPI, RefusedMonitorQueryAnswers96WithoutAMessageBox)
{
    HHOOK hHook = ::SetWindowsHookExW(WH_CBT, &RefuseDialogs, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hHook);
    g_messageBoxes = 0;
    const int dpi = CDPI::GetDPIOfMonitor(reinterpret_cast<HMONITOR>(static_cast<ULONG_PTR>(0x1234)));
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(0, g_messageBoxes);
    EXPECT_GT(dpi, 0);
}

namespace
{

// Runs xdotool on the X display the window lives on; false when it cannot be started.
bool RunXdotool(const wchar_t* pstrArgs)
{
    wchar_t szCmd[256] = {};
    _snwprintf(szCmd, 255, L"Z:\\usr\\bin\\xdotool %s", pstrArgs);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(nullptr, szCmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    // A Unix program started from Wine reports no meaningful exit code: started means done.
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return true;
}

// Pumps messages for a while (the X server's events arrive asynchronously).
void PumpFor(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms)
    {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Pump();
    }
}

} // namespace

// The pointer moved (and clicked) at a screen point: through xdotool on the X display when it can
// be started from here, otherwise through the platform's own input queue (SendInput).
void PointerTo(POINT pt, bool bClick)
{
    wchar_t szArgs[128] = {};
    _snwprintf(szArgs, 127, L"mousemove %ld %ld%s", pt.x, pt.y, bClick ? L" click 1" : L"");
    if (RunXdotool(szArgs))
        return;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT& i : in)
    {
        i.type = INPUT_MOUSE;
        i.mi.dx = MulDiv(pt.x, 65535, cx - 1);
        i.mi.dy = MulDiv(pt.y, 65535, cy - 1);
    }
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(bClick ? 3 : 1, in, sizeof(INPUT));
}

TEST_F(LiveWindow, RealPointerGivesLeaveBeforeEnterAndExactlyOneClick)
{
    AttachAndShow();
    POINT ptA = {50, 50}, ptB = {150, 50}, ptC = {250, 50};
    ::ClientToScreen(m_window.Get(), &ptA);
    ::ClientToScreen(m_window.Get(), &ptB);
    ::ClientToScreen(m_window.Get(), &ptC);
    PointerTo(ptA, false);
    PumpFor(500);
    m_log.clear();
    PointerTo(ptB, false);
    PumpFor(500);
    // Only the hover changes are asserted: the pointer may report intermediate moves.
    std::vector<std::wstring> hover;
    for (const std::wstring& e : m_log)
        if (e.find(L":enter") != std::wstring::npos || e.find(L":leave") != std::wstring::npos)
            hover.push_back(e);
    EXPECT_EQ(std::vector<std::wstring>({L"A:leave", L"B:enter"}), hover);

    m_log.clear();
    PointerTo(ptC, true);
    PumpFor(800);
    EXPECT_EQ(1, m_rec.Count(L"click:C"));
    // Parked in the screen's far corner, where no test puts a window.
    PointerTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1}, false);
    PumpFor(200);
}
