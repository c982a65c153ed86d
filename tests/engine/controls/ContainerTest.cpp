// CContainerUI: children and their ownership, visibility passed down, the size estimate,
// placement of normal and floating children, and FindControl with every search flag.
#include <gtest/gtest.h>

#include <vector>

#include "engine/controls/CContainerUI.h"
#include "tests/support/ExpectRect.h"

using namespace SkinUI;

namespace
{

// Records its destruction through the destroy subscribers.
bool MarkDestroyed(void* pContext, void*)
{
    *static_cast<bool*>(pContext) = true;
    return true;
}

CControlUI* Watched(bool& bDestroyed)
{
    CControlUI* p = new CControlUI;
    p->OnDestroy.Add(&MarkDestroyed, &bDestroyed);
    return p;
}

CControlUI* Sized(int cx, int cy)
{
    CControlUI* p = new CControlUI;
    p->SetFixedWidth(cx);
    p->SetFixedHeight(cy);
    return p;
}

struct Visit
{
    std::vector<CControlUI*> order;
    CControlUI* accept = nullptr;
};

CControlUI* CALLBACK RecordVisit(CControlUI* p, void* pData)
{
    Visit* v = static_cast<Visit*>(pData);
    v->order.push_back(p);
    return p == v->accept ? p : nullptr;
}

CControlUI* CALLBACK AcceptAny(CControlUI* p, void*)
{
    return p;
}

} // namespace

TEST(ContainerChildren, RefusesNullStrangersAndItself)
{
    CContainerUI c;
    CControlUI* a = new CControlUI;
    ASSERT_TRUE(c.Add(a));
    CControlUI stranger;
    EXPECT_FALSE(c.Add(nullptr));
    EXPECT_FALSE(c.AddAt(nullptr, 0));
    EXPECT_FALSE(c.Add(&c));
    EXPECT_FALSE(c.Add(a)); // already a child
    EXPECT_FALSE(c.Remove(&stranger));
    EXPECT_FALSE(c.Remove(nullptr));
    EXPECT_FALSE(c.RemoveAt(5));
    CControlUI* orphan = new CControlUI;
    EXPECT_FALSE(c.AddAt(orphan, &stranger));
    delete orphan;
    EXPECT_EQ(1, c.GetCount());
    EXPECT_EQ(nullptr, c.GetItemAt(1));
    EXPECT_EQ(nullptr, c.GetItemAt(-1));
    EXPECT_EQ(-1, c.GetItemIndex(&stranger));
    EXPECT_EQ(a, c.GetItemAt(0));
}

TEST(ContainerChildren, OrderOperations)
{
    CContainerUI c;
    CControlUI* a = new CControlUI;
    CControlUI* b = new CControlUI;
    CControlUI* d = new CControlUI;
    c.Add(a);
    c.Add(b);
    EXPECT_TRUE(c.AddAt(d, b));
    EXPECT_EQ(1, c.GetItemIndex(d));
    EXPECT_TRUE(c.SetItemIndex(a, 2));
    EXPECT_EQ(d, c.GetItemAt(0));
    EXPECT_EQ(b, c.GetItemAt(1));
    EXPECT_EQ(a, c.GetItemAt(2));
    EXPECT_FALSE(c.SetItemIndex(a, 3));
}

TEST(ContainerChildren, RemovalWithoutManagerDeletesAtOnceUnlessKeptAlive)
{
    bool bGone1 = false, bGone2 = false;
    CContainerUI c;
    CControlUI* p1 = Watched(bGone1);
    CControlUI* p2 = Watched(bGone2);
    c.Add(p1);
    c.Add(p2);
    EXPECT_TRUE(c.Remove(p1));
    EXPECT_TRUE(bGone1);
    EXPECT_TRUE(c.RemoveAt(0, true));
    EXPECT_FALSE(bGone2);
    EXPECT_EQ(0, c.GetCount());
    delete p2;
}

TEST(ContainerChildren, HeldChildOutlivesItsContainer)
{
    bool bGone = false;
    CControlUI* p = Watched(bGone);
    {
        CContainerUI c;
        c.Add(p);
        p->SetManager(nullptr, &c, false);
        p->__AddRef();
    }
    EXPECT_FALSE(bGone);
    EXPECT_EQ(nullptr, p->GetParent()); // no dangling parent
    p->__ReleaseRef();
    EXPECT_TRUE(bGone);
}

// A control has one owner: a child of another container, or one of the container's own
// ancestors, is refused (both would end in a double delete or an endless walk). A child
// removed without being released is free to join another container.
TEST(ContainerChildren, ChildOfAnotherContainerOrAnAncestorIsRefused)
{
    CContainerUI a;
    CContainerUI b;
    CContainerUI* mid = new CContainerUI;
    CControlUI* leaf = new CControlUI;
    ASSERT_TRUE(a.Add(mid));
    ASSERT_TRUE(mid->Add(leaf));
    EXPECT_EQ(mid, leaf->GetParent());

    EXPECT_FALSE(b.Add(leaf));
    EXPECT_EQ(0, b.GetCount());
    EXPECT_FALSE(mid->Add(&a));
    EXPECT_FALSE(mid->AddAt(&a, 0));
    EXPECT_EQ(1, mid->GetCount());
    EXPECT_EQ(nullptr, a.GetParent());

    EXPECT_TRUE(mid->Remove(leaf, true));
    EXPECT_EQ(nullptr, leaf->GetParent());
    EXPECT_TRUE(b.Add(leaf));
    EXPECT_EQ(&b, leaf->GetParent());
}

TEST(ContainerChildren, NestedTreeIsDeletedWithItsRoot)
{
    bool bLeaf = false;
    CContainerUI* root = new CContainerUI;
    CContainerUI* mid = new CContainerUI;
    root->Add(mid);
    mid->Add(Watched(bLeaf));
    root->__ReleaseRef();
    EXPECT_TRUE(bLeaf);
}

TEST(ContainerVisibility, HidingPassesDownAndShowingRestoresOwnFlags)
{
    CContainerUI c;
    CControlUI* shown = new CControlUI;
    CControlUI* hidden = new CControlUI;
    c.Add(shown);
    c.Add(hidden);
    hidden->SetVisible(false);
    c.SetVisible(false);
    EXPECT_FALSE(shown->IsVisible());
    EXPECT_FALSE(hidden->IsVisible());
    c.SetVisible(true);
    EXPECT_TRUE(shown->IsVisible());
    EXPECT_FALSE(hidden->IsVisible());

    // A child added to a hidden container starts internally invisible.
    c.SetVisible(false);
    CControlUI* late = new CControlUI;
    c.Add(late);
    EXPECT_FALSE(late->IsVisible());
    c.SetVisible(true);
    EXPECT_TRUE(late->IsVisible());
}

TEST(ContainerVisibility, EnablingPassesDownMouseEnablingDoesNot)
{
    CContainerUI c;
    CControlUI* child = new CControlUI;
    c.Add(child);
    c.SetEnabled(false);
    EXPECT_FALSE(child->IsEnabled());
    c.SetEnabled(true);
    EXPECT_TRUE(child->IsEnabled());
    c.SetMouseEnabled(false);
    EXPECT_TRUE(child->IsMouseEnabled());
}

TEST(ContainerEstimate, AutoWidthSumsChildrenPaddingAndInset)
{
    CContainerUI c;
    c.Add(Sized(10, 5));
    c.Add(Sized(20, 5));
    c.Add(Sized(30, 5));
    c.SetChildPadding(5);
    c.SetInset(RECT{2, 0, 2, 0});
    c.SetAutoCalcWidth(true);
    SIZE sz = c.EstimateSize(SIZE{500, 500});
    EXPECT_EQ(74, sz.cx);
    EXPECT_EQ(0, sz.cy);

    // Hidden children and their gaps drop out; child padding counts.
    CControlUI* padded = Sized(4, 4);
    padded->SetPadding(RECT{1, 0, 3, 0});
    c.Add(padded);
    c.GetItemAt(0)->SetVisible(false);
    sz = c.EstimateSize(SIZE{500, 500});
    EXPECT_EQ(20 + 30 + (1 + 4 + 3) + 2 * 5 + 4, sz.cx);

    CContainerUI fixed;
    fixed.SetFixedWidth(33);
    fixed.Add(Sized(10, 10));
    EXPECT_EQ(33, fixed.EstimateSize(SIZE{0, 0}).cx);
}

TEST(ContainerLayout, NormalChildrenFillTheClientRectangleWithinTheirLimits)
{
    CContainerUI c;
    c.SetInset(RECT{5, 6, 7, 8});
    CControlUI* a = new CControlUI;
    CControlUI* b = new CControlUI;
    b->SetMaxWidth(20);
    b->SetMinHeight(200);
    c.Add(a);
    c.Add(b);
    c.SetPos(RECT{10, 10, 110, 60});
    ExpectRect(c.GetClientPos(), 15, 16, 103, 52);
    ExpectRect(a->GetPos(), 15, 16, 103, 52);
    ExpectRect(b->GetPos(), 15, 16, 35, 216);
    a->SetManager(nullptr, &c, false); // without a manager Add leaves the parent unset
    ExpectRect(a->GetRelativePos(), 5, 6, 93, 42);
}

TEST(ContainerLayout, FloatingChildrenAllThreeWays)
{
    CContainerUI c;
    CControlUI* aligned = Sized(20, 10);
    aligned->SetFloat(true);
    aligned->SetFloatAlign(0x1 | 0x8); // centre, bottom
    CControlUI* percent = Sized(5, 6);
    percent->SetFloat(true);
    percent->SetFixedXY(SIZE{1, 2});
    percent->SetFloatPercent(tagTPercentInfo{0.5, 0.25, 0.5, 0.5});
    CControlUI* fixed = Sized(0, 7);
    fixed->SetFloat(true);
    fixed->SetFixedXY(SIZE{0, 3});
    fixed->SetFloatPosition(POINT{10, 90});
    fixed->SetFixedWidthPercent(25);
    c.Add(aligned);
    c.Add(percent);
    c.Add(fixed);
    c.SetPos(RECT{100, 200, 300, 300}); // 200 x 100

    ExpectRect(aligned->GetPos(), 100 + 90, 200 + 90, 100 + 110, 200 + 100);
    ExpectRect(percent->GetPos(), 100 + 100 + 1, 200 + 25 + 2, 100 + 100 + 5 + 1, 200 + 50 + 6 + 2);
    // x from the float position (fixed x is 0); y keeps its fixed 3 (float y ignored then);
    // the width from the width percent.
    ExpectRect(fixed->GetPos(), 100 + 20, 200 + 3, 100 + 20 + 50, 200 + 3 + 7);
}

TEST(ContainerFind, FlagsFilterAndOrderTheSearch)
{
    CContainerUI c;
    CControlUI* a = new CControlUI;
    CControlUI* b = new CControlUI;
    c.Add(a);
    c.Add(b);

    Visit v;
    c.FindControl(RecordVisit, &v, 0);
    EXPECT_EQ((std::vector<CControlUI*>{a, b, &c}), v.order);

    v = Visit();
    c.FindControl(RecordVisit, &v, FindMeFirst);
    EXPECT_EQ((std::vector<CControlUI*>{&c, a, b}), v.order);

    v = Visit();
    c.FindControl(RecordVisit, &v, FindTopFirst);
    EXPECT_EQ((std::vector<CControlUI*>{b, a, &c}), v.order);

    v = Visit();
    v.accept = &c;
    EXPECT_EQ(nullptr, c.FindControl(RecordVisit, &v, FindUpdateTest));
    EXPECT_EQ((std::vector<CControlUI*>{&c}), v.order); // children skipped

    a->SetVisible(false);
    b->SetEnabled(false);
    v = Visit();
    c.FindControl(RecordVisit, &v, FindVisible | FindEnabled);
    EXPECT_EQ((std::vector<CControlUI*>{&c}), v.order);
    v = Visit();
    c.FindControl(RecordVisit, &v, FindVisible);
    EXPECT_EQ((std::vector<CControlUI*>{b, &c}), v.order);
}

TEST(ContainerFind, HitTestOnlyInsideTheClientRectangleUnlessFloating)
{
    CContainerUI c;
    c.SetInset(RECT{10, 10, 10, 10});
    CControlUI* inside = new CControlUI;
    CControlUI* edge = new CControlUI;
    CControlUI* floating = new CControlUI;
    floating->SetFloat(true);
    c.Add(edge);
    c.Add(inside);
    c.Add(floating);
    c.SetPos(RECT{0, 0, 100, 100});
    edge->SetPos(RECT{0, 0, 100, 10}); // in the inset band
    inside->SetPos(RECT{20, 20, 40, 40});
    floating->SetPos(RECT{0, 90, 100, 100}); // in the inset band too

    POINT pt = {30, 30};
    EXPECT_EQ(inside, c.FindControl(AcceptAny, &pt, FindVisible | FindHitTest | FindTopFirst));
    pt = POINT{50, 5};
    EXPECT_EQ(&c, c.FindControl(AcceptAny, &pt, FindVisible | FindHitTest | FindTopFirst));
    pt = POINT{50, 95};
    EXPECT_EQ(floating, c.FindControl(AcceptAny, &pt, FindVisible | FindHitTest | FindTopFirst));
    pt = POINT{150, 50};
    EXPECT_EQ(nullptr, c.FindControl(AcceptAny, &pt, FindHitTest));

    // Mouse-disabled children are passed over; a container without mouse-children hides them.
    pt = POINT{30, 30};
    inside->SetMouseEnabled(false);
    EXPECT_EQ(&c, c.FindControl(AcceptAny, &pt, FindHitTest));
    inside->SetMouseEnabled(true);
    c.SetMouseChildEnabled(false);
    EXPECT_EQ(&c, c.FindControl(AcceptAny, &pt, FindHitTest));
    c.SetMouseChildEnabled(true);
    c.SetMouseEnabled(false);
    EXPECT_EQ(inside, c.FindControl(AcceptAny, &pt, FindHitTest));
    pt = POINT{50, 5};
    EXPECT_EQ(nullptr, c.FindControl(AcceptAny, &pt, FindHitTest));
}
