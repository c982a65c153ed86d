// The language packages in the archive, read by the engine's language manager for both
// skins: a text for every resourceid the skins use (the percentage label's empty on purpose),
// in both languages, and the string table's folder-dialog title.
#include <gtest/gtest.h>

#include <string>

#include "engine/lang/CLangManagerUI.h"
#include "engine/controls/IContainerUI.h"
#include "engine/lang/CLangPackageUI.h"
#include "tests/resources/SkinsTestSupport.h"

using namespace SkinsTest;
using SkinUI::CLangManagerUI;

namespace
{

struct CLanguage
{
    const wchar_t* folder;
    const wchar_t* name;
};
const CLanguage kLanguages[] = {{L"Lang\\English", L"en"}, {L"Lang\\ChineseSimplified", L"chs"}};

// Every control with a resourceid below the root, visited depth first.
template <typename F> void ForEachTranslated(SkinUI::CControlUI* pControl, F f)
{
    if (pControl->GetResourceID() > 0)
        f(pControl);
    auto* pContainer = static_cast<SkinUI::IContainerUI*>(pControl->GetInterface(L"IContainer"));
    for (int i = 0; pContainer != nullptr && i < pContainer->GetCount(); ++i)
        ForEachTranslated(pContainer->GetItemAt(i), f);
}

void ExpectEveryIdTranslated(const wchar_t* pszSkin, const CLanguage& lang)
{
    CLangManagerUI::SetLanguage(lang.folder, lang.name);
    CBuiltSkin skin(pszSkin);
    ASSERT_NE(nullptr, skin.pRoot);
    SkinUI::CLangPackageUI* pPackage = skin.manager.GetLangManager()->GetPackage(pszSkin);
    ASSERT_NE(nullptr, pPackage) << pszSkin;
    std::set<int> ids = ResourceIdsIn(pszSkin);
    ASSERT_FALSE(ids.empty());
    for (int id : ids)
    {
        // The percentage label (12) is left empty so that it shows what the install run sets.
        bool bEmptyByDesign = id == 12 && wcscmp(pszSkin, L"MainFrame.xml") == 0;
        EXPECT_EQ(bEmptyByDesign, pPackage->GetText(id).IsEmpty())
            << pszSkin << " " << lang.name << " id " << id;
    }
    int nControls = 0;
    ForEachTranslated(skin.pRoot,
                      [&](SkinUI::CControlUI* p)
                      {
                          ++nControls;
                          EXPECT_FALSE(p->GetText().IsEmpty()) << p->GetName().GetData();
                      });
    EXPECT_GE(nControls, static_cast<int>(ids.size()));
}

// The text the window's package holds for a control's resourceid.
SkinUI::CUIString PackageText(const CBuiltSkin& skin, const wchar_t* pszSkin, const wchar_t* pszControl)
{
    SkinUI::CControlUI* pControl = skin.Find(pszControl);
    SkinUI::CLangPackageUI* pPackage =
        const_cast<CBuiltSkin&>(skin).manager.GetLangManager()->GetPackage(pszSkin);
    if (pControl == nullptr || pPackage == nullptr)
        return L"(missing)";
    return pPackage->GetText(pControl->GetResourceID());
}

} // namespace

TEST_F(CSkinsTest, EveryResourceIdHasATextInBothLanguages)
{
    for (const CLanguage& lang : kLanguages)
    {
        ExpectEveryIdTranslated(L"MainFrame.xml", lang);
        ExpectEveryIdTranslated(L"MsgWnd.xml", lang);
    }
}

TEST_F(CSkinsTest, PackagesFollowTheLanguageAfterAReload)
{
    CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
    CBuiltSkin skin(L"MainFrame.xml");
    ASSERT_NE(nullptr, skin.pRoot);
    EXPECT_STREQ(L"立即安装", PackageText(skin, L"MainFrame.xml", L"btn_Install").GetData());
    EXPECT_STREQ(L"《用户使用许可协议》", PackageText(skin, L"MainFrame.xml", L"btn_User").GetData());
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    skin.manager.GetLangManager()->ReloadLanguage();
    EXPECT_STREQ(L"Install Now", PackageText(skin, L"MainFrame.xml", L"btn_Install").GetData());
    EXPECT_STREQ(L"<User License Agreement>", PackageText(skin, L"MainFrame.xml", L"btn_User").GetData());
    EXPECT_STREQ(L"Installing,please wait...",
                 PackageText(skin, L"MainFrame.xml", L"lb_Installing").GetData());
    EXPECT_STREQ(L"Zentrivo", PackageText(skin, L"MainFrame.xml", L"lb_AppName_3").GetData());
    // The percentage label's package text is empty, so the label keeps showing its own text.
    EXPECT_TRUE(PackageText(skin, L"MainFrame.xml", L"lb_Percent").IsEmpty());
    EXPECT_STREQ(L"0%", skin.Find(L"lb_Percent")->GetText().GetData());
}

TEST_F(CSkinsTest, ExitDialogTextsInBothLanguages)
{
    const wchar_t* expected[2][4] = {{L"Tips", L"Are you sure to exit?", L"YES", L"NO"},
                                     {L"提示", L"您确定要退出安装吗？", L"是", L"否"}};
    const wchar_t* names[] = {L"lb_Title", L"lb_Text", L"btn_confirm", L"btn_cancel"};
    for (int l = 0; l < 2; ++l)
    {
        CLangManagerUI::SetLanguage(kLanguages[l].folder, kLanguages[l].name);
        CBuiltSkin skin(L"MsgWnd.xml");
        ASSERT_NE(nullptr, skin.pRoot);
        for (int i = 0; i < 4; ++i)
            EXPECT_STREQ(expected[l][i], PackageText(skin, L"MsgWnd.xml", names[i]).GetData())
                << l << " " << i;
    }
}

TEST_F(CSkinsTest, StringTableGivesTheFolderDialogTitle)
{
    CLangManagerUI::SetLanguage(L"Lang\\English", L"en");
    EXPECT_STREQ(L"Select the folder directory from below:", CLangManagerUI::GetString(1).GetData());
    EXPECT_STREQ(L"0002", CLangManagerUI::GetStringExtra(1).GetData());
    CLangManagerUI::SetLanguage(L"Lang\\ChineseSimplified", L"chs");
    EXPECT_STREQ(L"从下面选文件夹目录:", CLangManagerUI::GetString(1, L"从下面选文件夹目录:").GetData());
    EXPECT_STREQ(L"0002", CLangManagerUI::GetStringExtra(1).GetData());
    EXPECT_TRUE(CLangManagerUI::GetString(2).IsEmpty());
}
