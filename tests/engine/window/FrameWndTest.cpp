// CUIFrameWnd: the window buttons by name, "windowinit", InitWindow, virtual forms, custom and
// menu-command messages, and the single-instance wake-up message.
#include <gtest/gtest.h>

#include "engine/window/CUIApplication.h"
#include "engine/window/CUIForm.h"
#include "tests/engine/window/WindowTestSupport.h"

using namespace SkinUI;
using namespace WindowTest;

namespace
{

class FrameTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        frame = new CTestFrame(&log);
        ASSERT_NE(nullptr, frame->CreateTestWindow());
        hWnd = frame->GetHWND();
    }
    void TearDown() override
    {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
        delete frame;
        CWindowTest::TearDown();
    }
    void Send(const wchar_t* type, const wchar_t* sender)
    {
        tagTNotifyUI msg = MakeNotify(frame->GetPaintManager(), type, sender);
        frame->Notify(msg);
    }
    CWindowLog log;
    CTestFrame* frame = nullptr;
    HWND hWnd = nullptr;
};

struct FormLog
{
    int inits = 0, notifies = 0, activations = 0, hides = 0, deleted = 0, menus = 0;
};

class CTestForm : public CUIForm
{
public:
    CTestForm(const wchar_t* name, FormLog* pLog, bool bTakesCustom = false)
        : CUIForm(name), m_pLog(pLog), m_bTakesCustom(bTakesCustom)
    {
    }
    ~CTestForm() override { ++m_pLog->deleted; }
    void InitForm() override { ++m_pLog->inits; }
    void ActivateForm() override { ++m_pLog->activations; }
    void HideForm() override { ++m_pLog->hides; }
    void Notify(tagTNotifyUI&) override { ++m_pLog->notifies; }
    bool OnCustomMessage(UINT uMsg, WPARAM, LPARAM) override { return m_bTakesCustom && uMsg == WM_APP + 51; }
    bool OnMenuCommand(const tagTMenuCmdUI* pCmd) override
    {
        ++m_pLog->menus;
        return pCmd->sName == L"mine";
    }

private:
    FormLog* m_pLog;
    bool m_bTakesCustom;
};

} // namespace

TEST_F(FrameTest, InitWindowRunsOnceTheSkinIsAttached)
{
    EXPECT_TRUE(log.initWindowCalled);
    EXPECT_NE(nullptr, frame->GetManager()->GetRoot());
    EXPECT_EQ(&frame->GetPaintManager(), frame->GetManager());
}

TEST_F(FrameTest, CloseButtonPostsCloseWithResultTwo)
{
    Send(L"click", L"windowclosebtn");
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_EQ(2u, msg.wParam);
    EXPECT_EQ(0, msg.lParam);
    // The notification still reaches the frame's map.
    EXPECT_EQ((std::vector<std::wstring>{L"click:windowclosebtn"}), log.notifies);
}

TEST_F(FrameTest, MinMaxRestoreButtonsSendTheSystemCommands)
{
    Send(L"click", L"windowmaxbtn");
    EXPECT_TRUE(::IsZoomed(hWnd));
    CPaintManagerUI& pm = frame->GetPaintManager();
    EXPECT_FALSE(pm.FindControl(L"windowmaxbtn")->IsVisible());
    EXPECT_TRUE(pm.FindControl(L"windowrestorebtn")->IsVisible());
    Send(L"click", L"windowrestorebtn");
    EXPECT_FALSE(::IsZoomed(hWnd));
    EXPECT_TRUE(pm.FindControl(L"windowmaxbtn")->IsVisible());
    EXPECT_FALSE(pm.FindControl(L"windowrestorebtn")->IsVisible());
    Send(L"click", L"windowminbtn");
    EXPECT_TRUE(::IsIconic(hWnd));
}

TEST_F(FrameTest, WindowInitShowsTheButtonForTheCurrentState)
{
    CPaintManagerUI& pm = frame->GetPaintManager();
    Send(L"windowinit", nullptr);
    EXPECT_TRUE(pm.FindControl(L"windowmaxbtn")->IsVisible());
    EXPECT_FALSE(pm.FindControl(L"windowrestorebtn")->IsVisible());
    EXPECT_EQ((std::vector<std::wstring>{L"windowinit:"}), log.notifies);
}

TEST_F(FrameTest, FormsAreInitialisedNotifiedActivatedAndDeletedWithTheWindow)
{
    FormLog a, b;
    CTestForm* pA = new CTestForm(L"btn_close", &a);
    CTestForm* pB = new CTestForm(L"other", &b);
    EXPECT_TRUE(frame->AttachVirtualForm(pA));
    EXPECT_FALSE(frame->AttachVirtualForm(pA));
    EXPECT_FALSE(frame->AttachVirtualForm(nullptr));
    EXPECT_TRUE(frame->AttachVirtualForm(pB));
    EXPECT_EQ(frame, pA->GetFrame());
    EXPECT_EQ(&frame->GetPaintManager(), pA->GetManager());
    frame->__InitWindow();
    EXPECT_EQ(1, a.inits);
    EXPECT_EQ(1, b.inits);

    Send(L"click", L"lb_title");
    EXPECT_EQ(1, a.notifies);
    EXPECT_EQ(1, b.notifies);
    EXPECT_EQ(1u, log.notifies.size());

    Send(L"tabactiveform", L"btn_close"); // only the form of that name; dispatch ends there
    Send(L"tabnoactiveform", L"btn_close");
    EXPECT_EQ(1, a.activations);
    EXPECT_EQ(1, a.hides);
    EXPECT_EQ(0, b.activations);
    EXPECT_EQ(1, a.notifies);
    EXPECT_EQ(1u, log.notifies.size());

    EXPECT_TRUE(frame->DetachVirtualForm(pB));
    EXPECT_FALSE(frame->DetachVirtualForm(pB));
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, a.deleted);
    EXPECT_EQ(0, b.deleted) << "a detached form belongs to the caller again";
    EXPECT_EQ(0, frame->GetVirtualFormCount());
    delete pB;
}

TEST_F(FrameTest, CustomAndMenuCommandMessagesGoToTheFrameThenTheForms)
{
    FormLog a;
    frame->AttachVirtualForm(new CTestForm(L"f", &a, true));
    const size_t before = log.messages.size();
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_APP + 50, 0, 0)); // the frame's own OnCustomMessage
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_APP + 51, 0, 0)); // the form's
    EXPECT_EQ(before + 2, log.messages.size());

    auto* pCmd = new tagTMenuCmdUI;
    pCmd->sName = L"mine";
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_SKINUI_MENUCOMMAND, reinterpret_cast<WPARAM>(pCmd), 0));
    EXPECT_EQ(1, a.menus); // the record was freed by the frame (a leak checker would see it)
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_SKINUI_MENUCOMMAND, 0, 0));
    EXPECT_EQ(1, a.menus);
}

TEST_F(FrameTest, TheWakeUpMessageShowsRestoresAndActivates)
{
    class CApp : public CUIApplication
    {
    public:
        void SetWakeUp(UINT u) { m_uWakeUpMsg = u; }
    } app;
    const UINT uWake = ::RegisterWindowMessageW(L"ZentrivoFrameTestWake");
    app.SetWakeUp(uWake);
    ::ShowWindow(hWnd, SW_MINIMIZE);
    ::ShowWindow(hWnd, SW_HIDE);
    EXPECT_EQ(0, ::SendMessageW(hWnd, uWake, 0, 0)) << "no application yet: not recognised";
    EXPECT_FALSE(::IsWindowVisible(hWnd));
    frame->SetApplication(&app);
    EXPECT_EQ(1, ::SendMessageW(hWnd, uWake, 0, 0));
    EXPECT_TRUE(::IsWindowVisible(hWnd));
    EXPECT_FALSE(::IsIconic(hWnd));
    frame->SetApplication(nullptr);
}
