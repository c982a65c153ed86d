// Box layouts: exact rectangles for the installer's rows, stretching, clamps, alignment,
// cross-size fallbacks, the available size each pass asks estimates with, overflow, floating
// and hidden children, DPI scaling and the separator.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "engine/controls/CHorizontalLayoutUI.h"
#include "engine/controls/CVerticalLayoutUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "tests/support/ExpectRect.h"

using namespace SkinUI;

namespace
{

// A leaf whose estimate is given by the test (a negative one included); it records the
// available size of every call, in order.
class CEstimatedUI : public CControlUI
{
public:
    explicit CEstimatedUI(SIZE sz) : m_sz(sz) {}
    SIZE EstimateSize(SIZE szAvailable) override
    {
        m_asked.push_back(szAvailable);
        return m_sz;
    }
    SIZE LastAsked() const { return m_asked.empty() ? SIZE{0, 0} : m_asked.back(); }
    SIZE m_sz;
    std::vector<SIZE> m_asked;
};

void ExpectAsked(const CEstimatedUI* p, int i, LONG cx, LONG cy)
{
    ASSERT_LT(static_cast<size_t>(i), p->m_asked.size());
    EXPECT_EQ(cx, p->m_asked[i].cx) << "call " << i;
    EXPECT_EQ(cy, p->m_asked[i].cy) << "call " << i;
}

CControlUI* Fixed(int cx, int cy)
{
    CControlUI* p = new CControlUI;
    if (cx > 0)
        p->SetFixedWidth(cx);
    if (cy > 0)
        p->SetFixedHeight(cy);
    return p;
}

CHorizontalLayoutUI* Row(int cy)
{
    CHorizontalLayoutUI* p = new CHorizontalLayoutUI;
    if (cy > 0)
        p->SetFixedHeight(cy);
    return p;
}

// The main window's home page, as its skin builds it: rows of fixed heights and a last row
// that takes the rest.
struct tagTHomePage
{
    CVerticalLayoutUI* pPage = nullptr;
    CControlUI* pRows[11] = {};
    CControlUI* pCloseSpacer = nullptr;
    CControlUI* pClose = nullptr;
    CControlUI* pInstall = nullptr;
    CControlUI* pPathLabelSpacer = nullptr;
    CControlUI* pField = nullptr;

    tagTHomePage()
    {
        pPage = new CVerticalLayoutUI;
        pPage->SetChildAlign(1);
        const int heights[] = {20, 14, 128, 37, 25, 40, 20, 14, 40, 32, 0};
        for (int i = 0; i < 11; ++i)
        {
            pRows[i] = Row(heights[i]);
            pPage->Add(pRows[i]);
        }
        CHorizontalLayoutUI* pCloseRow = static_cast<CHorizontalLayoutUI*>(pRows[1]);
        pCloseRow->SetInset(RECT{0, 0, 20, 0});
        pCloseSpacer = new CHorizontalLayoutUI;
        pClose = Fixed(14, 14);
        pCloseRow->Add(pCloseSpacer);
        pCloseRow->Add(pClose);

        CHorizontalLayoutUI* pInstallRow = static_cast<CHorizontalLayoutUI*>(pRows[5]);
        pInstallRow->SetChildAlign(1);
        pInstall = Fixed(160, 0);
        pInstallRow->Add(pInstall);

        CHorizontalLayoutUI* pPathRow = static_cast<CHorizontalLayoutUI*>(pRows[9]);
        pPathRow->SetInset(RECT{20, 0, 20, 0});
        pPathRow->SetChildVAlign(4);
        pPathLabelSpacer = Fixed(60, 0);
        pField = Fixed(414, 60);
        pPathRow->Add(pPathLabelSpacer);
        pPathRow->Add(pField);
        pPathRow->Add(new CHorizontalLayoutUI);
    }
};

class BoxLayoutTest : public ::testing::Test
{
protected:
    void TearDown() override { delete m_pRoot; }
    // Lays the tree out without a manager (logical pixels are device pixels).
    void Layout(CControlUI* pRoot, RECT rc)
    {
        m_pRoot = pRoot;
        pRoot->SetPos(rc, false);
    }
    CControlUI* m_pRoot = nullptr;
};

} // namespace

TEST_F(BoxLayoutTest, HomePageRowsTakeTheirHeightsAndTheLastRowTheRest)
{
    tagTHomePage home;
    Layout(home.pPage, RECT{0, 0, 600, 400});
    const int tops[] = {0, 20, 34, 162, 199, 224, 264, 284, 298, 338, 370};
    const int bottoms[] = {20, 34, 162, 199, 224, 264, 284, 298, 338, 370, 400};
    for (int i = 0; i < 11; ++i)
    {
        SCOPED_TRACE(i);
        ExpectRect(home.pRows[i]->GetPos(), 0, tops[i], 600, bottoms[i]);
    }
}

TEST_F(BoxLayoutTest, CloseButtonSitsLeftOfTheRightInset)
{
    tagTHomePage home;
    Layout(home.pPage, RECT{0, 0, 600, 400});
    ExpectRect(home.pClose->GetPos(), 566, 20, 580, 34);
    ExpectRect(home.pCloseSpacer->GetPos(), 0, 20, 566, 34);
}

TEST_F(BoxLayoutTest, CentredButtonWithoutHeightFillsTheRow)
{
    tagTHomePage home;
    Layout(home.pPage, RECT{0, 0, 600, 400});
    ExpectRect(home.pInstall->GetPos(), 220, 224, 380, 264);
}

TEST_F(BoxLayoutTest, TooHighChildIsShrunkAndCentred)
{
    tagTHomePage home;
    Layout(home.pPage, RECT{0, 0, 600, 400});
    // Row 338..370: (338 + 370) / 2 - 16 = 338.
    ExpectRect(home.pField->GetPos(), 80, 338, 494, 370);
    ExpectRect(home.pPathLabelSpacer->GetPos(), 20, 338, 80, 370);
}

TEST_F(BoxLayoutTest, HomePageAt115PercentScalesEachRow)
{
    CPaintManagerUI manager;
    manager.GetDPIObj()->SetScale(110); // 115 %
    tagTHomePage home;
    manager.AttachDialog(home.pPage);
    home.pPage->SetPos(RECT{0, 0, 690, 460}, false);
    // 20, 14, 128, 37, 25, 40, 20, 14, 40, 32 scale to 23, 16, 147, 43, 29, 46, 23, 16, 46, 37.
    ExpectRect(home.pRows[9]->GetPos(), 0, 389, 690, 426);
    ExpectRect(home.pRows[10]->GetPos(), 0, 426, 690, 460);
    ExpectRect(home.pClose->GetPos(), 690 - 23 - 16, 23, 690 - 23, 39);
    ExpectRect(home.pInstall->GetPos(), (690 - 184) / 2, 258, (690 - 184) / 2 + 184, 304);
    // The field (69 high) is shrunk to the row's 37 and centred: (389 + 426) / 2 - 18 = 389.
    ExpectRect(home.pField->GetPos(), 23 + 69, 389, 23 + 69 + 476, 426);
}

TEST_F(BoxLayoutTest, LastStretchingChildTakesTheRoundingLeftOver)
{
    CHorizontalLayoutUI* pRow = Row(0);
    CControlUI* a = new CControlUI;
    CControlUI* b = new CControlUI;
    pRow->Add(a);
    pRow->Add(b);
    Layout(pRow, RECT{0, 0, 101, 10});
    ExpectRect(a->GetPos(), 0, 0, 50, 10);
    ExpectRect(b->GetPos(), 50, 0, 101, 10);

    CVerticalLayoutUI* pColumn = new CVerticalLayoutUI;
    CControlUI* c = new CControlUI;
    CControlUI* d = new CControlUI;
    CControlUI* e = new CControlUI;
    pColumn->Add(c);
    pColumn->Add(d);
    pColumn->Add(e);
    pColumn->SetChildPadding(1);
    pColumn->SetPos(RECT{0, 0, 10, 101}, false); // 99 to share among 3: 33, 33, 33
    ExpectRect(c->GetPos(), 0, 0, 10, 33);
    ExpectRect(d->GetPos(), 0, 34, 10, 67);
    ExpectRect(e->GetPos(), 0, 68, 10, 101);
    delete pColumn;
}

TEST_F(BoxLayoutTest, PaddingAndChildPaddingCountOnlyForPlacedChildren)
{
    CHorizontalLayoutUI* pRow = Row(0);
    pRow->SetChildPadding(5);
    CControlUI* a = Fixed(10, 0);
    CControlUI* hidden = Fixed(30, 0);
    hidden->SetVisible(false);
    CControlUI* b = new CControlUI;
    b->SetPadding(RECT{3, 2, 4, 1});
    CControlUI* floating = Fixed(7, 8);
    floating->SetFloat(true);
    floating->SetFixedXY(SIZE{40, 5});
    pRow->Add(a);
    pRow->Add(hidden);
    pRow->Add(floating);
    pRow->Add(b);
    Layout(pRow, RECT{100, 50, 200, 80});
    ExpectRect(a->GetPos(), 100, 50, 110, 80);
    // b: after 10 + padding 5 + its left 3; stretches to the right edge minus its right 4; top
    // and bottom padding shrink its height (top alignment uses T).
    ExpectRect(b->GetPos(), 118, 52, 196, 79);
    ExpectRect(floating->GetPos(), 140, 55, 147, 63);
}

TEST_F(BoxLayoutTest, MinimumAndMaximumClampBothAxes)
{
    CHorizontalLayoutUI* pRow = Row(0);
    CControlUI* narrow = Fixed(5, 0);
    narrow->SetMinWidth(20);
    CControlUI* wide = Fixed(500, 0);
    wide->SetMaxWidth(30);
    wide->SetMaxHeight(12);
    CControlUI* stretch = new CControlUI;
    stretch->SetMaxWidth(15);
    stretch->SetMinHeight(50);
    pRow->Add(narrow);
    pRow->Add(wide);
    pRow->Add(stretch);
    Layout(pRow, RECT{0, 0, 100, 40});
    ExpectRect(narrow->GetPos(), 0, 0, 20, 40);
    ExpectRect(wide->GetPos(), 20, 0, 50, 12);
    // The cross size is raised to the minimum even beyond the row.
    ExpectRect(stretch->GetPos(), 50, 0, 65, 50);
}

TEST_F(BoxLayoutTest, ChildAlignOnlyMovesABlockWithoutStretchingChildren)
{
    CHorizontalLayoutUI* pRow = Row(0);
    pRow->SetChildAlign(2);
    CControlUI* a = Fixed(10, 0);
    CControlUI* b = Fixed(20, 0);
    pRow->Add(a);
    pRow->Add(b);
    Layout(pRow, RECT{0, 0, 100, 10});
    ExpectRect(a->GetPos(), 70, 0, 80, 10);
    ExpectRect(b->GetPos(), 80, 0, 100, 10);

    CControlUI* spacer = new CControlUI;
    pRow->Add(spacer);
    pRow->SetPos(RECT{0, 0, 100, 10}, false);
    ExpectRect(a->GetPos(), 0, 0, 10, 10);
    ExpectRect(spacer->GetPos(), 30, 0, 100, 10);
}

TEST_F(BoxLayoutTest, VerticalLayoutMirrorsTheAxes)
{
    CVerticalLayoutUI* pColumn = new CVerticalLayoutUI;
    pColumn->SetChildVAlign(4);
    pColumn->SetChildAlign(1);
    pColumn->SetInset(RECT{2, 4, 6, 8});
    CControlUI* a = Fixed(10, 20);
    a->SetPadding(RECT{9, 1, 5, 2}); // L and R are not used when centring
    CControlUI* b = Fixed(0, 10);
    pColumn->Add(a);
    pColumn->Add(b);
    Layout(pColumn, RECT{0, 0, 40, 100});
    // Work area x 2..34, y 4..92 (88 high); block 1 + 20 + 2 + 10 = 33 moves down by 27.
    ExpectRect(a->GetPos(), 13, 32, 23, 52);
    ExpectRect(b->GetPos(), 2, 54, 34, 64);

    pColumn->SetChildAlign(2);
    pColumn->SetChildVAlign(8);
    pColumn->SetPos(RECT{0, 0, 40, 100}, false);
    ExpectRect(a->GetPos(), 19, 60, 29, 80);
    ExpectRect(b->GetPos(), 2, 82, 34, 92);
}

TEST_F(BoxLayoutTest, CrossSizeFallsBackFromEstimateToPercentToAvailable)
{
    CHorizontalLayoutUI* pRow = Row(0);
    CEstimatedUI* estimated = new CEstimatedUI(SIZE{10, 7});
    CControlUI* percent = Fixed(10, 0);
    percent->SetFixedHeightPercent(25);
    CControlUI* full = Fixed(10, 0);
    full->SetPadding(RECT{0, 3, 0, 5});
    CEstimatedUI* negative = new CEstimatedUI(SIZE{10, -5});
    pRow->Add(estimated);
    pRow->Add(percent);
    pRow->Add(full);
    pRow->Add(negative);
    Layout(pRow, RECT{0, 0, 100, 40});
    ExpectRect(estimated->GetPos(), 0, 0, 10, 7);
    ExpectRect(percent->GetPos(), 10, 0, 20, 10);
    ExpectRect(full->GetPos(), 20, 3, 30, 35);
    // A row takes a negative height for 0 high, no fallback.
    ExpectRect(negative->GetPos(), 30, 0, 40, 0);
    // Asked with what is left in the main axis and the cross size minus padding.
    EXPECT_EQ(70, negative->LastAsked().cx);
    EXPECT_EQ(40, negative->LastAsked().cy);

    // A column treats a negative width like 0: it falls back to the full width.
    CVerticalLayoutUI* pColumn = new CVerticalLayoutUI;
    CEstimatedUI* negativeWidth = new CEstimatedUI(SIZE{-5, 10});
    pColumn->Add(negativeWidth);
    pColumn->SetPos(RECT{0, 0, 30, 100}, false);
    ExpectRect(negativeWidth->GetPos(), 0, 0, 30, 10);
    delete pColumn;
}

namespace
{

// A layout with inset (3,5,7,11) and child padding 5 holding two recording children padded
// (2,4,6,8) and (1,2,3,4).
template <class TLayout>
TLayout* TwoEstimated(SIZE szFirst, SIZE szSecond, CEstimatedUI*& pFirst, CEstimatedUI*& pSecond)
{
    TLayout* pLayout = new TLayout;
    pLayout->SetInset(RECT{3, 5, 7, 11});
    pLayout->SetChildPadding(5);
    pFirst = new CEstimatedUI(szFirst);
    pFirst->SetPadding(RECT{2, 4, 6, 8});
    pSecond = new CEstimatedUI(szSecond);
    pSecond->SetPadding(RECT{1, 2, 3, 4});
    pLayout->Add(pFirst);
    pLayout->Add(pSecond);
    return pLayout;
}

} // namespace

TEST_F(BoxLayoutTest, EachPassAsksTheEstimateWithItsOwnAvailableSize)
{
    // A 200 x 60 row: the work area is 190 x 44.
    CEstimatedUI *a = nullptr, *b = nullptr;
    CHorizontalLayoutUI* pRow = TwoEstimated<CHorizontalLayoutUI>(SIZE{30, 0}, SIZE{0, 0}, a, b);
    b->SetMaxHeight(30);
    Layout(pRow, RECT{0, 0, 200, 60});
    ASSERT_EQ(2u, a->m_asked.size());
    ASSERT_EQ(2u, b->m_asked.size());
    // First pass: the whole width; the height less the child's own top and bottom padding (and
    // no more than its maximum).
    ExpectAsked(a, 0, 190, 32);
    ExpectAsked(b, 0, 190, 30);
    // Second pass: the width that is left after what was placed before.
    ExpectAsked(a, 1, 188, 32);
    ExpectAsked(b, 1, 146, 30);
    ExpectRect(a->GetPos(), 5, 9, 35, 41);
    ExpectRect(b->GetPos(), 47, 7, 190, 37);

    // The 60 x 200 column mirrors it: the width less left and right padding, then the height
    // that is left.
    CEstimatedUI *c = nullptr, *d = nullptr;
    CVerticalLayoutUI* pColumn = TwoEstimated<CVerticalLayoutUI>(SIZE{0, 30}, SIZE{0, 0}, c, d);
    d->SetMaxWidth(30);
    pColumn->SetPos(RECT{0, 0, 60, 200}, false);
    ASSERT_EQ(2u, c->m_asked.size());
    ASSERT_EQ(2u, d->m_asked.size());
    ExpectAsked(c, 0, 42, 184);
    ExpectAsked(d, 0, 30, 184);
    ExpectAsked(c, 1, 42, 180);
    ExpectAsked(d, 1, 30, 135);
    ExpectRect(c->GetPos(), 5, 9, 47, 39);
    ExpectRect(d->GetPos(), 4, 54, 34, 185);
    delete pColumn;
}

TEST_F(BoxLayoutTest, ChildrenThatDoNotFitRunPastTheEdge)
{
    CHorizontalLayoutUI* pRow = Row(0);
    CControlUI* a = Fixed(80, 0);
    CControlUI* stretch = new CControlUI;
    stretch->SetMinWidth(6);
    CControlUI* b = Fixed(50, 0);
    pRow->Add(a);
    pRow->Add(stretch);
    pRow->Add(b);
    Layout(pRow, RECT{0, 0, 100, 10});
    ExpectRect(a->GetPos(), 0, 0, 80, 10);
    ExpectRect(stretch->GetPos(), 80, 0, 86, 10);
    ExpectRect(b->GetPos(), 86, 0, 136, 10);
    EXPECT_TRUE(b->IsVisible());
}

TEST_F(BoxLayoutTest, PercentWidthIsAFixedShareOfTheRow)
{
    CHorizontalLayoutUI* pRow = Row(0);
    CControlUI* quarter = new CControlUI;
    quarter->SetFixedWidthPercent(25);
    CControlUI* rest = new CControlUI;
    pRow->Add(quarter);
    pRow->Add(rest);
    Layout(pRow, RECT{0, 0, 200, 10});
    ExpectRect(quarter->GetPos(), 0, 0, 50, 10);
    ExpectRect(rest->GetPos(), 50, 0, 200, 10);
}

TEST_F(BoxLayoutTest, CalcPosAnswersWithoutMoving)
{
    CHorizontalLayoutUI* pRow = Row(0);
    pRow->SetChildAlign(1);
    CControlUI* a = Fixed(10, 0);
    CControlUI* b = Fixed(20, 6);
    CControlUI* stranger = Fixed(5, 5);
    pRow->Add(a);
    pRow->Add(b);
    Layout(pRow, RECT{0, 0, 100, 10});
    pRow->SetChildVAlign(8);
    RECT rc = {0, 0, 0, 0};
    ASSERT_TRUE(pRow->CalcPos(b, rc));
    ExpectRect(rc, 45, 4, 65, 10);
    ExpectRect(b->GetPos(), 45, 0, 65, 6);
    EXPECT_FALSE(pRow->CalcPos(stranger, rc));
    EXPECT_FALSE(pRow->CalcPos(nullptr, rc));
    delete stranger;
}

TEST_F(BoxLayoutTest, EmptyLayoutAndAbsurdSizesStayCalm)
{
    CHorizontalLayoutUI* pRow = Row(0);
    Layout(pRow, RECT{0, 0, 100, 10});
    ExpectRect(pRow->GetPos(), 0, 0, 100, 10);

    CControlUI* huge = new CControlUI;
    huge->SetAttribute(L"width", L"99999999999");
    huge->SetAttribute(L"minheight", L"2147483647");
    CControlUI* other = Fixed(2147483647, 0);
    CControlUI* stretch = new CControlUI;
    pRow->Add(huge);
    pRow->Add(other);
    pRow->Add(stretch);
    pRow->SetChildAlign(1);
    pRow->SetPos(RECT{0, 0, 100, 10}, false);
    EXPECT_EQ(0, huge->GetPos().left);
    EXPECT_GE(stretch->GetPos().right, stretch->GetPos().left);
}

TEST_F(BoxLayoutTest, SeparatorDragResizesTheLayout)
{
    CPaintManagerUI manager;
    CHorizontalLayoutUI* pParent = new CHorizontalLayoutUI;
    CHorizontalLayoutUI* pPanel = Row(0);
    pPanel->SetFixedWidth(100);
    pPanel->SetMinWidth(50);
    pPanel->SetMaxWidth(150);
    pParent->Add(pPanel);
    pParent->Add(new CControlUI);
    manager.AttachDialog(pParent);
    pParent->SetPos(RECT{0, 0, 300, 50}, false);

    pPanel->SetAttribute(L"sepwidth", L"4");
    pPanel->SetAttribute(L"sepimm", L"true");
    EXPECT_EQ(FlagSetCursor, pPanel->GetControlFlags());
    ExpectRect(pPanel->GetThumbRect(false), 96, 0, 100, 50);

    tagTEventUI event = {};
    event.Type = EventType::ButtonDown;
    event.ptMouse = POINT{98, 10};
    pPanel->Event(event);
    event.Type = EventType::MouseMove;
    event.ptMouse = POINT{118, 10};
    pPanel->Event(event);
    EXPECT_EQ(120, pPanel->GetFixedWidth());
    // Beyond the maximum the edge stays.
    event.ptMouse = POINT{218, 10};
    pPanel->Event(event);
    EXPECT_EQ(120, pPanel->GetFixedWidth());
    event.Type = EventType::ButtonUp;
    pPanel->Event(event);
    pParent->SetPos(RECT{0, 0, 300, 50}, false);
    ExpectRect(pPanel->GetPos(), 0, 0, 120, 50);

    // Tracker mode: registered for post-painting while dragging only; the tracker moves, the
    // fixed size does not.
    pPanel->SetSepImmMode(false);
    event.Type = EventType::ButtonDown;
    event.ptMouse = POINT{119, 10};
    pPanel->Event(event);
    EXPECT_EQ(1, manager.GetPostPaintCount());
    event.Type = EventType::MouseMove;
    event.ptMouse = POINT{109, 10};
    pPanel->Event(event);
    ExpectRect(pPanel->GetThumbRect(true), 106, 0, 110, 50);
    EXPECT_EQ(120, pPanel->GetFixedWidth());
    event.Type = EventType::ButtonUp;
    pPanel->Event(event);
    EXPECT_EQ(0, manager.GetPostPaintCount());

    // A press beside the handle is not a drag.
    event.Type = EventType::ButtonDown;
    event.ptMouse = POINT{50, 10};
    pPanel->Event(event);
    EXPECT_EQ(0, manager.GetPostPaintCount());
}
