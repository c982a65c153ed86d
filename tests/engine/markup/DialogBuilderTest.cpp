// The builder and the control factory: the main test skin's exact tree and attribute values,
// the header pass (fonts, styles, default lists, window settings applied once per manager), the
// order in which a control gets its children, its parent and its attributes, includes, unknown
// elements, an option's markup selection notifying once during the build, and every load
// failure returning null without a crash or hang.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/controls/CContainerUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/markup/CControlFactory.h"
#include "engine/markup/CDialogBuilder.h"
#include "engine/manager/CShadowUI.h"
#include "engine/markup/IDialogBuilderCallback.h"
#include "tests/engine/controls/ControlTestSupport.h"
#include "tests/engine/markup/MarkupTestSupport.h"

using namespace SkinUI;
using MarkupTest::CMarkupTest;
using MarkupTest::CWindowedManager;
using MarkupTest::ReportedUnknown;

namespace
{

CControlUI* ItemAt(CControlUI* pContainer, int i)
{
    IContainerUI* p = static_cast<IContainerUI*>(pContainer->GetInterface(L"IContainer"));
    return p != nullptr ? p->GetItemAt(i) : nullptr;
}

int CountOf(CControlUI* pContainer)
{
    IContainerUI* p = static_cast<IContainerUI*>(pContainer->GetInterface(L"IContainer"));
    return p != nullptr ? p->GetCount() : -1;
}

// Containers along the chain of only children, the top one included.
int ChainLength(CControlUI* pTop)
{
    int n = 1;
    for (CControlUI* p = pTop; CountOf(p) == 1; p = ItemAt(p, 0))
        ++n;
    return n;
}

// Owns a built tree that no manager adopted.
struct CTree
{
    explicit CTree(CControlUI* p) : pRoot(p) {}
    ~CTree() { delete pRoot; }
    CControlUI* pRoot;
};

// A container that writes down what happens to it, made by the callback for "Trace" elements.
std::vector<std::wstring> g_trace;
CPaintManagerUI* g_pExpectedManager = nullptr;

class CTraceUI : public CContainerUI
{
public:
    explicit CTraceUI(int id) : m_id(id) {}
    std::wstring Id() const { return L"#" + std::to_wstring(m_id); }
    bool Add(CControlUI* pControl) override
    {
        CTraceUI* pChild = static_cast<CTraceUI*>(pControl);
        g_trace.push_back(Id() + L" add " + pChild->Id());
        if (pChild->m_id == s_refused)
            return false;
        return CContainerUI::Add(pControl);
    }
    ~CTraceUI() override { g_trace.push_back(Id() + L" deleted"); }
    static int s_refused;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override
    {
        g_trace.push_back(Id() + L" " + pstrName + L"=" + pstrValue +
                          (GetManager() == g_pExpectedManager ? L"" : L" (no manager)"));
        CContainerUI::SetAttribute(pstrName, pstrValue);
    }

private:
    int m_id;
};

int CTraceUI::s_refused = -1;

class CTraceCallback : public IDialogBuilderCallback
{
public:
    CControlUI* CreateControl(const wchar_t* pstrClass) override
    {
        asked.push_back(pstrClass);
        if (_wcsicmp(pstrClass, L"Trace") == 0)
            return new CTraceUI(m_next++);
        return nullptr;
    }
    std::vector<std::wstring> asked;

private:
    int m_next = 0;
};

} // namespace

TEST_F(CMarkupTest, MainSkinBuildsTheExactTree)
{
    CWindowedManager w;
    CDialogBuilder builder;
    CTree tree(builder.Create(L"MainFrame.xml", nullptr, nullptr, &w.manager));
    CControlUI* pRoot = tree.pRoot;
    ASSERT_NE(nullptr, pRoot);
    EXPECT_STREQ(L"ContainerUI", pRoot->GetClass());
    EXPECT_STREQ(L"root", pRoot->GetName().GetData());
    EXPECT_EQ(0xFF112233u, pRoot->GetBkColor());
    // Font, Script and comments make no controls; the three included rows sit in "rows".
    ASSERT_EQ(5, CountOf(pRoot));
    const wchar_t* names[] = {L"styled", L"byvalue", L"rows", L"lower", L"last"};
    for (int i = 0; i < 5; ++i)
        EXPECT_STREQ(names[i], ItemAt(pRoot, i)->GetName().GetData()) << i;

    // Default list, then the style, then the element's own attributes.
    CControlUI* pStyled = ItemAt(pRoot, 0);
    EXPECT_STREQ(L"own", pStyled->GetText().GetData());
    EXPECT_EQ(30, pStyled->GetFixedWidth());
    EXPECT_EQ(17, pStyled->GetFixedHeight());
    EXPECT_STREQ(L"from default", pStyled->GetUserData().GetData());
    EXPECT_STREQ(L"normal.png", pStyled->GetBkImage());
    EXPECT_STREQ(L"tip \"quoted\"", pStyled->GetToolTip().GetData());
    // An attribute whose value names a style applies the style instead.
    CControlUI* pByValue = ItemAt(pRoot, 1);
    EXPECT_STREQ(L"styled", pByValue->GetText().GetData());
    EXPECT_STREQ(L"", pByValue->GetToolTip().GetData());
    EXPECT_EQ(30, pByValue->GetFixedWidth());

    CControlUI* pRows = ItemAt(pRoot, 2);
    ASSERT_EQ(3, CountOf(pRows)); // count 3, and count 0 adds nothing
    for (int i = 0; i < 3; ++i)
    {
        CControlUI* pRow = ItemAt(pRows, i);
        EXPECT_STREQ(L"row", pRow->GetName().GetData());
        EXPECT_STREQ(L"row text", pRow->GetText().GetData());
        EXPECT_EQ(12, pRow->GetFixedWidth()); // the included skin's own style
        EXPECT_STREQ(L"from default", pRow->GetUserData().GetData());
        EXPECT_EQ(pRows, pRow->GetExtraParent());
    }
    // Element names in any case; the default list key is case-sensitive.
    CControlUI* pLower = ItemAt(pRoot, 3);
    EXPECT_STREQ(L"ControlUI", pLower->GetClass());
    EXPECT_STREQ(L"lower-case key", pLower->GetUserData().GetData());
    EXPECT_EQ(0, pLower->GetFixedHeight());
    EXPECT_EQ(0xFF445566u, ItemAt(pRoot, 4)->GetBkColor());
    // The tree is detached after the build: the window attaches it later.
    EXPECT_EQ(nullptr, pRoot->GetManager());
    EXPECT_EQ(nullptr, pStyled->GetManager());
    EXPECT_TRUE(ReportedUnknown().empty());
}

TEST_F(CMarkupTest, HeaderPassFeedsTheManager)
{
    CWindowedManager w;
    CDialogBuilder builder;
    CTree tree(builder.Create(L"MainFrame.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    CPaintManagerUI& pm = w.manager;
    tagTFontInfo* pFont1 = pm.GetFontInfo(1);
    EXPECT_STREQ(L"Arial", pFont1->sFontName.GetData());
    EXPECT_EQ(23, pFont1->iSize);
    EXPECT_TRUE(pFont1->bBold);
    EXPECT_TRUE(pm.GetFontInfo(3)->bUnderline);
    // Font 0 is the default; the default font without an id and the negative id do nothing.
    EXPECT_STREQ(L"Arial", pm.GetDefaultFontInfo()->sFontName.GetData());
    EXPECT_EQ(pm.GetFontInfo(0)->tm.tmHeight, pm.GetDefaultFontInfo()->tm.tmHeight);
    EXPECT_EQ(pm.GetDefaultFontInfo(), pm.GetFontInfo(9)); // a Font below the root is no font
    EXPECT_EQ(-1, pm.GetFontIndex(L"Courier New", 41, false, false, false));
    // Styles: the window's own, the shared one, the included skin's; none without a name.
    EXPECT_NE(nullptr, pm.GetStyles(false).Find(L"opt_style"));
    EXPECT_EQ(nullptr, pm.GetStyles(true).Find(L"opt_style"));
    EXPECT_NE(nullptr, pm.GetStyles(true).Find(L"shared_style"));
    EXPECT_NE(nullptr, pm.GetStyle(L"row_style"));
    EXPECT_EQ(nullptr, pm.GetStyle(L""));
    EXPECT_STREQ(L"userdata=\"from default\" height=\"17\"", pm.GetDefaultAttributeList(L"Control"));
    // Another manager sees the shared style only.
    CPaintManagerUI other;
    EXPECT_NE(nullptr, other.GetStyle(L"shared_style"));
    EXPECT_EQ(nullptr, other.GetStyle(L"opt_style"));
}

TEST_F(CMarkupTest, WindowSettingsAppliedOncePerManager)
{
    CWindowedManager w;
    w.manager.GetDPIObj()->SetScale(144);
    {
        // The first build on this manager sets the window; a later one leaves it alone.
        CDialogBuilder first;
        CTree row(first.Create(L"sub/Row.xml", nullptr, nullptr, &w.manager));
        ASSERT_NE(nullptr, row.pRoot);
    }
    EXPECT_TRUE(w.manager.IsInitWindowParameter());
    EXPECT_EQ(150, w.manager.GetInitSize().cx); // "size" is scaled for the DPI
    EXPECT_EQ(99, w.manager.GetCaptionRect().bottom);
    CDialogBuilder second;
    CTree tree(second.Create(L"MainFrame.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    EXPECT_EQ(150, w.manager.GetInitSize().cx);
    EXPECT_EQ(99, w.manager.GetCaptionRect().bottom);
    EXPECT_FALSE(w.manager.GetShadow()->IsShowShadow());
}

TEST_F(CMarkupTest, WindowAttributesOfTheMainSkin)
{
    CWindowedManager w;
    CDialogBuilder builder;
    CTree tree(builder.Create(L"MainFrame.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    CPaintManagerUI& m = w.manager;
    const CShadowUI* pShadow = m.GetShadow();
    EXPECT_TRUE(m.IsInitWindowParameter());
    EXPECT_EQ(600, m.GetInitSize().cx);
    EXPECT_EQ(400, m.GetInitSize().cy);
    EXPECT_EQ(40, m.GetCaptionRect().bottom); // the included rows do not change it
    EXPECT_EQ(6, m.GetSizeBox().right);
    EXPECT_EQ(3, m.GetRoundCorner().cy);
    EXPECT_EQ(300, m.GetMinInfo().cx);
    EXPECT_EQ(700, m.GetMaxInfo().cy);
    EXPECT_EQ(200, m.GetOpacity()); // "alpha"
    EXPECT_FALSE(m.IsLayered());    // "Layered" is not "layered": those names are case-sensitive
    EXPECT_TRUE(m.IsNoActivate());
    EXPECT_TRUE(pShadow->IsShowShadow());
    EXPECT_EQ(5, pShadow->GetSize());
    EXPECT_EQ(5, pShadow->GetShadowCorner().bottom);
    EXPECT_EQ(0x00DCDCDCu, pShadow->GetColor());
    EXPECT_EQ(150u, pShadow->GetDarkness());
    EXPECT_EQ(0xFF102030u, w.manager.GetDefaultFontColor());
    EXPECT_EQ(0xFF405060u, w.manager.GetDefaultLinkFontColor());
    EXPECT_TRUE(w.manager.IsUseGdiplusText());
    EXPECT_EQ(4, w.manager.GetGdiplusTextRenderingHint());

    // Without a window nothing of the Window element is applied, but resources are.
    CPaintManagerUI windowless;
    CDialogBuilder again;
    CTree tree2(again.Create(L"MainFrame.xml", nullptr, nullptr, &windowless));
    ASSERT_NE(nullptr, tree2.pRoot);
    EXPECT_FALSE(windowless.IsInitWindowParameter());
    EXPECT_EQ(0, windowless.GetInitSize().cx);
    EXPECT_FALSE(windowless.GetShadow()->IsShowShadow());
    EXPECT_NE(nullptr, windowless.GetStyle(L"opt_style"));
}

TEST_F(CMarkupTest, ChildrenFirstThenParentThenAttributes)
{
    CWindowedManager w;
    w.manager.AddDefaultAttributeList(L"Trace", L"userdata=\"d\"");
    w.manager.AddDefaultAttributeList(L"trace", L"userdata=\"never\"");
    w.manager.AddStyle(L"s", L"width=\"8\"");
    g_trace.clear();
    g_pExpectedManager = &w.manager;
    CTraceCallback callback;
    CDialogBuilder builder;
    CTree tree(builder.Create(L"<Window><Trace name='p'><Trace text='t' STYLE='x' style='s'/>"
                              L"<Trace name='c2'/></Trace></Window>",
                              nullptr, &callback, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    std::vector<std::wstring> expected = {
        L"#0 add #1", L"#1 userdata=d", L"#1 style=s", L"#1 width=8",    L"#1 text=t", // STYLE is skipped
        L"#0 add #2", L"#2 userdata=d", L"#2 name=c2", L"#0 userdata=d",               //
        L"#0 name=p",
    };
    EXPECT_EQ(expected, g_trace);
    // The factory is asked first: the callback only hears of names it does not know.
    EXPECT_EQ(3u, callback.asked.size());
    EXPECT_EQ(nullptr, tree.pRoot->GetManager());
}

TEST_F(CMarkupTest, RefusedChildIsDeletedAndTheBuildGoesOn)
{
    g_trace.clear();
    g_pExpectedManager = nullptr;
    CTraceUI::s_refused = 1;
    CTraceCallback callback;
    CDialogBuilder builder;
    CControlUI* pRoot = builder.Create(L"<Window><Trace><Trace/><Trace name='kept'/></Trace></Window>",
                                       nullptr, &callback, nullptr);
    CTraceUI::s_refused = -1;
    ASSERT_NE(nullptr, pRoot);
    ASSERT_EQ(1, CountOf(pRoot));
    EXPECT_STREQ(L"kept", ItemAt(pRoot, 0)->GetName().GetData());
    std::vector<std::wstring> expected = {L"#0 add #1", L"#1 deleted", L"#0 add #2", L"#2 name=kept"};
    EXPECT_EQ(expected, g_trace);
    delete pRoot;
}

TEST_F(CMarkupTest, ControlsNothingCanHoldAreDeleted)
{
    // Below a control that is no container, and a second top-level control without a parent.
    CTraceCallback callback;
    CDialogBuilder builder;
    g_trace.clear();
    CTree leaf(builder.Create(L"<Window><Control name='leaf'><Trace/><Trace/></Control></Window>", nullptr,
                              &callback, nullptr));
    ASSERT_NE(nullptr, leaf.pRoot);
    EXPECT_EQ(std::vector<std::wstring>{L"#0 deleted"}, g_trace); // the level ends at the first child
    CDialogBuilder second;
    g_trace.clear();
    CTree first(
        second.Create(L"<Window><Trace name='a'/><Trace name='b'/></Window>", nullptr, &callback, nullptr));
    ASSERT_NE(nullptr, first.pRoot);
    std::vector<std::wstring> expected = {L"#1 name=a", L"#2 deleted"};
    EXPECT_EQ(expected, g_trace);
}

TEST_F(CMarkupTest, DefaultFontMatchesItsIdAtAnyScale)
{
    for (UINT dpi : {96u, 120u, 144u})
    {
        CWindowedManager w;
        w.manager.GetDPIObj()->SetScale(dpi);
        CDialogBuilder builder;
        CTree tree(builder.Create(L"<Window><Font id='4' name='Arial' size='14' default='true'/>"
                                  L"<Control/></Window>",
                                  nullptr, nullptr, &w.manager));
        ASSERT_NE(nullptr, tree.pRoot);
        LONG height = w.manager.GetFontInfo(4)->tm.tmHeight;
        EXPECT_GT(height, 0);
        EXPECT_EQ(height, w.manager.GetDefaultFontInfo()->tm.tmHeight) << dpi;
    }
}

TEST_F(CMarkupTest, IncludesByResourceNumber)
{
    CWindowedManager w;
    CDialogBuilder builder;
    CTree tree(builder.Create(STRINGorID(300u), L"SKIN", nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    EXPECT_STREQ(L"res", tree.pRoot->GetName().GetData());
    ASSERT_EQ(2, CountOf(tree.pRoot));
    EXPECT_STREQ(L"r301", ItemAt(tree.pRoot, 1)->GetName().GetData());
    CDialogBuilder missing;
    EXPECT_EQ(nullptr, missing.Create(STRINGorID(399u), L"SKIN", nullptr, &w.manager));
    EXPECT_EQ(nullptr, missing.Create(STRINGorID(300u), L"NOTYPE", nullptr, &w.manager));
}

TEST_F(CMarkupTest, UnknownElementIsReportedAndSkipped)
{
    CWindowedManager w;
    CDialogBuilder builder;
    CTree tree(builder.Create(L"<Window><Container><Fancy name='f'><Control name='inside'/></Fancy>"
                              L"<Control name='after'/></Container></Window>",
                              nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    ASSERT_EQ(1, CountOf(tree.pRoot));
    EXPECT_STREQ(L"after", ItemAt(tree.pRoot, 0)->GetName().GetData());
    EXPECT_EQ(nullptr, w.manager.FindSubControlByName(tree.pRoot, L"inside"));
    // Without a language package the file part is empty.
    ASSERT_EQ(1u, ReportedUnknown().size());
    EXPECT_EQ(L"|Fancy", ReportedUnknown()[0]);
}

TEST_F(CMarkupTest, EveryElementTheInstallerSkinsUseIsBuilt)
{
    CWindowedManager w;
    CDialogBuilder builder;
    CTree tree(builder.Create(L"<Window><VerticalLayout><HorizontalLayout><Label/><Button/>"
                              L"<Option/><Progress/><RichEdit/></HorizontalLayout></VerticalLayout>"
                              L"</Window>",
                              nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    EXPECT_TRUE(ReportedUnknown().empty());
    EXPECT_NE(nullptr, tree.pRoot->GetInterface(L"VerticalLayout"));
    CControlUI* pRow = ItemAt(tree.pRoot, 0);
    ASSERT_NE(nullptr, pRow);
    EXPECT_NE(nullptr, pRow->GetInterface(L"HorizontalLayout"));
    const wchar_t* kinds[] = {L"Label", L"Button", L"Option", L"Progress", L"RichEdit"};
    ASSERT_EQ(5, CountOf(pRow));
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(nullptr, ItemAt(pRow, i)->GetInterface(kinds[i])) << i;
}

TEST_F(CMarkupTest, BadSkinsGiveNullOrTheFallback)
{
    CWindowedManager w;
    const wchar_t* failing[] = {L"Nowhere.xml",   L"Empty.xml",   L"TooBig.xml", L"Broken.xml",
                                L"NoElement.xml", L"Picture.xml", L"<Window/>",  L"<broken"};
    for (const wchar_t* pstrSkin : failing)
    {
        CDialogBuilder builder;
        EXPECT_EQ(nullptr, builder.Create(pstrSkin, nullptr, nullptr, &w.manager)) << pstrSkin;
    }
    CDialogBuilder exact;
    CTree big(exact.Create(L"Exact.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, big.pRoot);
    EXPECT_STREQ(L"big", big.pRoot->GetName().GetData());

    // A missing or nameless include is skipped; the rest is built.
    CDialogBuilder missing;
    CTree tree(missing.Create(L"MissingInclude.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    ASSERT_EQ(1, CountOf(tree.pRoot));
    EXPECT_STREQ(L"after", ItemAt(tree.pRoot, 0)->GetName().GetData());

    // Children of a control that is no container are dropped, the control stays.
    CDialogBuilder plain;
    CTree leaf(plain.Create(L"<Window><Control name='leaf'><Control/><Control/></Control></Window>", nullptr,
                            nullptr, &w.manager));
    ASSERT_NE(nullptr, leaf.pRoot);
    EXPECT_STREQ(L"leaf", leaf.pRoot->GetName().GetData());
}

TEST_F(CMarkupTest, SelfIncludingSkinsEnd)
{
    CWindowedManager w;
    CDialogBuilder builder;
    CTree tree(builder.Create(L"Self.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree.pRoot);
    EXPECT_EQ(CDialogBuilder::MAX_INCLUDE_DEPTH + 1, ChainLength(tree.pRoot));

    // Three includes of itself per level: the whole build stops at the include budget.
    CDialogBuilder bomb;
    CTree tree2(bomb.Create(L"Bomb.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree2.pRoot);
    std::function<int(CControlUI*)> count = [&](CControlUI* p)
    {
        int n = 1;
        for (int i = 0; i < CountOf(p); ++i)
            n += count(ItemAt(p, i));
        return n;
    };
    EXPECT_EQ(CDialogBuilder::MAX_INCLUDES + 1, count(tree2.pRoot));

    // Nesting deeper than the limit is cut, not a stack overflow.
    CDialogBuilder deep;
    CTree tree3(deep.Create(L"Deep.xml", nullptr, nullptr, &w.manager));
    ASSERT_NE(nullptr, tree3.pRoot);
    EXPECT_EQ(CDialogBuilder::MAX_NESTING, ChainLength(tree3.pRoot));
}

TEST_F(CMarkupTest, WithoutParentOnlyTheFirstControlIsKept)
{
    CDialogBuilder builder;
    CTree tree(builder.Create(L"<Window><Control name='a'/><Include source='sub/Row.xml'/>"
                              L"<Control name='b'/></Window>"));
    ASSERT_NE(nullptr, tree.pRoot);
    EXPECT_STREQ(L"a", tree.pRoot->GetName().GetData());
    // With a parent every control joins it.
    CContainerUI parent;
    CDialogBuilder into;
    CControlUI* pFirst = into.Create(L"<Window><Control name='a'/><Include source='sub/Row.xml'/>"
                                     L"<Control name='b'/></Window>",
                                     nullptr, nullptr, nullptr, &parent);
    ASSERT_EQ(3, parent.GetCount());
    EXPECT_EQ(parent.GetItemAt(0), pFirst);
    EXPECT_STREQ(L"row", parent.GetItemAt(1)->GetName().GetData());
    EXPECT_STREQ(L"b", parent.GetItemAt(2)->GetName().GetData());
}

TEST_F(CMarkupTest, SelectedOptionNotifiesOnceWhileBuilt)
{
    // The manager is attached while attributes are applied, so "selected" is heard at once.
    CWindowedManager w;
    w.window.Attach(&w.manager);
    CNotifyRecorder recorder(w.manager);
    CDialogBuilder builder;
    CControlUI* pRoot = builder.Create(L"<Window><Option name=\"o\" selected=\"true\"/></Window>", nullptr,
                                       nullptr, &w.manager);
    ASSERT_NE(nullptr, pRoot);
    ASSERT_TRUE(w.manager.AttachDialog(pRoot)); // the manager owns the tree from here
    w.window.DispatchWakeUps();
    std::vector<std::wstring> expected = {L"selectchanged:o"};
    EXPECT_EQ(expected, recorder.m_events);
    COptionUI* pOption = static_cast<COptionUI*>(pRoot->GetInterface(L"Option"));
    ASSERT_NE(nullptr, pOption);
    EXPECT_TRUE(pOption->IsSelected());
}

TEST(ControlFactory, NamesWithoutRegardToCase)
{
    CControlFactory* pFactory = CControlFactory::GetInstance();
    CControlUI* p = pFactory->CreateControl(L"ccontainerui");
    ASSERT_NE(nullptr, p);
    EXPECT_STREQ(L"ContainerUI", p->GetClass());
    delete p;
    p = pFactory->CreateControl(L"CCONTROLUI");
    ASSERT_NE(nullptr, p);
    EXPECT_STREQ(L"ControlUI", p->GetClass());
    delete p;
    EXPECT_EQ(nullptr, pFactory->CreateControl(L"CFancyUI"));
    EXPECT_EQ(nullptr, pFactory->CreateControl(nullptr));
    // The first registration of a name stays.
    EXPECT_FALSE(pFactory->RegistControl(L"CControlui", &CContainerUI::CreateControl));
    EXPECT_TRUE(pFactory->RegistControl(L"CTestOnlyUI", &CContainerUI::CreateControl));
    p = pFactory->CreateControl(L"CControlUI");
    EXPECT_STREQ(L"ControlUI", p->GetClass());
    delete p;
    // Released at shutdown; the next use starts from the built-in table.
    int nBuiltIn = pFactory->GetCount() - 1;
    pFactory->Release();
    EXPECT_EQ(nBuiltIn, CControlFactory::GetInstance()->GetCount());
    EXPECT_EQ(nullptr, CControlFactory::GetInstance()->CreateControl(L"CTestOnlyUI"));
}
