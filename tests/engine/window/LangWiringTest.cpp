// Language packages reaching a window's controls: texts and tooltips looked up by resource id
// on every call, the markup text for an empty or missing package text, a reload switching an
// open window's language, one package per skin file and window, and damaged packages.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/lang/CLangManagerUI.h"
#include "engine/markup/CDialogBuilder.h"
#include "tests/engine/window/WindowTestSupport.h"

using namespace SkinUI;
using namespace WindowTest;

namespace
{

class LangWiringTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        wnd.reset(new CTestSkinWindow(&log));
        ASSERT_NE(nullptr, wnd->CreateTestWindow());
    }
    void TearDown() override
    {
        if (wnd->GetHWND() != nullptr)
            ::DestroyWindow(wnd->GetHWND());
        wnd.reset();
        CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
        CWindowTest::TearDown();
    }
    std::wstring Text(const wchar_t* name)
    {
        CControlUI* p = wnd->GetPaintManager().FindControl(name);
        return p != nullptr ? std::wstring(p->GetText().GetData()) : L"<missing>";
    }
    void Switch(const wchar_t* folder)
    {
        CLangManagerUI::SetLanguage(folder, L"x");
        wnd->GetPaintManager().GetLangManager()->ReloadLanguage();
    }
    CWindowLog log;
    std::unique_ptr<CTestSkinWindow> wnd;
};

} // namespace

TEST_F(LangWiringTest, ControlsShowTheirPackageTextsAndFallBackToTheMarkup)
{
    EXPECT_EQ(L"English title", Text(L"lb_title"));
    EXPECT_EQ(L"English body", Text(L"lb_body")) << "a duplicate id keeps its first text";
    EXPECT_EQ(L"own text", Text(L"lb_empty")) << "an empty package text falls back";
    EXPECT_EQ(L"x", Text(L"btn_close")) << "an id the package lacks falls back";
    EXPECT_EQ(L"opt", Text(L"opt_check")) << "no resource id: the markup text";
    CControlUI* pTitle = wnd->GetPaintManager().FindControl(L"lb_title");
    EXPECT_EQ(std::wstring(L"English tip"), std::wstring(pTitle->GetToolTip().GetData()));
    EXPECT_EQ(std::wstring(L"Win.xml"), std::wstring(pTitle->GetSkinFile().GetData()));
    EXPECT_EQ(wnd->GetPaintManager().GetLangManager()->GetPackage(L"Win.xml"), pTitle->GetLangPackage());
}

TEST_F(LangWiringTest, AReloadSwitchesTheTextsOfTheOpenWindow)
{
    Switch(L"Lang\\Chinese");
    EXPECT_EQ(L"\u4e2d\u6587\u6807\u9898", Text(L"lb_title"));
    EXPECT_EQ(L"\u4e2d\u6587", Text(L"lb_body"));
    EXPECT_EQ(std::wstring(L"markup tip"),
              std::wstring(wnd->GetPaintManager().FindControl(L"lb_title")->GetToolTip().GetData()));
    Switch(L"Lang\\English\\"); // a trailing backslash is the same folder
    EXPECT_EQ(L"English title", Text(L"lb_title"));
}

TEST_F(LangWiringTest, SetLanguageAloneChangesNothingUntilTheReload)
{
    CLangManagerUI::SetLanguage(L"Lang\\Chinese", L"chs");
    EXPECT_EQ(L"English title", Text(L"lb_title"));
    wnd->GetPaintManager().GetLangManager()->ReloadLanguage();
    EXPECT_EQ(L"\u4e2d\u6587\u6807\u9898", Text(L"lb_title"));
}

TEST_F(LangWiringTest, DamagedOrMissingPackagesShowTheMarkupTexts)
{
    for (const wchar_t* folder : {L"Lang\\Broken", L"Lang\\NoSuchLanguage", L""})
    {
        Switch(folder);
        EXPECT_EQ(L"markup title", Text(L"lb_title")) << folder;
        EXPECT_EQ(L"body", Text(L"lb_body")) << folder;
    }
}

TEST_F(LangWiringTest, ASecondBuildOfTheSameSkinGetsNoPackage)
{
    CPaintManagerUI& pm = wnd->GetPaintManager();
    CControlUI* pBody = pm.FindControl(L"body");
    CControlUI* pFirstTitle = pm.FindControl(L"lb_title");
    ASSERT_NE(nullptr, pBody);
    CDialogBuilder builder;
    CControlUI* pAgain = builder.Create(L"Win.xml", nullptr, nullptr, &pm, pBody);
    ASSERT_NE(nullptr, pAgain);
    EXPECT_TRUE(pAgain->GetSkinFile().IsEmpty());
    EXPECT_EQ(nullptr, pAgain->GetLangPackage());
    CControlUI* pSecondTitle = pm.FindSubControlByName(pAgain, L"lb_title");
    ASSERT_NE(nullptr, pSecondTitle);
    EXPECT_EQ(std::wstring(L"markup title"), std::wstring(pSecondTitle->GetText().GetData()));
    EXPECT_NE(pFirstTitle, pSecondTitle);
    EXPECT_EQ(std::wstring(L"English title"), std::wstring(pFirstTitle->GetText().GetData()))
        << "the first build keeps its package";
}

TEST(LangWiringDetached, AControlWithoutManagerOrSkinFileHasNoPackage)
{
    CControlUI control;
    control.SetText(L"plain");
    control.SetResourceID(1);
    control.SetSkinFile(L"Win.xml");
    EXPECT_EQ(nullptr, control.GetLangPackage());
    EXPECT_EQ(std::wstring(L"plain"), std::wstring(control.GetText().GetData()));
}
