// The paint manager's resource tables: shared defaults, default colours, the image cache and
// its keys, fonts (lookup, replacement, DPI rebuild), styles, default attribute lists and
// parsed image descriptions.
#include "ResourceTestSupport.h"

#include <string>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/tagTDrawInfo.h"

using namespace SkinUI;
using ResourceTest::DataDir;
using ResourceTest::ReadData;

namespace
{

class PaintManagerResources : public ResourceTest::CResourceTest
{
protected:
    void UseSkinArchive()
    {
        static std::vector<BYTE> zip = ReadData(L"skin.zip");
        CPaintManagerUI::SetResourceZip(zip.data(), zip.size(), L"");
    }
};

LOGFONTW FontOf(HFONT hFont)
{
    LOGFONTW lf = {};
    ::GetObjectW(hFont, sizeof(lf), &lf);
    return lf;
}

} // namespace

TEST_F(PaintManagerResources, FirstManagerSetsTheSharedDefaults)
{
    CPaintManagerUI manager;
    EXPECT_EQ(0xFFA7A6AAu, manager.GetDefaultDisabledColor());
    EXPECT_EQ(0xFF000000u, manager.GetDefaultFontColor());
    EXPECT_EQ(0xFF0000FFu, manager.GetDefaultLinkFontColor());
    EXPECT_EQ(0xFFD3215Fu, manager.GetDefaultLinkHoverFontColor());
    EXPECT_EQ(0xFFBAE4FFu, manager.GetDefaultSelectedBkColor());

    LOGFONTW stock = FontOf(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    tagTFontInfo* pDefault = manager.GetDefaultFontInfo();
    ASSERT_NE(nullptr, pDefault);
    EXPECT_EQ(std::wstring(stock.lfFaceName), pDefault->sFontName.GetData());
    EXPECT_EQ(-stock.lfHeight, pDefault->iSize);
    EXPECT_EQ(-1, pDefault->id);
    EXPECT_GT(pDefault->tm.tmHeight, 0); // measured even before the window exists
    EXPECT_EQ(DEFAULT_CHARSET, FontOf(pDefault->hFont).lfCharSet);
    // Unknown ids and -1 give the default font.
    EXPECT_EQ(pDefault->hFont.Get(), manager.GetFont(-1));
    EXPECT_EQ(pDefault->hFont.Get(), manager.GetFont(42));
    EXPECT_EQ(pDefault, manager.GetFontInfo(42));
}

TEST_F(PaintManagerResources, SharedColoursAreFollowedOnlyByUnchangedWindows)
{
    CPaintManagerUI follows, own;
    own.SetDefaultFontColor(0xFF123456);
    follows.SetDefaultFontColor(0xFF00AA00, true);
    EXPECT_EQ(0xFF00AA00u, follows.GetDefaultFontColor());
    EXPECT_EQ(0xFF123456u, own.GetDefaultFontColor());
    CPaintManagerUI later;
    EXPECT_EQ(0xFF00AA00u, later.GetDefaultFontColor());
    follows.SetDefaultLinkFontColor(0xFF0000AA);
    EXPECT_EQ(0xFF0000FFu, later.GetDefaultLinkFontColor());
}

TEST_F(PaintManagerResources, ImagesAreCachedUnderTheirKeys)
{
    UseSkinArchive();
    CPaintManagerUI manager;
    const tagTImageInfo* pImage = manager.GetImageEx(L"page_home.png");
    ASSERT_NE(nullptr, pImage);
    EXPECT_TRUE(pImage->bAlpha);
    EXPECT_EQ(pImage, manager.GetImageEx(L"page_home.png"));
    EXPECT_EQ(pImage, manager.GetImage(L"page_home.png"));

    const tagTImageInfo* pSized = manager.GetImageEx(L"page_home.png", nullptr, 0, 10, 0);
    ASSERT_NE(nullptr, pSized);
    EXPECT_NE(pImage, pSized);
    EXPECT_EQ(pSized, manager.GetImage(L"page_home.png-10-0-00000000"));
    EXPECT_EQ(std::wstring(L"a.svg-0-0-FF00FF00"),
              CPaintManagerUI::MakeImageKey(L"a.svg", 0, 0, 0xFF00FF00).GetData());
    EXPECT_EQ(std::wstring(L"a.svg"), CPaintManagerUI::MakeImageKey(L"a.svg", 0, 0, 0).GetData());

    // A resource type needs a number; an unreadable name yields nothing.
    EXPECT_EQ(nullptr, manager.AddImage(L"page_home.png", L"PNG"));
    EXPECT_EQ(nullptr, manager.GetImageEx(L"missing.png"));
    EXPECT_EQ(nullptr, manager.AddImage(L""));

    // Shared images are seen by every window; window images only by their own.
    CPaintManagerUI other;
    EXPECT_EQ(nullptr, other.GetImage(L"page_home.png"));
    const tagTImageInfo* pShared = manager.AddImage(L"img/Opaque.png", nullptr, 0, 0, 0, 0, false, true);
    ASSERT_NE(nullptr, pShared);
    EXPECT_EQ(pShared, other.GetImage(L"img/Opaque.png"));

    EXPECT_TRUE(manager.RemoveImage(L"page_home.png"));
    EXPECT_FALSE(manager.RemoveImage(L"page_home.png"));
    EXPECT_EQ(nullptr, manager.GetImage(L"page_home.png"));

    // Forcing shared resources stores new images in the shared table.
    other.SetForceUseSharedRes(true);
    const tagTImageInfo* pForced = other.GetImageEx(L"page_home.png");
    ASSERT_NE(nullptr, pForced);
    EXPECT_EQ(pForced, manager.GetImage(L"page_home.png"));
}

TEST_F(PaintManagerResources, ReloadGivesTheSameRecordsFreshPixels)
{
    ResourceTest::CPlantedCurrentFolder folder(false);
    ASSERT_TRUE(folder.Plant(L"swap.png", L"opaque.png"));
    ASSERT_TRUE(folder.Plant(L"gone.png", L"opaque.png"));
    CPaintManagerUI::SetResourcePath(folder.Path(L"").c_str());
    CPaintManagerUI manager;
    const tagTImageInfo* pSwap = manager.GetImageEx(L"swap.png");
    ASSERT_NE(nullptr, pSwap);
    ASSERT_NE(nullptr, manager.GetImageEx(L"gone.png"));
    EXPECT_FALSE(pSwap->bAlpha);
    EXPECT_EQ(0xFFC86432u, ResourceTest::PixelAt(pSwap, 0, 0));

    // The files change under the window: the partly transparent picture replaces the opaque
    // one, and the other file goes away.
    ASSERT_TRUE(folder.Plant(L"swap.png", L"page_home.png"));
    ASSERT_TRUE(folder.Remove(L"gone.png"));
    manager.ReloadImages();
    EXPECT_EQ(pSwap, manager.GetImage(L"swap.png")); // callers may hold the record
    EXPECT_TRUE(pSwap->bAlpha);
    EXPECT_EQ(0x80800000u, ResourceTest::PixelAt(pSwap, 0, 0));
    EXPECT_EQ(0xFF0A141Eu, ResourceTest::PixelAt(pSwap, 1, 1));
    EXPECT_EQ(nullptr, manager.GetImage(L"gone.png"));
}

TEST_F(PaintManagerResources, FontsAreFoundReplacedAndRebuiltForDpi)
{
    CPaintManagerUI manager;
    HFONT hFont = manager.AddFont(1, L"Arial", 12, true, false, false);
    ASSERT_NE(nullptr, hFont);
    EXPECT_EQ(hFont, manager.GetFont(1));
    tagTFontInfo* pInfo = manager.GetFontInfo(1);
    EXPECT_EQ(12, pInfo->iSize);
    EXPECT_TRUE(pInfo->bBold);
    EXPECT_GT(pInfo->tm.tmHeight, 0);
    EXPECT_EQ(-12, FontOf(hFont).lfHeight);
    EXPECT_EQ(FW_BOLD, FontOf(hFont).lfWeight);
    EXPECT_EQ(hFont, manager.GetFont(L"Arial", 12, true, false, false));
    EXPECT_EQ(nullptr, manager.GetFont(L"arial", 12, true, false, false)); // case-sensitive
    EXPECT_EQ(nullptr, manager.GetFont(L"Arial", 12, false, false, false));
    EXPECT_EQ(1, manager.GetFontIndex(hFont));
    EXPECT_EQ(pInfo, manager.GetFontInfo(hFont));

    // The same id replaces the font.
    HFONT hItalic = manager.AddFont(1, L"Arial", 12, false, false, true);
    EXPECT_EQ(hItalic, manager.GetFont(1));
    EXPECT_TRUE(FontOf(hItalic).lfItalic);

    // A shared font is found by another window until it declares its own under that id.
    CPaintManagerUI other;
    HFONT hShared = manager.AddFont(7, L"Tahoma", 9, false, true, false, true);
    EXPECT_EQ(hShared, other.GetFont(7));
    HFONT hLocal = other.AddFont(7, L"Tahoma", 20, false, false, false);
    EXPECT_EQ(hLocal, other.GetFont(7));
    EXPECT_EQ(hShared, manager.GetFont(7));

    // After a DPI change every font is made again at the new scale, with ClearType quality:
    // the window's fonts and default font, the shared fonts and the shared default font.
    // Rebuilt bold fonts add 700 to the stock weight, as the default font always does.
    const LONG stockWeight = FontOf(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))).lfWeight;
    manager.SetDefaultFont(L"Arial", 14, false, false, false);
    manager.AddFont(2, L"Arial", 10, true, false, false);
    CPaintManagerUI plain;
    manager.SetDefaultFont(L"Tahoma", 8, true, false, false, true);
    EXPECT_EQ(stockWeight + FW_BOLD, FontOf(plain.GetDefaultFontInfo()->hFont).lfWeight);
    manager.GetDPIObj()->SetScale(144);
    manager.ResetDPIAssets();
    HFONT hRebuilt = manager.GetFont(1);
    EXPECT_EQ(-18, FontOf(hRebuilt).lfHeight);
    EXPECT_EQ(CLEARTYPE_QUALITY, FontOf(hRebuilt).lfQuality);
    LOGFONTW bold = FontOf(manager.GetFont(2));
    EXPECT_EQ(-15, bold.lfHeight);
    EXPECT_EQ(stockWeight + FW_BOLD, bold.lfWeight);
    EXPECT_EQ(CLEARTYPE_QUALITY, bold.lfQuality);
    EXPECT_EQ(-21, FontOf(manager.GetDefaultFontInfo()->hFont).lfHeight);
    EXPECT_EQ(std::wstring(L"Arial"), manager.GetDefaultFontInfo()->sFontName.GetData());
    EXPECT_TRUE(manager.GetDefaultFontInfo()->bDefault);
    LOGFONTW shared = FontOf(manager.GetFont(7)); // the shared font: this window has no 7
    EXPECT_EQ(-14, shared.lfHeight);              // MulDiv(9, 150, 100)
    EXPECT_TRUE(shared.lfUnderline);
    EXPECT_EQ(CLEARTYPE_QUALITY, shared.lfQuality);
    LOGFONTW sharedDefault = FontOf(plain.GetDefaultFontInfo()->hFont);
    EXPECT_EQ(-12, sharedDefault.lfHeight);
    EXPECT_EQ(stockWeight + FW_BOLD, sharedDefault.lfWeight);
    EXPECT_EQ(std::wstring(L"Tahoma"), sharedDefault.lfFaceName);

    manager.RemoveFont(hRebuilt);
    EXPECT_EQ(manager.GetDefaultFontInfo()->hFont.Get(), manager.GetFont(1));
}

TEST_F(PaintManagerResources, DpiChangeDropsImagesAndDescriptions)
{
    UseSkinArchive();
    CPaintManagerUI manager;
    ASSERT_NE(nullptr, manager.GetImageEx(L"page_home.png"));
    tagTDrawInfo* pDraw = manager.GetDrawInfo(L"file='page_home.png'", L"");
    ASSERT_NE(nullptr, pDraw);
    EXPECT_EQ(pDraw, manager.GetDrawInfo(L"file='page_home.png'", L""));
    EXPECT_NE(pDraw, manager.GetDrawInfo(L"file='page_home.png'", L" fade='10'"));
    EXPECT_EQ(nullptr, manager.GetDrawInfo(L"", L""));

    manager.ResetDPIAssets();
    EXPECT_EQ(nullptr, manager.GetImage(L"page_home.png"));
    ASSERT_NE(nullptr, manager.GetImageEx(L"page_home.png")); // decoded again on next use
}

TEST_F(PaintManagerResources, StylesAndAttributeListsLookInTheWindowFirst)
{
    CPaintManagerUI first, second;
    first.AddStyle(L"title", L"font=\"1\"", true);
    EXPECT_EQ(std::wstring(L"font=\"1\""), second.GetStyle(L"title"));
    second.AddStyle(L"title", L"font=\"2\"");
    EXPECT_EQ(std::wstring(L"font=\"2\""), second.GetStyle(L"title"));
    EXPECT_EQ(std::wstring(L"font=\"1\""), first.GetStyle(L"title"));
    EXPECT_EQ(1, second.GetStyles().GetSize());
    EXPECT_TRUE(second.RemoveStyle(L"title"));
    EXPECT_EQ(std::wstring(L"font=\"1\""), second.GetStyle(L"title"));
    EXPECT_EQ(nullptr, second.GetStyle(L"Title"));

    first.AddDefaultAttributeList(L"Button", L"height=\"30\"");
    first.AddDefaultAttributeList(L"Button", L"height=\"40\"");
    EXPECT_EQ(std::wstring(L"height=\"40\""), first.GetDefaultAttributeList(L"Button"));
    EXPECT_EQ(nullptr, second.GetDefaultAttributeList(L"Button"));

    // Init starts the window's build afresh.
    first.Init(nullptr, L"main");
    EXPECT_EQ(nullptr, first.GetDefaultAttributeList(L"Button"));
    EXPECT_EQ(std::wstring(L"font=\"1\""), first.GetStyle(L"title"));

    // Forcing shared resources redirects additions only: removing with the window's flag and
    // a window's Init leave the shared tables to the other windows.
    CPaintManagerUI forced;
    forced.SetForceUseSharedRes(true);
    forced.AddStyle(L"caption", L"font=\"3\"");
    EXPECT_EQ(std::wstring(L"font=\"3\""), second.GetStyle(L"caption"));
    EXPECT_FALSE(forced.RemoveStyle(L"caption"));
    forced.Init(nullptr, L"forced");
    EXPECT_EQ(std::wstring(L"font=\"3\""), second.GetStyle(L"caption"));
    EXPECT_EQ(std::wstring(L"font=\"1\""), second.GetStyle(L"title"));
    EXPECT_TRUE(forced.RemoveStyle(L"caption", true));
    EXPECT_EQ(nullptr, second.GetStyle(L"caption"));
}

TEST_F(PaintManagerResources, InstanceAndResourceModule)
{
    EXPECT_EQ(std::wstring(L""), CPaintManagerUI::GetInstancePath().GetData());
    CPaintManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    std::wstring dir = DataDir();
    std::wstring exeDir = dir.substr(0, dir.size() - wcslen(L"resource_data\\"));
    EXPECT_EQ(exeDir, CPaintManagerUI::GetInstancePath().GetData());
    EXPECT_EQ(::GetModuleHandleW(nullptr), CPaintManagerUI::GetResourceDll());
    CPaintManagerUI::SetResourceDll(reinterpret_cast<HINSTANCE>(::GetModuleHandleW(L"kernel32.dll")));
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(::GetModuleHandleW(L"kernel32.dll")),
              CPaintManagerUI::GetResourceDll());
    CPaintManagerUI::SetResourceDll(nullptr);
    CPaintManagerUI::SetInstance(nullptr);
    CPaintManagerUI::SetResourceType(4);
    EXPECT_EQ(4, CPaintManagerUI::GetResourceType());
}

TEST_F(PaintManagerResources, ArchiveAndImagesFromModuleResources)
{
    // The installer's start-up: the locked "ZIPRES" resource 130 becomes the memory archive.
    CPaintManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    HINSTANCE hInst = CPaintManagerUI::GetResourceDll();
    HRSRC hRes = ::FindResourceW(hInst, MAKEINTRESOURCEW(130), L"ZIPRES");
    ASSERT_NE(nullptr, hRes);
    HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
    ASSERT_NE(nullptr, hGlobal);
    CPaintManagerUI::SetResourceZip(::LockResource(hGlobal), ::SizeofResource(hInst, hRes), L"");

    CPaintManagerUI manager;
    const tagTImageInfo* pFromZip = manager.GetImageEx(L"page_home.png");
    ASSERT_NE(nullptr, pFromZip);
    EXPECT_TRUE(pFromZip->bAlpha);

    // A numbered image of a resource type is read from the module, not the archive.
    const tagTImageInfo* pTyped = manager.AddImage(L"200", L"PNG");
    ASSERT_NE(nullptr, pTyped);
    EXPECT_FALSE(pTyped->bAlpha);
    EXPECT_EQ(std::wstring(L"PNG"), pTyped->sResType.GetData());
    EXPECT_EQ(0xFFC86432u, ResourceTest::PixelAt(pTyped, 0, 0));
    EXPECT_EQ(nullptr, manager.AddImage(L"201", L"PNG"));
    // 65736 is 200 + 65536: a number beyond 16 bits never reaches resource 200.
    EXPECT_EQ(nullptr, manager.AddImage(L"65736", L"PNG"));
    EXPECT_EQ(nullptr, manager.AddImage(L"99999999999", L"PNG"));
    // Reloading finds it again by number and type.
    manager.ReloadImages();
    EXPECT_EQ(pTyped, manager.GetImage(L"200"));
    CPaintManagerUI::SetInstance(nullptr);
}
