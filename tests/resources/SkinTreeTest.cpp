// Both skins built by the markup builder from the executable's own archive: every control the
// installer finds by name, the page backgrounds, fonts and window settings, the skins' own
// quirks, and the exact rectangles of the fixed-size controls at 100 %.
#include <gtest/gtest.h>

#include <string>

#include "engine/controls/CButtonUI.h"
#include "engine/controls/IContainerUI.h"
#include "engine/controls/CLabelUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/controls/CProgressUI.h"
#include "engine/render/tagTDrawInfo.h"
#include "engine/resources/tagTFontInfo.h"
#include "engine/manager/CShadowUI.h"
#include "tests/engine/render/CTestDib.h"
#include "tests/resources/SkinsTestSupport.h"
#include "tests/support/ExpectRect.h"

using namespace SkinsTest;
using SkinUI::CControlUI;

namespace
{

// The class a control's name prefix stands for.
const wchar_t* ClassOfName(const std::wstring& name)
{
    static const wchar_t* const prefixes[][2] = {{L"btn_", L"ButtonUI"},    {L"lb_", L"LabelUI"},
                                                 {L"opt_", L"OptionUI"},    {L"pro_", L"ProgressUI"},
                                                 {L"edit_", L"RichEditUI"}, {L"page_", L"VerticalLayoutUI"}};
    for (const auto& p : prefixes)
        if (name.compare(0, wcslen(p[0]), p[0]) == 0)
            return p[1];
    return L"HorizontalLayoutUI";
}

void ExpectNamedControls(const CBuiltSkin& skin, std::initializer_list<const wchar_t*> names)
{
    for (const wchar_t* pszName : names)
    {
        CControlUI* p = skin.Find(pszName);
        ASSERT_NE(nullptr, p) << "no control " << pszName;
        EXPECT_STREQ(ClassOfName(pszName), p->GetClass()) << p->GetName().GetData();
    }
}

// Both windows: their size, a caption band, and the same grey five-pixel shadow.
void ExpectWindowSettings(CBuiltSkin& skin, int cx, int cy, int captionBottom)
{
    const SIZE size = skin.manager.GetInitSize();
    EXPECT_EQ(cx, size.cx);
    EXPECT_EQ(cy, size.cy);
    ExpectRect(skin.manager.GetCaptionRect(), 0, 0, 0, captionBottom);
    const SkinUI::CShadowUI* pShadow = skin.manager.GetShadow();
    EXPECT_TRUE(pShadow->IsShowShadow());
    EXPECT_EQ(5, pShadow->GetSize());
    EXPECT_EQ(150u, pShadow->GetDarkness());
    EXPECT_EQ(0xDCDCDCu, pShadow->GetColor() & 0xFFFFFF);
    ExpectRect(pShadow->GetShadowCorner(), 5, 5, 5, 5);
}

// Lays the root out in the window's client rectangle with only the given page visible.
void LayOut(CBuiltSkin& skin, const wchar_t* pszVisiblePage, int cx, int cy)
{
    for (const wchar_t* pszPage : {L"page_home", L"page_install", L"page_finished", L"page_fail"})
        if (CControlUI* p = skin.Find(pszPage))
            p->SetVisible(pszVisiblePage != nullptr && wcscmp(pszPage, pszVisiblePage) == 0);
    skin.pRoot->SetPos(RECT{0, 0, cx, cy}, false);
}

} // namespace

TEST_F(CSkinsTest, MainFrameBuildsEveryControlTheInstallerFinds)
{
    CBuiltSkin skin(L"MainFrame.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    EXPECT_TRUE(ReportedUnknown().empty());
    ExpectNamedControls(skin, {L"page_home",     L"btn_Close",       L"lb_AppName",    L"btn_Install",
                               L"opt_User",      L"btn_User",        L"lb_Path",       L"edit_Installdir",
                               L"btn_Alter",     L"page_install",    L"lb_AppName_1",  L"lb_Tip1",
                               L"lb_Tip2",       L"lb_Tip3",         L"lb_Tip4",       L"lb_Installing",
                               L"lb_Percent",    L"pro_Percent",     L"lb_OfflineTip", L"btn_Offline",
                               L"page_finished", L"lb_AppName_2",    L"lb_Completed",  L"lb_TipFinished",
                               L"btn_Run",       L"page_fail",       L"lb_AppName_3",  L"btn_Reinstall",
                               L"lb_Fail",       L"btn_OfflinePatch"});
    // Four pages under the root, only the home page visible; the licence option starts ticked.
    SkinUI::IContainerUI* pRoot = static_cast<SkinUI::IContainerUI*>(skin.pRoot->GetInterface(L"IContainer"));
    ASSERT_EQ(4, pRoot->GetCount());
    const wchar_t* pages[] = {L"page_home", L"page_install", L"page_finished", L"page_fail"};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_STREQ(pages[i], pRoot->GetItemAt(i)->GetName().GetData());
        EXPECT_EQ(i == 0, pRoot->GetItemAt(i)->IsVisible()) << i;
    }
    EXPECT_TRUE(static_cast<SkinUI::COptionUI*>(skin.Find(L"opt_User"))->IsSelected());
    EXPECT_EQ(nullptr, skin.Find(L"maintab")); // the link buttons bind to a tab the skin lacks
    EXPECT_STREQ(L"maintab", static_cast<SkinUI::CButtonUI*>(skin.Find(L"btn_User"))->GetBindTabLayoutName());
}

TEST_F(CSkinsTest, MainFrameWindowSettingsAndFonts)
{
    CBuiltSkin skin(L"MainFrame.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    ExpectWindowSettings(skin, 600, 400, 400);
    const int sizes[] = {14, 23, 26, 16, 12, 28, 13, 15, 12};
    for (int id = 0; id < 9; ++id)
    {
        SkinUI::tagTFontInfo* pFont = skin.manager.GetFontInfo(id);
        ASSERT_NE(nullptr, pFont) << id;
        EXPECT_EQ(sizes[id], pFont->iSize) << id;
        EXPECT_EQ(id == 3 || id == 8, pFont->bUnderline) << id;
        EXPECT_STREQ(L"微软雅黑", pFont->sFontName.GetData()) << id;
    }
    EXPECT_EQ(14, skin.manager.GetFontInfo(-1)->iSize); // font 0 is the default
    EXPECT_EQ(1, static_cast<SkinUI::CLabelUI*>(skin.Find(L"btn_Install"))->GetFont());
    EXPECT_EQ(5, static_cast<SkinUI::CLabelUI*>(skin.Find(L"btn_Run"))->GetFont());
    EXPECT_TRUE(static_cast<SkinUI::CLabelUI*>(skin.Find(L"btn_Offline"))->IsShowHtml());
}

TEST_F(CSkinsTest, PageBackgroundsWithAnUnclosedCornerKeepFileAndSourceButNoCorners)
{
    CBuiltSkin skin(L"MainFrame.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    struct
    {
        const wchar_t* page;
        const wchar_t* image;
        int corner;
    } pages[] = {{L"page_home", L"page_home.png", 5},
                 {L"page_install", L"page_install.png", 0},
                 {L"page_finished", L"page_finished.png", 0},
                 {L"page_fail", L"page_home.png", 0}};
    for (const auto& page : pages)
    {
        SkinUI::tagTDrawInfo* pInfo = skin.manager.GetDrawInfo(skin.Find(page.page)->GetBkImage(), L"");
        ASSERT_NE(nullptr, pInfo) << page.page;
        EXPECT_STREQ(page.image, pInfo->m_sImageName.GetData());
        ExpectRect(pInfo->m_rcSource, 0, 0, 600, 400);
        ExpectRect(pInfo->m_rcCorner, page.corner, page.corner, page.corner, page.corner);
    }
}

TEST_F(CSkinsTest, MisspelledAttributesStayWithoutEffect)
{
    CBuiltSkin skin(L"MainFrame.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    // "vaule": the bar starts empty; the value only stays as a custom attribute.
    SkinUI::CProgressUI* pBar = static_cast<SkinUI::CProgressUI*>(skin.Find(L"pro_Percent"));
    EXPECT_EQ(0, pBar->GetValue());
    EXPECT_STREQ(L"33", pBar->GetCustomAttribute(L"vaule"));
    // "corser": the large buttons keep the arrow; the links, with "cursor", show the hand.
    for (const wchar_t* pszName : {L"btn_Install", L"btn_Run", L"btn_Reinstall"})
    {
        EXPECT_EQ(0, skin.Find(pszName)->GetCursor());
        EXPECT_STREQ(L"hand", skin.Find(pszName)->GetCustomAttribute(L"corser"));
    }
    for (const wchar_t* pszName : {L"btn_User", L"btn_Offline", L"btn_OfflinePatch"})
        EXPECT_EQ(32649, skin.Find(pszName)->GetCursor());
    CControlUI* pEdit = skin.Find(L"edit_Installdir");
    EXPECT_STREQ(L"10,0,10,0", pEdit->GetCustomAttribute(L"margin"));
    EXPECT_STREQ(L"0x444444", pEdit->GetCustomAttribute(L"normaltextcolor"));
    EXPECT_STREQ(L"false", pEdit->GetCustomAttribute(L"wantreturnmsg"));
    EXPECT_STREQ(L"#ff666666", skin.Find(L"btn_Alter")->GetCustomAttribute(L"normaltextcolor"));
    EXPECT_STREQ(L"C:\\Program Files (x86)\\tolvane\\Zentrivo", pEdit->GetText().GetData());
}

TEST_F(CSkinsTest, MainFramePagesLayOutAtTheirDesignedPlaces)
{
    CBuiltSkin skin(L"MainFrame.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    LayOut(skin, L"page_home", 600, 400);
    ExpectRect(skin.Find(L"btn_Close")->GetPos(), 566, 20, 580, 34);
    ExpectRect(skin.Find(L"btn_Install")->GetPos(), 220, 224, 380, 264);
    EXPECT_EQ(284, skin.Find(L"opt_User")->GetPos().top);
    EXPECT_EQ(20, skin.Find(L"opt_User")->GetPos().left);
    LayOut(skin, L"page_install", 600, 400);
    ExpectRect(skin.Find(L"pro_Percent")->GetPos(), 40, 345, 560, 355);
    EXPECT_EQ(78, skin.Find(L"lb_Tip1")->GetPos().left);
    EXPECT_EQ(86, skin.Find(L"lb_Tip1")->GetPos().top);
    EXPECT_EQ(107, skin.Find(L"lb_Tip1")->GetPos().bottom);
    EXPECT_EQ(194, skin.Find(L"lb_Tip4")->GetPos().top);
    EXPECT_EQ(560, skin.Find(L"btn_Offline")->GetPos().right);
    LayOut(skin, L"page_finished", 600, 400);
    ExpectRect(skin.Find(L"btn_Run")->GetPos(), 220, 334, 380, 374);
    LayOut(skin, L"page_fail", 600, 400);
    ExpectRect(skin.Find(L"btn_Reinstall")->GetPos(), 220, 212, 380, 252);
}

TEST_F(CSkinsTest, ExitDialogBuildsWithItsControlsAndLayout)
{
    CBuiltSkin skin(L"MsgWnd.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    EXPECT_TRUE(ReportedUnknown().empty());
    ExpectNamedControls(
        skin, {L"appbar", L"lb_Title", L"btn_Close", L"lb_Icon", L"lb_Text", L"btn_confirm", L"btn_cancel"});
    ExpectWindowSettings(skin, 400, 195, 40);
    EXPECT_EQ(16, skin.manager.GetFontInfo(-1)->iSize);
    EXPECT_EQ(14, skin.manager.GetFontInfo(1)->iSize);
    EXPECT_EQ(0xFFE74B3Fu, skin.Find(L"appbar")->GetBkColor());
    EXPECT_STREQ(L"file='png_question.png'", skin.Find(L"lb_Icon")->GetBkImage());
    for (const wchar_t* pszName : {L"lb_Text", L"btn_confirm", L"btn_cancel"})
        EXPECT_EQ(0, static_cast<SkinUI::CLabelUI*>(skin.Find(pszName))->GetFont());
    LayOut(skin, nullptr, 400, 195);
    ExpectRect(skin.Find(L"appbar")->GetPos(), 0, 0, 400, 36);
    EXPECT_EQ(390, skin.Find(L"btn_Close")->GetPos().right);
    // 380 inner pixels less 20 and 30 fixed ones, shared by the spacer and the two buttons.
    ExpectRect(skin.Find(L"btn_confirm")->GetPos(), 120, 145, 230, 185);
    ExpectRect(skin.Find(L"btn_cancel")->GetPos(), 250, 145, 360, 185);
    EXPECT_EQ(48, skin.Find(L"lb_Icon")->GetPos().right - skin.Find(L"lb_Icon")->GetPos().left);
}

TEST_F(CSkinsTest, UnusedNearCopyDiffersOnlyInItsFonts)
{
    CBuiltSkin skin(L"msg.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    EXPECT_EQ(1, static_cast<SkinUI::CLabelUI*>(skin.Find(L"lb_Text"))->GetFont());
    EXPECT_EQ(-1, static_cast<SkinUI::CLabelUI*>(skin.Find(L"btn_confirm"))->GetFont());
    EXPECT_EQ(-1, static_cast<SkinUI::CLabelUI*>(skin.Find(L"btn_cancel"))->GetFont());
    EXPECT_NE(nullptr, skin.Find(L"appbar"));
}

// The installing page at 115 %, as the main window shows it: a bar at 90 reveals nine tenths of
// its fill image.
TEST_F(CSkinsTest, InstallingPageShowsTheBarsFillAt115Percent)
{
    CBuiltSkin skin(L"MainFrame.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    skin.manager.SetDPI(110);
    LayOut(skin, L"page_install", 690, 460);
    SkinUI::CProgressUI* pBar = static_cast<SkinUI::CProgressUI*>(skin.Find(L"pro_Percent"));
    ASSERT_NE(nullptr, pBar);
    pBar->SetStretchForeImage(false);
    pBar->SetValue(90);
    const RECT rc = pBar->GetPos();
    SkinUI::CTestDib dib(690, 460);
    skin.pRoot->Paint(dib.DC(), dib.Bounds());
    const int y = (rc.top + rc.bottom) / 2;
    const DWORD filled = dib.Pixel(rc.left + (rc.right - rc.left) / 2, y);
    const DWORD empty = dib.Pixel(rc.right - 5, y);
    EXPECT_GT(GetBValue(filled), GetRValue(filled) + 60)
        << std::hex << filled << " at " << rc.left << "," << y;
    EXPECT_NE(filled, empty);
}
