// The paint manager's control services: name map and searches, timers and their platform
// ids, focus, synchronous and queued notifications, option groups, delayed clean-up, and
// ReapObjects leaving nothing that points at a deleted control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/controls/CContainerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/manager/INotifyUI.h"
#include "engine/render/CGdiplusSession.h"
#include "tests/support/CTestWindow.h"

#include "tests/engine/manager/PaintManagerPeer.h"

using namespace SkinUI;

namespace
{

struct Received
{
    std::wstring type;
    CControlUI* sender;
    WPARAM wParam;
};

class CRecorder : public INotifyUI
{
public:
    void Notify(tagTNotifyUI& msg) override
    {
        log.push_back(Received{msg.sType.GetData(), msg.pSender, msg.wParam});
    }
    std::vector<Received> log;
};

bool MarkDestroyed(void* pContext, void*)
{
    *static_cast<bool*>(pContext) = true;
    return true;
}

bool CountNotify(void* pContext, void*)
{
    ++*static_cast<int*>(pContext);
    return true;
}

CControlUI* NamedControl(const wchar_t* name)
{
    CControlUI* p = new CControlUI;
    p->SetName(name);
    return p;
}

// A window, its manager and a root container with three named children.
class ControlServices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_window.Get());
        m_manager.Init(m_window.Get(), L"test");
        m_window.Attach(&m_manager);
        m_root = new CContainerUI;
        m_root->SetName(L"root");
        m_a = NamedControl(L"a");
        m_b = NamedControl(L"b");
        m_c = NamedControl(L"Mixed");
        m_root->Add(m_a);
        m_root->Add(m_b);
        m_root->Add(m_c);
    }
    void TearDown() override { m_window.Attach(nullptr); }

    CTestWindow m_window;
    CPaintManagerUI m_manager;
    CContainerUI* m_root = nullptr;
    CControlUI* m_a = nullptr;
    CControlUI* m_b = nullptr;
    CControlUI* m_c = nullptr;
};

} // namespace

TEST_F(ControlServices, NameMapFilledWhenTheTreeIsAttached)
{
    EXPECT_EQ(nullptr, m_manager.FindControl(L"a")); // before AttachDialog
    ASSERT_TRUE(m_manager.AttachDialog(m_root));
    EXPECT_EQ(m_a, m_manager.FindControl(L"a"));
    EXPECT_EQ(m_root, m_manager.FindControl(L"root"));
    EXPECT_EQ(nullptr, m_manager.FindControl(L"mixed")); // the map is exact
    EXPECT_EQ(m_c, m_manager.FindSubControlByName(nullptr, L"MIXED"));
    EXPECT_EQ(m_root, m_a->GetParent());
    EXPECT_EQ(&m_manager, m_b->GetManager());

    // A child added later is entered; a renamed control keeps its old entry.
    CControlUI* late = NamedControl(L"late");
    m_root->Add(late);
    EXPECT_EQ(late, m_manager.FindControl(L"late"));
    m_b->SetName(L"renamed");
    EXPECT_EQ(m_b, m_manager.FindControl(L"b"));
    EXPECT_EQ(nullptr, m_manager.FindControl(L"renamed"));
    EXPECT_EQ(nullptr, m_manager.FindControl(nullptr));
}

TEST_F(ControlServices, FindByPointAndClass)
{
    m_manager.AttachDialog(m_root);
    m_root->SetPos(RECT{0, 0, 100, 100});
    POINT pt = {50, 50};
    EXPECT_EQ(m_c, m_manager.FindControl(pt)); // the topmost of three stacked children
    m_c->SetVisible(false);
    EXPECT_EQ(m_b, m_manager.FindControl(pt));
    EXPECT_EQ(m_a, m_manager.FindSubControlByClass(nullptr, L"controlui", 0));
    EXPECT_EQ(m_b, m_manager.FindSubControlByClass(nullptr, L"ControlUI", 1));
    EXPECT_EQ(3, m_manager.FindSubControlsByClass(nullptr, L"ControlUI")->GetSize());
    EXPECT_EQ(m_root, m_manager.FindSubControlByClass(nullptr, L"ContainerUI"));
}

TEST_F(ControlServices, TimerIdsStartAt17AndWrapAt240)
{
    m_manager.AttachDialog(m_root);
    std::vector<UINT> ids;
    for (UINT local = 0; local < 225; ++local)
        ASSERT_TRUE(m_manager.SetTimer(m_a, local, 100000)) << local;
    CControlUI* pControl = nullptr;
    UINT nLocal = 0;
    ASSERT_TRUE(m_manager.FindTimer(17, pControl, nLocal));
    EXPECT_EQ(m_a, pControl);
    EXPECT_EQ(0u, nLocal);
    ASSERT_TRUE(m_manager.FindTimer(239, pControl, nLocal));
    EXPECT_EQ(222u, nLocal);
    ASSERT_TRUE(m_manager.FindTimer(0, pControl, nLocal));
    EXPECT_EQ(223u, nLocal);
    ASSERT_TRUE(m_manager.FindTimer(1, pControl, nLocal));
    EXPECT_EQ(224u, nLocal);
    EXPECT_FALSE(m_manager.FindTimer(2, pControl, nLocal));
    m_manager.RemoveAllTimers();
}

TEST_F(ControlServices, RunningTimerRefusedKilledTimerRestartsWithItsId)
{
    m_manager.AttachDialog(m_root);
    ASSERT_TRUE(m_a->SetTimer(5, 100000));
    EXPECT_FALSE(m_a->SetTimer(5, 100000));
    ASSERT_TRUE(m_b->SetTimer(5, 100000)); // another control, another platform id
    CControlUI* pControl = nullptr;
    UINT nLocal = 0;
    ASSERT_TRUE(m_manager.FindTimer(17, pControl, nLocal));
    EXPECT_EQ(m_a, pControl);
    EXPECT_TRUE(m_a->KillTimer(5));
    EXPECT_FALSE(m_a->KillTimer(5));
    EXPECT_FALSE(m_manager.FindTimer(17, pControl, nLocal));
    ASSERT_TRUE(m_a->SetTimer(5, 100000));
    ASSERT_TRUE(m_manager.FindTimer(17, pControl, nLocal));
    EXPECT_EQ(m_a, pControl);
    ASSERT_TRUE(m_manager.FindTimer(18, pControl, nLocal));
    EXPECT_EQ(m_b, pControl);

    CControlUI loose;
    EXPECT_FALSE(loose.SetTimer(1, 10)); // no manager
}

TEST_F(ControlServices, FocusMovesWithNotifications)
{
    CRecorder rec;
    m_manager.AddNotifier(&rec);
    m_manager.AttachDialog(m_root);
    rec.log.clear();
    m_a->SetFocus();
    EXPECT_EQ(m_a, m_manager.GetFocus());
    EXPECT_TRUE(m_a->IsFocused());
    m_b->SetEnabled(false);
    m_b->SetFocus();
    EXPECT_EQ(nullptr, m_manager.GetFocus()); // a disabled control ends with no focus
    EXPECT_FALSE(m_a->IsFocused());
    EXPECT_EQ(m_a, m_manager.GetLastFocus());
    ASSERT_EQ(2u, rec.log.size());
    EXPECT_EQ(L"setfocus", rec.log[0].type);
    EXPECT_EQ(L"killfocus", rec.log[1].type);
    EXPECT_EQ(m_a, rec.log[1].sender);

    m_c->SetFocus();
    m_c->SetVisible(false); // hiding the focus clears it; showing does not restore it
    EXPECT_EQ(nullptr, m_manager.GetFocus());
    m_c->SetVisible(true);
    EXPECT_EQ(nullptr, m_manager.GetFocus());
    m_manager.RemoveNotifier(&rec);
}

TEST_F(ControlServices, SynchronousNotifyReachesSubscribersThenNotifiers)
{
    CRecorder rec;
    int nSubscriber = 0;
    m_manager.AttachDialog(m_root);
    m_manager.AddNotifier(&rec);
    m_a->OnNotify.Add(&CountNotify, &nSubscriber);
    m_manager.SendNotify(m_a, L"click", 7);
    EXPECT_EQ(1, nSubscriber);
    ASSERT_EQ(1u, rec.log.size());
    EXPECT_EQ(L"click", rec.log[0].type);
    EXPECT_EQ(7u, rec.log[0].wParam);
    EXPECT_TRUE(m_manager.RemoveNotifier(&rec));
    EXPECT_FALSE(m_manager.RemoveNotifier(&rec));
}

TEST_F(ControlServices, AsynchronousNotifyPostsOnceAndArrivesAfterThePost)
{
    CRecorder rec;
    m_manager.AttachDialog(m_root);
    m_manager.AddNotifier(&rec);
    m_manager.SendNotify(m_a, L"windowsize", 0, 0, true);
    m_manager.SendNotify(m_b, L"click", 1, 0, true);
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(1, m_window.TakeWakeUps()); // one wake-up for both
    m_manager.OnAsyncNotify();
    ASSERT_EQ(2u, rec.log.size());
    EXPECT_EQ(L"windowsize", rec.log[0].type);
    EXPECT_EQ(m_b, rec.log[1].sender);

    // After delivery the next queued notification posts again, and the window's handler
    // delivers it.
    rec.log.clear();
    m_manager.SendNotify(m_a, L"timer", 3, 0, true);
    m_window.DispatchWakeUps();
    ASSERT_EQ(1u, rec.log.size());
    EXPECT_EQ(3u, rec.log[0].wParam);
    m_manager.RemoveNotifier(&rec);
}

TEST_F(ControlServices, DeletedControlLeavesNoReferenceBehind)
{
    CRecorder rec;
    m_manager.AttachDialog(m_root);
    m_manager.AddNotifier(&rec);
    m_b->SetFocus();
    m_b->SetTimer(1, 100000);
    m_b->SetTimer(2, 100000);
    CPaintManagerUIPeer::SetInput(m_manager, m_b, m_b, m_b);
    m_manager.SetCapture();
    m_manager.AddPostPaint(m_b);
    m_manager.AddMouseLeaveNeeded(m_b);
    m_manager.AddOptionGroup(L"group", m_b);
    m_manager.AddOptionGroup(L"group", m_a);
    m_manager.SendNotify(m_b, L"click", 0, 0, true);
    m_b->SetName(L"renamed-after-attach");
    ASSERT_TRUE(CPaintManagerUIPeer::RefersTo(m_manager, m_b));

    CControlUI* pDead = m_b;
    bool bGone = false;
    m_b->OnDestroy.Add(&MarkDestroyed, &bGone);
    m_root->SetDelayedDestroy(false);
    ASSERT_TRUE(m_root->Remove(m_b));
    ASSERT_TRUE(bGone);
    m_manager.ReleaseCapture();

    EXPECT_FALSE(CPaintManagerUIPeer::RefersTo(m_manager, pDead));
    EXPECT_EQ(nullptr, m_manager.GetFocus());
    EXPECT_EQ(nullptr, m_manager.FindControl(L"b"));
    EXPECT_EQ(0, m_manager.GetPostPaintCount());
    ASSERT_NE(nullptr, m_manager.GetOptionGroup(L"group"));
    EXPECT_EQ(1, m_manager.GetOptionGroup(L"group")->GetSize());
    EXPECT_EQ(-1, m_manager.GetOptionGroup(L"group")->Find(pDead));

    // The queued notification still arrives, without its sender.
    rec.log.clear();
    EXPECT_EQ(1, CPaintManagerUIPeer::QueuedCount(m_manager));
    m_window.DispatchWakeUps();
    ASSERT_EQ(1u, rec.log.size());
    EXPECT_EQ(nullptr, rec.log[0].sender);
    m_manager.RemoveNotifier(&rec);
}

TEST_F(ControlServices, RemovalDuringOwnEventWaitsForTheWakeUp)
{
    m_manager.AttachDialog(m_root);
    bool bGone = false;
    m_a->OnDestroy.Add(&MarkDestroyed, &bGone);
    ASSERT_TRUE(m_root->Remove(m_a)); // delayed destroy is on by default
    EXPECT_FALSE(bGone);
    EXPECT_EQ(2, m_root->GetCount());
    EXPECT_EQ(nullptr, m_a->GetParent());
    m_window.DispatchWakeUps();
    EXPECT_TRUE(bGone);

    // Removed, then attached again before the wake-up: it stays.
    bool bBack = false;
    m_c->OnDestroy.Add(&MarkDestroyed, &bBack);
    ASSERT_TRUE(m_root->Remove(m_c));
    ASSERT_TRUE(m_root->Add(m_c));
    m_window.DispatchWakeUps();
    EXPECT_FALSE(bBack);
    EXPECT_EQ(m_root, m_c->GetParent());

    bool bKept = false;
    m_b->OnDestroy.Add(&MarkDestroyed, &bKept);
    ASSERT_TRUE(m_root->RemoveAt(0, true));
    m_window.DispatchWakeUps();
    EXPECT_FALSE(bKept);
    delete m_b;
    EXPECT_TRUE(bKept);
}

TEST_F(ControlServices, ReplacedRootIsDeletedAtTheNextWakeUp)
{
    m_manager.AttachDialog(m_root);
    bool bOldGone = false;
    m_root->OnDestroy.Add(&MarkDestroyed, &bOldGone);
    CContainerUI* newRoot = new CContainerUI;
    newRoot->Add(NamedControl(L"fresh"));
    ASSERT_TRUE(m_manager.AttachDialog(newRoot));
    EXPECT_FALSE(bOldGone);
    EXPECT_EQ(newRoot, m_manager.GetRoot());
    m_window.DispatchWakeUps();
    EXPECT_TRUE(bOldGone);
    EXPECT_NE(nullptr, m_manager.FindControl(L"fresh"));
}

TEST_F(ControlServices, OptionGroupsAndLists)
{
    m_manager.AttachDialog(m_root);
    EXPECT_TRUE(m_manager.AddOptionGroup(L"g", m_a));
    EXPECT_FALSE(m_manager.AddOptionGroup(L"g", m_a));
    EXPECT_TRUE(m_manager.AddOptionGroup(L"g", m_b));
    EXPECT_EQ(2, m_manager.GetOptionGroup(L"g")->GetSize());
    m_manager.RemoveOptionGroup(L"g", m_a);
    m_manager.RemoveOptionGroup(L"g", m_b);
    EXPECT_EQ(nullptr, m_manager.GetOptionGroup(L"g"));

    EXPECT_TRUE(m_manager.AddMouseLeaveNeeded(m_a));
    EXPECT_FALSE(m_manager.AddMouseLeaveNeeded(m_a));
    EXPECT_TRUE(m_manager.RemoveMouseLeaveNeeded(m_a));
    EXPECT_FALSE(m_manager.RemoveMouseLeaveNeeded(m_a));
    EXPECT_TRUE(m_manager.AddPostPaint(m_a));
    EXPECT_TRUE(m_manager.AddPostPaint(m_b));
    EXPECT_TRUE(m_manager.SetPostPaintIndex(m_b, 0));
    EXPECT_TRUE(m_manager.RemovePostPaint(m_a));
    EXPECT_EQ(1, m_manager.GetPostPaintCount());
}

TEST_F(ControlServices, InvalidationOnlyWhenSomethingChanged)
{
    ::ShowWindow(m_window.Get(), SW_SHOWNA); // update regions of a shown window
    m_manager.AttachDialog(m_root);
    m_root->SetPos(RECT{0, 0, 100, 50});
    m_a->SetText(L"same");
    ::ValidateRect(m_window.Get(), nullptr);
    m_a->SetText(L"same");
    EXPECT_FALSE(::GetUpdateRect(m_window.Get(), nullptr, FALSE));
    m_a->SetText(L"other");
    RECT rc = {};
    EXPECT_TRUE(::GetUpdateRect(m_window.Get(), &rc, FALSE));
    ::ValidateRect(m_window.Get(), nullptr);

    // A control outside every ancestor's rectangle invalidates nothing.
    m_a->SetPos(RECT{200, 200, 220, 220}, false);
    ::ValidateRect(m_window.Get(), nullptr);
    m_a->Invalidate();
    EXPECT_FALSE(::GetUpdateRect(m_window.Get(), nullptr, FALSE));

    m_manager.NeedUpdate();
    EXPECT_TRUE(m_manager.IsUpdateNeeded());
}

// A control someone still holds outlives the manager that held its tree, and the clean-up
// that released it: it and its children forget the manager, so changing or releasing the
// survivor later touches nothing that is gone.
TEST(ControlServicesLifetime, HeldControlsForgetTheManagerThatLetThemGo)
{
    CTestWindow window;
    ASSERT_NE(nullptr, window.Get());
    CContainerUI* held = new CContainerUI;
    CControlUI* inner = NamedControl(L"inner");
    held->Add(inner);
    CControlUI* removed = NamedControl(L"removed");
    bool bRemovedGone = false;
    removed->OnDestroy.Add(&MarkDestroyed, &bRemovedGone);
    {
        CPaintManagerUI manager;
        manager.Init(window.Get(), L"lifetime");
        window.Attach(&manager);
        CContainerUI* root = new CContainerUI;
        root->Add(held);
        root->Add(removed);
        ASSERT_TRUE(manager.AttachDialog(root));
        held->__AddRef();
        removed->__AddRef();
        inner->SetFocus();
        manager.SetTimer(inner, 7, 1000);
        root->SetDelayedDestroy(true);
        root->Remove(removed); // into the delayed clean-up, still held by the test
        window.Attach(nullptr);
    }
    EXPECT_EQ(nullptr, held->GetManager());
    EXPECT_EQ(nullptr, held->GetParent());
    EXPECT_EQ(nullptr, inner->GetManager());
    EXPECT_EQ(held, inner->GetParent());
    EXPECT_EQ(nullptr, removed->GetManager());
    EXPECT_FALSE(bRemovedGone);
    held->SetText(L"changed"); // would invalidate through the old manager
    inner->SetFocus();
    held->__ReleaseRef();
    removed->__ReleaseRef();
    EXPECT_TRUE(bRemovedGone);
}

TEST(ControlServicesNoWindow, ManagerWithoutWindowIsHarmless)
{
    CPaintManagerUI manager;
    EXPECT_TRUE(CPaintManagerUIPeer::HoldsGdiplus(manager)); // DrawColor and DrawRect need it
    CContainerUI* root = new CContainerUI;
    CControlUI* child = new CControlUI;
    root->Add(child);
    EXPECT_FALSE(manager.AttachDialog(nullptr));
    EXPECT_TRUE(manager.AttachDialog(root));
    EXPECT_FALSE(manager.SetTimer(child, 1, 10)); // no window: no record
    RECT rc = {-5, -5, -10, 3};
    manager.Invalidate(rc);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.right);
    manager.SendNotify(child, L"queued", 0, 0, true);
    manager.OnAsyncNotify();
    EXPECT_FALSE(manager.InitControls(nullptr));
}

namespace
{

// Counts the frames and ends of its animations.
class CAnimatedControl : public CControlUI
{
public:
    void OnAnimationStep(int nTotal, int nFrame, int nId) override
    {
        frames.push_back(nFrame);
        CControlUI::OnAnimationStep(nTotal, nFrame, nId);
    }
    void OnAnimationStop(int nId) override
    {
        ++stops;
        CControlUI::OnAnimationStop(nId);
    }
    std::vector<int> frames;
    int stops = 0;
};

void Tick(CControlUI* p, UINT nId)
{
    tagTEventUI e = {};
    e.Type = EventType::Timer;
    e.wParam = nId;
    p->Event(e);
}

} // namespace

TEST_F(ControlServices, AnimationsRunOnControlTimers)
{
    CRecorder rec;
    m_manager.AddNotifier(&rec);
    CAnimatedControl* anim = new CAnimatedControl;
    m_root->Add(anim);
    m_manager.AttachDialog(m_root);
    ASSERT_TRUE(anim->StartAnimation(10, 3, 42));
    EXPECT_FALSE(anim->StartAnimation(10, 3, 42)); // already running
    CControlUI* pControl = nullptr;
    UINT nLocal = 0;
    ASSERT_TRUE(m_manager.FindTimer(17, pControl, nLocal));
    EXPECT_EQ(anim, pControl);
    EXPECT_EQ(42u, nLocal);
    for (int i = 0; i < 3; ++i)
        Tick(anim, 42);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), anim->frames);
    EXPECT_EQ(1, anim->stops);
    EXPECT_FALSE(anim->IsAnimationRunning(42));
    EXPECT_FALSE(m_manager.FindTimer(17, pControl, nLocal)); // its timer is killed
    ASSERT_EQ(3u, rec.log.size());                           // each tick is also a "timer"
    EXPECT_EQ(L"timer", rec.log[0].type);
    EXPECT_EQ(42u, rec.log[2].wParam);
    Tick(anim, 42); // a late tick of a stopped animation changes nothing
    EXPECT_EQ(3u, anim->frames.size());
    m_manager.RemoveNotifier(&rec);
}

TEST_F(ControlServices, ScaledHideAnimationShrinksTheEstimateThenHides)
{
    m_manager.AttachDialog(m_root);
    m_a->SetAttribute(L"animation", L"scalevertical");
    m_a->SetFrameCount(4);
    m_a->SetFixedWidth(40);
    m_a->SetFixedHeight(20);
    m_a->SetPaneVisible(false);
    EXPECT_TRUE(m_a->IsAnimationRunning(AnimIdHide));
    Tick(m_a, AnimIdHide);
    EXPECT_EQ(40, m_a->EstimateSize(SIZE{}).cx);
    EXPECT_EQ(15, m_a->EstimateSize(SIZE{}).cy);
    for (int i = 0; i < 3; ++i)
        Tick(m_a, AnimIdHide);
    EXPECT_FALSE(m_a->IsAnimationRunning(AnimIdHide));
    EXPECT_FALSE(m_a->IsPaneVisible());
    EXPECT_FALSE(m_a->IsVisible());

    m_a->SetPaneVisible(true);
    EXPECT_TRUE(m_a->IsVisible());
    for (int i = 0; i < 4; ++i)
        Tick(m_a, AnimIdShow);
    EXPECT_EQ(20, m_a->EstimateSize(SIZE{}).cy);
}

// A manager without a window has no timers: a scaled pane then hides or shows at once
// instead of never hiding or staying one pixel high.
TEST(ControlServicesNoWindow, ScaledPaneWithoutATimerGoesStraightToItsEndState)
{
    CPaintManagerUI manager;
    CControlUI c;
    c.SetManager(&manager, nullptr, false);
    c.SetAttribute(L"animation", L"scalevertical");
    c.SetFixedWidth(40);
    c.SetFixedHeight(20);
    c.SetPaneVisible(false);
    EXPECT_FALSE(c.IsAnimationRunning(AnimIdHide));
    EXPECT_FALSE(c.IsPaneVisible());
    EXPECT_FALSE(c.IsVisible());
    c.SetPaneVisible(true);
    EXPECT_TRUE(c.IsVisible());
    EXPECT_EQ(20, c.EstimateSize(SIZE{}).cy);
    c.SetManager(nullptr, nullptr, false);
}

TEST_F(ControlServices, SizeSettersRequestALayoutColourSettersRepaint)
{
    m_manager.AttachDialog(m_root);
    m_root->SetPos(RECT{0, 0, 100, 50});
    EXPECT_FALSE(m_root->IsUpdateNeeded());
    m_a->SetFixedWidth(30);
    EXPECT_TRUE(m_root->IsUpdateNeeded()); // the parent lays out again
    EXPECT_TRUE(m_manager.IsUpdateNeeded());
    m_root->SetPos(RECT{0, 0, 100, 50});
    EXPECT_FALSE(m_root->IsUpdateNeeded());
    m_a->SetBkColor(0xFF102030);
    EXPECT_FALSE(m_root->IsUpdateNeeded());
}

TEST_F(ControlServices, DefaultEventsNotifyOrGoToTheParent)
{
    // Records what reaches its own DoEvent from its children.
    class CParent : public CContainerUI
    {
    public:
        void DoEvent(tagTEventUI& e) override
        {
            seen.push_back(e.Type);
            CContainerUI::DoEvent(e);
        }
        std::vector<EventType> seen;
    };
    CRecorder rec;
    m_manager.AddNotifier(&rec);
    CParent* parent = new CParent;
    CControlUI* child = new CControlUI;
    parent->Add(child);
    m_root->Add(parent);
    m_manager.AttachDialog(m_root);

    tagTEventUI e = {};
    e.Type = EventType::KeyDown;
    child->Event(e);
    e.Type = EventType::ContextMenu;
    child->Event(e); // no context menu: to the parent as well
    child->SetContextMenuUsed(true);
    e.wParam = 9;
    child->Event(e);
    EXPECT_EQ((std::vector<EventType>{EventType::KeyDown, EventType::ContextMenu}), parent->seen);
    ASSERT_EQ(1u, rec.log.size());
    EXPECT_EQ(L"menu", rec.log[0].type);
    EXPECT_EQ(9u, rec.log[0].wParam);
    m_manager.RemoveNotifier(&rec);
}

namespace
{

class CTabStop : public CControlUI
{
public:
    UINT GetControlFlags() const override { return FlagTabStop; }
};

} // namespace

TEST_F(ControlServices, TabOrderWrapsBothWays)
{
    CContainerUI* group = new CContainerUI;
    CTabStop* t1 = new CTabStop;
    CTabStop* t2 = new CTabStop;
    CTabStop* t3 = new CTabStop;
    CTabStop* hidden = new CTabStop;
    group->Add(t2);
    group->Add(hidden);
    m_root->Add(t1);
    m_root->Add(group);
    m_root->Add(t3);
    m_manager.AttachDialog(m_root);
    hidden->SetVisible(false);

    // A layout is pending after attaching: the move waits for the paint.
    EXPECT_TRUE(m_manager.SetNextTabControl(true));
    EXPECT_EQ(nullptr, m_manager.GetFocus());
    CPaintManagerUIPeer::LayoutDone(m_manager);

    m_manager.SetNextTabControl(true);
    EXPECT_EQ(t1, m_manager.GetFocus());
    m_manager.SetNextTabControl(true);
    EXPECT_EQ(t2, m_manager.GetFocus()); // into the group, skipping the hidden one next
    m_manager.SetNextTabControl(true);
    EXPECT_EQ(t3, m_manager.GetFocus());
    m_manager.SetNextTabControl(true);
    EXPECT_EQ(t1, m_manager.GetFocus()); // wraps to the first
    m_manager.SetNextTabControl(false);
    EXPECT_EQ(t3, m_manager.GetFocus()); // from the first back to the last
    m_manager.SetNextTabControl(false);
    EXPECT_EQ(t2, m_manager.GetFocus());

    // Focus wanted for t3 while a layout is pending: t2 holds it quietly until the paint.
    m_manager.SetFocusNeeded(t3);
    EXPECT_EQ(t2, m_manager.GetFocus());
    EXPECT_TRUE(m_manager.IsUpdateNeeded());
    CPaintManagerUIPeer::LayoutDone(m_manager);
    m_manager.SetNextTabControl(true);
    EXPECT_EQ(t3, m_manager.GetFocus());
    EXPECT_TRUE(t3->IsFocused());
}
