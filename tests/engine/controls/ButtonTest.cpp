// Buttons: the image of each state from a four-row 9-slice image and from a state strip, the
// state priority (the focused image and text colour included), and "click" from synthetic
// input: exactly one for a press and release inside, none when released outside or disabled,
// one after dragging out and back in.
#include <gtest/gtest.h>

#include "engine/controls/CButtonUI.h"
#include "tests/engine/controls/ControlTestSupport.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

class ButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pButton = new CButtonUI;
        m_pButton->SetName(L"btn_Install");
        const wchar_t* names[] = {L"normalimage", L"hotimage", L"pushedimage", L"disabledimage"};
        for (int i = 0; i < 4; ++i)
        {
            wchar_t szImage[128];
            _snwprintf(szImage, 127, L"file='btn_states.png' source='0,%d,20,%d' corner='2,2,2,2'", 10 * i,
                       10 * i + 10);
            szImage[127] = L'\0';
            m_pButton->SetAttribute(names[i], szImage);
        }
        m_manager.AttachDialog(m_pButton);
        m_pButton->SetPos(RECT{10, 10, 70, 40}, false);
    }
    // The state drawn, judged by the inner colour at the centre and the border at a corner and
    // along the stretched left edge; -1 when nothing or something else was drawn.
    int PaintedState()
    {
        CTestDib dib(80, 50);
        m_pButton->Paint(dib.DC(), dib.Bounds());
        for (int i = 0; i < 4; ++i)
            if (dib.Pixel(40, 25) == kInner[i] && dib.Pixel(10, 10) == kBorder[i] &&
                dib.Pixel(11, 30) == kBorder[i] && dib.Pixel(68, 38) == kBorder[i] && dib.Pixel(5, 5) == 0)
                return i;
        return -1;
    }

    CPaintManagerUI m_manager;
    CButtonUI* m_pButton = nullptr;
};

} // namespace

TEST_F(ButtonTest, EachStateDrawsItsRowOfTheImage)
{
    EXPECT_EQ(0, PaintedState());
    SendEvent(m_pButton, EventType::MouseEnter, 20, 20);
    EXPECT_EQ(1, PaintedState());
    SendEvent(m_pButton, EventType::ButtonDown, 20, 20);
    EXPECT_EQ(2, PaintedState()); // pushed beats hot
    SendEvent(m_pButton, EventType::ButtonUp, 20, 20);
    EXPECT_EQ(1, PaintedState());
    SendEvent(m_pButton, EventType::MouseLeave, 100, 100);
    EXPECT_EQ(0, PaintedState());
    m_pButton->SetEnabled(false);
    SendEvent(m_pButton, EventType::MouseEnter, 20, 20);
    EXPECT_EQ(3, PaintedState());
    EXPECT_EQ(static_cast<UINT>(StateDisabled), m_pButton->GetState());
}

TEST_F(ButtonTest, FocusedImageAndTextGiveWayToHotAndPushed)
{
    // The focused image is the fourth row; the disabled image is dropped so that row means focus.
    m_pButton->SetDisabledImage(L"");
    m_pButton->SetFocusedImage(L"file='btn_states.png' source='0,30,20,40' corner='2,2,2,2'");
    EXPECT_EQ(0, PaintedState());
    m_manager.SetFocus(m_pButton);
    ASSERT_TRUE(m_pButton->IsFocused());
    EXPECT_EQ(3, PaintedState());
    SendEvent(m_pButton, EventType::MouseEnter, 20, 20);
    EXPECT_EQ(1, PaintedState()); // hot beats focused
    SendEvent(m_pButton, EventType::ButtonDown, 20, 20);
    EXPECT_EQ(2, PaintedState()); // pushed beats both
    SendEvent(m_pButton, EventType::ButtonUp, 20, 20);
    EXPECT_EQ(1, PaintedState());
    SendEvent(m_pButton, EventType::MouseLeave, 100, 100);
    EXPECT_EQ(3, PaintedState());
    m_manager.SetFocus(nullptr);
    EXPECT_EQ(0, PaintedState());

    // The text colour follows the same order: hot, then focused, then the plain colour.
    const wchar_t* images[] = {L"normalimage", L"hotimage", L"pushedimage", L"focusedimage"};
    for (const wchar_t* pName : images)
        m_pButton->SetAttribute(pName, L"");
    m_pButton->SetText(L"Go Go");
    m_pButton->SetAttribute(L"textcolor", L"#FF000000");
    m_pButton->SetAttribute(L"hottextcolor", L"#FFFF0000");
    m_pButton->SetAttribute(L"focusedtextcolor", L"#FF0000FF");
    auto inkOf = [&](DWORD rgb)
    {
        CTestDib dib(80, 50);
        dib.Fill(0xFFFFFF);
        m_pButton->Paint(dib.DC(), dib.Bounds());
        return dib.Count(dib.Bounds(), rgb);
    };
    m_manager.SetFocus(m_pButton);
    EXPECT_GT(inkOf(kBlue), 0);
    EXPECT_EQ(0, inkOf(0x000000));
    SendEvent(m_pButton, EventType::MouseEnter, 20, 20);
    EXPECT_GT(inkOf(kRed), 0);
    EXPECT_EQ(0, inkOf(kBlue));
    SendEvent(m_pButton, EventType::MouseLeave, 100, 100);
    EXPECT_GT(inkOf(kBlue), 0);
    m_manager.SetFocus(nullptr);
    EXPECT_GT(inkOf(0x000000), 0);
    EXPECT_EQ(0, inkOf(kBlue));
}

TEST_F(ButtonTest, MissingStateImageFallsBackToNormal)
{
    m_pButton->SetHotImage(L"file='no_such_image.png'");
    SendEvent(m_pButton, EventType::MouseEnter, 20, 20);
    EXPECT_EQ(0, PaintedState());
    m_pButton->SetHotImage(L"");
    EXPECT_EQ(0, PaintedState());
}

TEST_F(ButtonTest, StateStripIsSplitIntoStateCountColumns)
{
    CButtonUI* pButton = new CButtonUI;
    pButton->SetAttribute(L"stateimage", L"file='btn_strip.png'");
    pButton->SetAttribute(L"statecount", L"4");
    m_manager.AttachDialog(pButton);
    pButton->SetPos(RECT{0, 0, 30, 30}, false);
    const DWORD expected[4] = {kInner[0], kInner[1], kInner[2], kInner[3]};
    CTestDib dib(30, 30);
    pButton->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(expected[0], dib.Pixel(15, 15));
    EXPECT_STREQ(L"res='btn_strip.png' restype='' dest='0,0,0,0' source='0,0,10,10'",
                 pButton->GetNormalImage());
    EXPECT_STREQ(L"res='btn_strip.png' restype='' dest='0,0,0,0' source='20,0,30,10'",
                 pButton->GetPushedImage());
    SendEvent(pButton, EventType::MouseEnter, 5, 5);
    pButton->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(expected[1], dib.Pixel(15, 15));
    SendEvent(pButton, EventType::ButtonDown, 5, 5);
    pButton->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(expected[2], dib.Pixel(15, 15));
    pButton->SetEnabled(false);
    pButton->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(expected[3], dib.Pixel(15, 15));

    // A count of 0 splits nothing and divides nothing.
    CButtonUI* pNone = new CButtonUI;
    pNone->SetAttribute(L"stateimage", L"file='btn_strip.png'");
    pNone->SetAttribute(L"statecount", L"0");
    m_manager.AttachDialog(pNone);
    pNone->SetPos(RECT{0, 0, 30, 30}, false);
    dib.Fill(0);
    pNone->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0, dib.CountNot(dib.Bounds(), 0));
    EXPECT_STREQ(L"", pNone->GetNormalImage());
}

TEST_F(ButtonTest, PressAndReleaseInsideClicksOnce)
{
    CNotifyRecorder recorder(m_manager);
    Click(m_pButton, POINT{20, 20}, POINT{60, 30});
    ASSERT_EQ(1u, recorder.m_events.size());
    EXPECT_EQ(L"click:btn_Install", recorder.m_events[0]);
    EXPECT_EQ(0u, m_pButton->GetState() & (StatePushed | StateCaptured));
}

TEST_F(ButtonTest, ReleaseOutsideOrPressOutsideDoesNotClick)
{
    CNotifyRecorder recorder(m_manager);
    Click(m_pButton, POINT{20, 20}, POINT{75, 30});
    Click(m_pButton, POINT{5, 5}, POINT{20, 20});
    // A release with no press before it.
    SendEvent(m_pButton, EventType::ButtonUp, 20, 20);
    EXPECT_EQ(0, recorder.Count(L"click"));
}

TEST_F(ButtonTest, DraggedOutAndBackInClicksOnce)
{
    CNotifyRecorder recorder(m_manager);
    SendEvent(m_pButton, EventType::ButtonDown, 20, 20);
    SendEvent(m_pButton, EventType::MouseMove, 200, 20);
    EXPECT_EQ(0u, m_pButton->GetState() & StatePushed);
    EXPECT_NE(0u, m_pButton->GetState() & StateCaptured);
    SendEvent(m_pButton, EventType::MouseMove, 30, 20);
    EXPECT_NE(0u, m_pButton->GetState() & StatePushed);
    SendEvent(m_pButton, EventType::ButtonUp, 30, 20);
    EXPECT_EQ(1, recorder.Count(L"click"));
}

TEST_F(ButtonTest, DisabledOrHiddenButtonSendsNothing)
{
    CNotifyRecorder recorder(m_manager);
    m_pButton->SetEnabled(false);
    Click(m_pButton, POINT{20, 20}, POINT{20, 20});
    SendEvent(m_pButton, EventType::KeyDown, 0, 0, VK_RETURN);
    EXPECT_FALSE(m_pButton->Activate());
    m_pButton->SetEnabled(true);
    m_pButton->SetVisible(false);
    EXPECT_FALSE(m_pButton->Activate());
    EXPECT_EQ(0u, recorder.m_events.size());
}

TEST_F(ButtonTest, SpaceOrReturnClicksUnlessKeyboardIsOff)
{
    CNotifyRecorder recorder(m_manager);
    SendEvent(m_pButton, EventType::KeyDown, 0, 0, VK_SPACE);
    SendEvent(m_pButton, EventType::KeyDown, 0, 0, VK_RETURN);
    SendEvent(m_pButton, EventType::KeyDown, 0, 0, L'A');
    EXPECT_EQ(2, recorder.Count(L"click"));
    m_pButton->SetKeyboardEnabled(false);
    SendEvent(m_pButton, EventType::KeyDown, 0, 0, VK_SPACE);
    EXPECT_EQ(2, recorder.Count(L"click"));
    EXPECT_EQ(static_cast<UINT>(FlagSetCursor), m_pButton->GetControlFlags());
}

TEST_F(ButtonTest, DisabledHostWindowClearsAllButTheDisabledBit)
{
    HWND hWnd =
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    m_manager.Init(hWnd);
    SendEvent(m_pButton, EventType::MouseEnter, 20, 20);
    EXPECT_EQ(1, PaintedState());
    ::EnableWindow(hWnd, FALSE);
    EXPECT_EQ(0, PaintedState());
    EXPECT_EQ(0u, m_pButton->GetState());
    m_manager.Init(nullptr);
    ::DestroyWindow(hWnd);
}

TEST_F(ButtonTest, PushedColoursAndBorder)
{
    m_pButton->SetNormalImage(L"");
    m_pButton->SetPushedImage(L"");
    m_pButton->SetAttribute(L"pushedbkcolor", L"#FF102030");
    m_pButton->SetAttribute(L"bkcolor", L"#FF405060");
    m_pButton->SetAttribute(L"pushedbordercolor", L"#FF0000FF");
    m_pButton->SetAttribute(L"bordersize", L"1");
    CTestDib dib(80, 50);
    m_pButton->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0x405060u, dib.Pixel(40, 25));
    EXPECT_EQ(0x405060u, dib.Pixel(10, 10));
    SendEvent(m_pButton, EventType::ButtonDown, 20, 20);
    m_pButton->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0x102030u, dib.Pixel(40, 25));
    EXPECT_EQ(kBlue, dib.Pixel(10, 10));
    EXPECT_EQ(kBlue, dib.Pixel(69, 39));
}
