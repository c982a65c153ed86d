// Message maps: which entry a notification reaches (named before unnamed, the last unnamed one,
// exact type), the two handler signatures, the map chain, virtual windows, and handlers of a
// frame (two CNotifyPump bases) called on the right object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/window/CNotifyPump.h"
#include "engine/window/CUIFrameWnd.h"
#include "engine/window/CUIFrmBase.h"

using namespace SkinUI;

namespace
{

class CMapPump : public CNotifyPump
{
    UI_DECLARE_MESSAGE_MAP()
public:
    std::vector<std::string> calls;
    void OnAnyClick(tagTNotifyUI&) { calls.push_back("any1"); }
    void OnAnyClick2(tagTNotifyUI&) { calls.push_back("any2"); }
    void OnOkClick(tagTNotifyUI&) { calls.push_back("ok"); }
    void OnCancelClick(tagTNotifyUI&) { calls.push_back("cancel"); }
    void OnTimer(WPARAM w, LPARAM l)
    {
        calls.push_back("timer " + std::to_string(w) + "," + std::to_string(l));
    }
};

UI_BEGIN_MESSAGE_MAP(CMapPump, CNotifyPump)
UI_ON_MSGTYPE(L"click", CMapPump::OnAnyClick)
UI_ON_CLICK_CTRNAME(L"ok", CMapPump::OnOkClick)
UI_ON_MSGTYPE(L"click", CMapPump::OnAnyClick2)
UI_ON_CLICK_CTRNAME(L"cancel", CMapPump::OnCancelClick)
UI_ON_MSGTYPE_LWL(L"timer", CMapPump::OnTimer)
UI_END_MESSAGE_MAP()

class CDerivedPump : public CMapPump
{
    UI_DECLARE_MESSAGE_MAP()
public:
    void OnDerivedClick(tagTNotifyUI&) { calls.push_back("derived"); }
};

UI_BEGIN_MESSAGE_MAP(CDerivedPump, CMapPump)
UI_ON_MSGTYPE(L"click", CDerivedPump::OnDerivedClick)
UI_END_MESSAGE_MAP()

class CEmptyPump : public CNotifyPump
{
};

tagTNotifyUI Notify(const wchar_t* type, CControlUI* sender, WPARAM w = 0, LPARAM l = 0)
{
    tagTNotifyUI msg;
    msg.sType = type;
    msg.pSender = sender;
    msg.wParam = w;
    msg.lParam = l;
    return msg;
}

struct Senders
{
    Senders()
    {
        ok.SetName(L"ok");
        cancel.SetName(L"cancel");
        other.SetName(L"other");
    }
    CControlUI ok, cancel, other;
};

} // namespace

TEST(MessageMapDispatch, NamedEntryWinsWhereverItStands)
{
    Senders s;
    CMapPump pump;
    tagTNotifyUI msg = Notify(L"click", &s.ok);
    EXPECT_TRUE(pump.LoopDispatch(msg));
    msg = Notify(L"click", &s.cancel);
    EXPECT_TRUE(pump.LoopDispatch(msg));
    EXPECT_EQ((std::vector<std::string>{"ok", "cancel"}), pump.calls);
}

TEST(MessageMapDispatch, WithoutANamedEntryTheLastUnnamedOneIsTaken)
{
    Senders s;
    CMapPump pump;
    tagTNotifyUI msg = Notify(L"click", &s.other);
    EXPECT_TRUE(pump.LoopDispatch(msg));
    msg = Notify(L"click", nullptr);
    EXPECT_TRUE(pump.LoopDispatch(msg));
    EXPECT_EQ((std::vector<std::string>{"any2", "any2"}), pump.calls);
}

TEST(MessageMapDispatch, TypesMatchExactlyAndUnknownTypesReachNothing)
{
    Senders s;
    CMapPump pump;
    tagTNotifyUI msg = Notify(L"Click", &s.ok);
    EXPECT_FALSE(pump.LoopDispatch(msg));
    msg = Notify(L"selectchanged", &s.ok);
    EXPECT_FALSE(pump.LoopDispatch(msg));
    msg = Notify(L"", nullptr);
    EXPECT_FALSE(pump.LoopDispatch(msg));
    EXPECT_TRUE(pump.calls.empty());
    CEmptyPump empty;
    msg = Notify(L"click", &s.ok);
    EXPECT_FALSE(empty.LoopDispatch(msg));
}

TEST(MessageMapDispatch, SignatureOneHandlersGetTheParameters)
{
    CMapPump pump;
    tagTNotifyUI msg = Notify(L"timer", nullptr, 7, -3);
    EXPECT_TRUE(pump.LoopDispatch(msg));
    EXPECT_EQ((std::vector<std::string>{"timer 7,-3"}), pump.calls);
}

TEST(MessageMapDispatch, TheMostDerivedMapIsSearchedFirstThenItsBase)
{
    Senders s;
    CDerivedPump pump;
    tagTNotifyUI msg = Notify(L"click", &s.ok);
    EXPECT_TRUE(pump.LoopDispatch(msg)); // the derived map's unnamed entry matches first
    msg = Notify(L"timer", nullptr, 1, 2);
    EXPECT_TRUE(pump.LoopDispatch(msg)); // only the base map knows "timer"
    EXPECT_EQ((std::vector<std::string>{"derived", "timer 1,2"}), pump.calls);
}

TEST(MessageMapVirtualWindows, TheNamedPumpTriesFirstThenTheOwnMap)
{
    Senders s;
    CMapPump outer;
    CDerivedPump inner;
    CEmptyPump silent;
    EXPECT_TRUE(outer.AddVirtualWnd(L"Inner", &inner));
    EXPECT_FALSE(outer.AddVirtualWnd(L"Inner", &silent));
    EXPECT_FALSE(outer.AddVirtualWnd(L"", &silent));
    EXPECT_FALSE(outer.AddVirtualWnd(L"x", nullptr));
    EXPECT_TRUE(outer.AddVirtualWnd(L"silent", &silent));

    tagTNotifyUI msg = Notify(L"click", &s.ok);
    msg.sVirtualWnd = L"inner"; // compared without regard to case
    outer.NotifyPump(msg);
    EXPECT_EQ((std::vector<std::string>{"derived"}), inner.calls);
    EXPECT_TRUE(outer.calls.empty());

    msg.sVirtualWnd = L"SILENT"; // that pump has no entry: this pump's own map runs
    outer.NotifyPump(msg);
    EXPECT_EQ((std::vector<std::string>{"ok"}), outer.calls);

    EXPECT_TRUE(outer.RemoveVirtualWnd(L"Inner"));
    EXPECT_FALSE(outer.RemoveVirtualWnd(L"Inner"));
    msg.sVirtualWnd = L"inner";
    outer.NotifyPump(msg);
    EXPECT_EQ(1u, inner.calls.size());
    EXPECT_EQ(2u, outer.calls.size());
}

namespace
{

// Overrides typed handlers of the frame base: the base map's entries reach them.
class CTypedForm : public CUIFrmBase
{
public:
    std::vector<std::string> calls;
    void OnNotifyClick(tagTNotifyUI&) override { calls.push_back("click"); }
    void OnNotifyWindowPrepare(tagTNotifyUI&) override { calls.push_back("windowinit"); }
    void OnNotifySciNotify(tagTNotifyUI&) override { calls.push_back("scinotify"); }
    void OnNotityGridGetDispInfo(tagTNotifyUI&) override { calls.push_back("gridgetdispinfo"); }
};

// A frame with its own map: the handlers must run on the frame object, reached through the
// frame's CUIFrmBase part although the frame has two CNotifyPump bases.
class CMappedFrame : public CUIFrameWnd
{
    UI_DECLARE_MESSAGE_MAP()
public:
    const wchar_t* GetWndClassName() const override { return L"ZentrivoMappedFrame"; }
    CUIString GetSkinXml() override { return CUIString(L"Win.xml"); }
    void OnOk(tagTNotifyUI& msg) { seen.push_back("ok " + std::to_string(msg.wParam)); }
    void OnParams(WPARAM w, LPARAM l) { seen.push_back("params " + std::to_string(w + l)); }
    void OnNotifyClick(tagTNotifyUI&) override { seen.push_back("typed click"); }
    std::vector<std::string> seen;
};

UI_BEGIN_MESSAGE_MAP(CMappedFrame, CUIFrameWnd)
UI_ON_CLICK_CTRNAME(L"ok", CMappedFrame::OnOk)
UI_ON_MSGTYPE_LWL(L"valuechanged", CMappedFrame::OnParams)
UI_END_MESSAGE_MAP()

} // namespace

TEST(FrameBaseMap, TypedHandlersReceiveTheirTypes)
{
    Senders s;
    CTypedForm form;
    for (const wchar_t* type : {L"click", L"windowinit", L"scinotify", L"gridgetdispinfo", L"rclick"})
    {
        tagTNotifyUI msg = Notify(type, &s.other);
        form.Notify(msg);
    }
    EXPECT_EQ((std::vector<std::string>{"click", "windowinit", "scinotify", "gridgetdispinfo"}), form.calls);
}

TEST(FrameBaseMap, AFrameMapRunsOnTheFrameObject)
{
    Senders s;
    CMappedFrame frame;
    tagTNotifyUI msg = Notify(L"click", &s.ok, 5);
    frame.Notify(msg);
    msg = Notify(L"click", &s.other);
    frame.Notify(msg); // not in the frame's map: the typed handler through CUIFrmBase's map
    msg = Notify(L"valuechanged", &s.other, 4, 6);
    frame.Notify(msg);
    EXPECT_EQ((std::vector<std::string>{"ok 5", "typed click", "params 10"}), frame.seen);
}
