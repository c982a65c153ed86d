// ShowModal: the result comes from the WM_CLOSE posted to this window, the owner is disabled
// while the loop runs, a WM_QUIT is posted again, a window that deletes itself while closing,
// and modal loops inside modal loops.
#include <gtest/gtest.h>

#include "tests/engine/window/WindowTestSupport.h"
#include "tests/support/CTestWindow.h"

using namespace SkinUI;
using namespace WindowTest;

namespace
{
class ModalLoopTest : public CWindowTest
{
protected:
    CTestWindow owner;
};
const UINT WM_TEST_ACT = WM_APP + 20;
} // namespace

TEST_F(ModalLoopTest, ReturnsThePostedResultAndDisablesTheOwnerMeanwhile)
{
    CWindowLog log;
    CTestSkinWindow wnd(&log);
    ASSERT_NE(nullptr, wnd.CreateTestWindow(owner.Get()));
    ASSERT_EQ(owner.Get(), ::GetWindow(wnd.GetHWND(), GW_OWNER));
    bool bOwnerEnabledInside = true;
    wnd.m_onMessage = [&](UINT uMsg, WPARAM, LPARAM)
    {
        if (uMsg == WM_TEST_ACT)
        {
            bOwnerEnabledInside = ::IsWindowEnabled(owner.Get()) != FALSE;
            wnd.Close(7);
        }
    };
    wnd.PostMessageW(WM_TEST_ACT);
    EXPECT_EQ(7u, wnd.ShowModal());
    EXPECT_FALSE(bOwnerEnabledInside);
    EXPECT_TRUE(::IsWindowEnabled(owner.Get()));
    EXPECT_EQ(nullptr, wnd.GetHWND()) << "the close went on to end the window";
    EXPECT_EQ(7u, log.lastCloseWParam);
}

TEST_F(ModalLoopTest, AWmCloseForAnotherWindowIsNotTheResult)
{
    CWindowLog log, otherLog;
    CTestSkinWindow wnd(&log);
    CTestSkinWindow other(&otherLog);
    ASSERT_NE(nullptr, wnd.CreateTestWindow(owner.Get()));
    ASSERT_NE(nullptr, other.CreateTestWindow());
    other.Close(33);
    wnd.Close(1);
    EXPECT_EQ(1u, wnd.ShowModal());
    EXPECT_EQ(33u, otherLog.lastCloseWParam);
}

TEST_F(ModalLoopTest, AQuitMessageEndsTheLoopAndIsPostedAgain)
{
    CWindowLog log;
    CTestSkinWindow wnd(&log);
    ASSERT_NE(nullptr, wnd.CreateTestWindow(owner.Get()));
    wnd.m_onMessage = [&](UINT uMsg, WPARAM, LPARAM)
    {
        if (uMsg == WM_TEST_ACT)
            ::PostQuitMessage(5);
    };
    wnd.PostMessageW(WM_TEST_ACT);
    EXPECT_EQ(0u, wnd.ShowModal());
    EXPECT_TRUE(::IsWindow(wnd.GetHWND())) << "WM_QUIT does not close the window";
    EXPECT_TRUE(::IsWindowEnabled(owner.Get()));
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, msg.wParam);
    ::DestroyWindow(wnd.GetHWND());
}

TEST_F(ModalLoopTest, AWindowThatDeletesItselfWhileClosingStillGivesItsResult)
{
    CWindowLog log;
    CTestSkinWindow* pWnd = new CTestSkinWindow(&log);
    pWnd->m_bDeleteOnFinal = true;
    ASSERT_NE(nullptr, pWnd->CreateTestWindow(owner.Get()));
    pWnd->Close(4);
    EXPECT_EQ(4u, pWnd->ShowModal()); // pWnd is gone once this returns
    EXPECT_EQ(1, log.finalMessages);
    EXPECT_TRUE(::IsWindowEnabled(owner.Get()));
}

TEST_F(ModalLoopTest, NestedModalLoopsEachReturnTheirOwnResult)
{
    CWindowLog outerLog, innerLog;
    CTestSkinWindow outer(&outerLog);
    ASSERT_NE(nullptr, outer.CreateTestWindow(owner.Get()));
    UINT innerResult = 0;
    bool bOuterDisabledInside = false;
    outer.m_onMessage = [&](UINT uMsg, WPARAM, LPARAM)
    {
        if (uMsg != WM_TEST_ACT)
            return;
        CTestSkinWindow* pInner = new CTestSkinWindow(&innerLog);
        pInner->m_bDeleteOnFinal = true;
        ASSERT_NE(nullptr, pInner->CreateTestWindow(outer.GetHWND()));
        pInner->m_onMessage = [&](UINT uInner, WPARAM, LPARAM)
        {
            if (uInner == WM_TEST_ACT)
                bOuterDisabledInside = !::IsWindowEnabled(outer.GetHWND());
        };
        pInner->PostMessageW(WM_TEST_ACT);
        pInner->Close(9);
        innerResult = pInner->ShowModal();
        outer.Close(8);
    };
    outer.PostMessageW(WM_TEST_ACT);
    EXPECT_EQ(8u, outer.ShowModal());
    EXPECT_EQ(9u, innerResult);
    EXPECT_TRUE(bOuterDisabledInside);
    EXPECT_EQ(1, innerLog.finalMessages);
    EXPECT_TRUE(::IsWindowEnabled(owner.Get()));
}
