#include <gtest/gtest.h>

#include "engine/controls/CControlUI.h"
#include "engine/lang/CLangManagerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "installer/ui/CMsgWnd.h"
#include "tests/installer/ui/UiTestSupport.h"

#include <windows.h>

#include <string>

// The exit dialog over a plain owner window, answered from inside its modal loop.

using namespace SkinUI;

namespace
{

class CMsgWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZentrivoTestOwner";
        ::RegisterClassW(&wc);
        m_owner = ::CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE, 100, 80, 690, 460,
                                    nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(nullptr, m_owner);
        CLangManagerUI::SetLanguage(L"Lang\\English", L"en"); // an English system
    }
    void TearDown() override
    {
        ::DestroyWindow(m_owner);
        TakeQuit();
    }

    HWND m_owner = nullptr;
};

// Records, for the dialog's WM_DESTROY, whether its owner was enabled at that moment.
HHOOK g_hook = nullptr;
int g_destroyed = 0;
bool g_ownerEnabledAtDestroy = false;

LRESULT CALLBACK WatchDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    wchar_t cls[32] = {};
    if (code >= 0 && msg->message == WM_DESTROY && ::GetClassNameW(msg->hwnd, cls, 32) &&
        wcscmp(cls, L"MsgWnd") == 0)
    {
        ++g_destroyed;
        const HWND owner = ::GetWindow(msg->hwnd, GW_OWNER);
        g_ownerEnabledAtDestroy = owner != nullptr && ::IsWindowEnabled(owner);
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

class CDestroyWatch
{
public:
    CDestroyWatch()
    {
        g_destroyed = 0;
        g_ownerEnabledAtDestroy = false;
        g_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &WatchDestroy, nullptr, ::GetCurrentThreadId());
    }
    ~CDestroyWatch() { ::UnhookWindowsHookEx(g_hook); }
};

} // namespace

TEST_F(CMsgWndTest, ButtonsAndTheCloseCommandGiveTheirAnswers)
{
    struct
    {
        const wchar_t* control;
        unsigned int expected;
    } cases[] = {{L"btn_confirm", 1}, {L"btn_cancel", 0}, {L"btn_Close", 0}, {L"", 0 /* Alt+F4 */}};
    for (const auto& c : cases)
    {
        CDestroyWatch watch;
        CDialogAnswerer answer(c.control);
        EXPECT_EQ(c.expected, ShowExitConfirmation(m_owner, L"", L""))
            << (*c.control ? c.control : L"SC_CLOSE");
        EXPECT_TRUE(answer.Answered());
        EXPECT_FALSE(answer.answerIgnored);
        EXPECT_FALSE(::IsWindow(answer.dialog)) << "the dialog's window is gone when it returns";
        EXPECT_EQ(1, g_destroyed);
        EXPECT_TRUE(g_ownerEnabledAtDestroy) << "owner enabled before the dialog goes";
        EXPECT_TRUE(::IsWindowEnabled(m_owner));
    }
}

TEST_F(CMsgWndTest, ConfirmAndCancelAreMatchedWithoutRegardToCase)
{
    // Renamed after the manager filed it under its skin name, so the click still finds it.
    CDialogAnswerer answer(L"btn_confirm",
                           []
                           {
                               CPaintManagerUI* pm = ManagerOf(::FindWindowW(L"MsgWnd", nullptr));
                               pm->FindControl(L"btn_confirm")->SetName(L"BTN_CONFIRM");
                           });
    EXPECT_EQ(1u, ShowExitConfirmation(m_owner, L"", L""));
    EXPECT_FALSE(answer.clickFailed);
    EXPECT_FALSE(answer.answerIgnored);
}

TEST_F(CMsgWndTest, WindowIsAToolPopupOwnedAndCentredOverItsOwner)
{
    CDialogAnswerer answer(L"btn_cancel");
    ShowExitConfirmation(m_owner, L"ignored title", L"ignored text");
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(m_owner, answer.owner);
    EXPECT_FALSE(answer.ownerEnabledWhileOpen) << "modal: the owner is disabled while it runs";
    EXPECT_EQ(L"msgwnd", answer.title);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CLIPCHILDREN), answer.style & (WS_POPUP | WS_CLIPCHILDREN));
    EXPECT_EQ(0u, answer.style & WS_CAPTION);
    EXPECT_TRUE(answer.exStyle & WS_EX_TOOLWINDOW);
    const RECT& d = answer.dialogRect;
    const RECT& o = answer.ownerRect;
    EXPECT_LE(std::abs((d.left + d.right) - (o.left + o.right)), 1);
    EXPECT_LE(std::abs((d.top + d.bottom) - (o.top + o.bottom)), 1);
}

TEST_F(CMsgWndTest, ShowsChineseTextsOnAnEnglishSystemAndSwitchesTheProcess)
{
    CDialogAnswerer answer(L"btn_cancel");
    std::wstring texts;
    answer.inspect = [&texts](CPaintManagerUI& pm)
    {
        for (const wchar_t* name : {L"lb_Title", L"lb_Text", L"btn_confirm", L"btn_cancel"})
        {
            CControlUI* c = pm.FindControl(name);
            texts += (c != nullptr ? std::wstring(c->GetText().GetData()) : L"<missing>") + L"|";
        }
    };
    ShowExitConfirmation(m_owner, L"", L"");
    EXPECT_EQ(L"提示|您确定要退出安装吗？|是|否|", texts);
    EXPECT_STREQ(L"chs", CLangManagerUI::GetLangName().GetData());
    EXPECT_STREQ(L"从下面选文件夹目录:", CLangManagerUI::GetString(1).GetData());
}

// The keys go through the queue and the modal loop's pre-translation, as typed keys do, with
// the focus where the dialog puts it.
TEST_F(CMsgWndTest, ReturnAndEscapeDoNotCloseIt)
{
    bool stillOpen = false;
    CDialogAnswerer answer(L"btn_confirm",
                           [&stillOpen]
                           {
                               const HWND d = ::FindWindowW(L"MsgWnd", nullptr);
                               ::SetForegroundWindow(d);
                               ::SetFocus(d);
                               for (WPARAM key : {VK_ESCAPE, VK_RETURN})
                               {
                                   ::PostMessageW(d, WM_KEYDOWN, key, 1);
                                   ::PostMessageW(d, WM_KEYUP, key, 0xC0000001);
                               }
                               MSG msg;
                               bool closed = false;
                               while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                               {
                                   closed = closed || (msg.message == WM_CLOSE && msg.hwnd == d);
                                   if (!CPaintManagerUI::TranslateMessage(&msg))
                                   {
                                       ::TranslateMessage(&msg);
                                       ::DispatchMessageW(&msg);
                                   }
                               }
                               stillOpen = ::IsWindowVisible(d) && !closed &&
                                           !::PeekMessageW(&msg, d, WM_CLOSE, WM_CLOSE, PM_NOREMOVE);
                           });
    EXPECT_EQ(1u, ShowExitConfirmation(m_owner, L"", L"")) << "only the later click answered";
    EXPECT_TRUE(stillOpen);
}
