// The skin archive the executable carries: its members, and every image a skin names decoding
// at the size and with the state rows the skins' source rectangles rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/resources/CImageLoader.h"
#include "engine/resources/tagTImageInfo.h"
#include "tests/resources/SkinsTestSupport.h"

using namespace SkinsTest;

namespace
{

const wchar_t* const kSkinFiles[] = {L"MainFrame.xml", L"MsgWnd.xml", L"msg.xml"};

// Premultiplied 0xAARRGGBB pixels of a decoded image, rows top first.
struct CPixels
{
    explicit CPixels(const wchar_t* pszName)
    {
        SkinUI::tagTImageInfo* pInfo = SkinUI::CImageLoader::LoadImage(pszName);
        if (pInfo == nullptr)
            return;
        DIBSECTION ds = {};
        if (::GetObjectW(pInfo->hBitmap.Get(), sizeof(ds), &ds) == sizeof(ds) && ds.dsBm.bmBitsPixel == 32)
        {
            width = pInfo->nX;
            height = pInfo->nY;
            const DWORD* p = static_cast<const DWORD*>(ds.dsBm.bmBits);
            px.assign(p, p + width * height);
        }
        SkinUI::CImageLoader::FreeImage(pInfo);
    }
    DWORD At(int x, int y) const { return px[y * width + x]; }
    // Mean of each channel (a, r, g, b) over rows [y0, y1).
    void Mean(int y0, int y1, double m[4]) const
    {
        std::fill(m, m + 4, 0.0);
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 4; ++c)
                    m[c] += (At(x, y) >> (24 - 8 * c)) & 0xFF;
        for (int c = 0; c < 4; ++c)
            m[c] /= static_cast<double>(width * (y1 - y0));
    }
    int DistinctColours() const
    {
        std::vector<DWORD> v(px);
        std::sort(v.begin(), v.end());
        return static_cast<int>(std::unique(v.begin(), v.end()) - v.begin());
    }
    int width = 0;
    int height = 0;
    std::vector<DWORD> px;
};

double Distance(const double a[4], const double b[4])
{
    double d = 0;
    for (int c = 0; c < 4; ++c)
        d += std::abs(a[c] - b[c]);
    return d;
}

// Every pair of the image's state rows differs clearly in its mean colour.
void ExpectDistinctRows(const wchar_t* pszName, int rows, int rowHeight)
{
    CPixels img(pszName);
    ASSERT_EQ(rows * rowHeight, img.height) << pszName;
    std::vector<std::vector<double>> means(rows, std::vector<double>(4));
    for (int i = 0; i < rows; ++i)
        img.Mean(i * rowHeight, (i + 1) * rowHeight, means[i].data());
    for (int i = 0; i < rows; ++i)
        for (int j = i + 1; j < rows; ++j)
            EXPECT_GT(Distance(means[i].data(), means[j].data()), 12.0)
                << pszName << " rows " << i << " and " << j;
}

} // namespace

TEST_F(CSkinsTest, ArchiveHoldsTheSkinsPackagesImagesAndFolderEntries)
{
    DWORD dwSize = 0;
    const BYTE* pZip = ModuleResource(L"ZIPRES", MAKEINTRESOURCEW(130), &dwSize);
    std::vector<std::string> names = ZipMemberNames(pZip, dwSize);
    std::vector<std::string> expected = {"Lang/",
                                         "Lang/ChineseSimplified/",
                                         "Lang/English/",
                                         "MainFrame.xml",
                                         "MsgWnd.xml",
                                         "msg.xml",
                                         "Lang/ChineseSimplified/MainFrame.lng",
                                         "Lang/ChineseSimplified/MsgWnd.lng",
                                         "Lang/ChineseSimplified/StringTable.lng",
                                         "Lang/English/MainFrame.lng",
                                         "Lang/English/MsgWnd.lng",
                                         "Lang/English/StringTable.lng",
                                         "page_home.png",
                                         "page_home_chs.png",
                                         "page_install.png",
                                         "page_finished.png",
                                         "btn_setup.png",
                                         "btn_alter.png",
                                         "btn_close.png",
                                         "btn_dlgclose.png",
                                         "btn_dlgyes.png",
                                         "btn_dlgno.png",
                                         "common_choose.png",
                                         "pro_bk.png",
                                         "pro_loading.png",
                                         "png_question.png",
                                         "png_message.png",
                                         "logo.ico"};
    EXPECT_EQ(expected, names);
    // Every file member reads through the engine's reader, back-slashed names included.
    for (const std::string& name : names)
    {
        if (name.back() == '/')
            continue;
        std::wstring wide(name.begin(), name.end());
        std::replace(wide.begin(), wide.end(), L'/', L'\\');
        EXPECT_FALSE(ReadMember(wide.c_str()).empty()) << name;
    }
}

TEST_F(CSkinsTest, EveryImageASkinNamesDecodesAtItsListedSize)
{
    std::set<std::wstring> named;
    for (const wchar_t* pszSkin : kSkinFiles)
    {
        std::set<std::wstring> names = ImageNamesIn(pszSkin);
        EXPECT_FALSE(names.empty()) << pszSkin;
        named.insert(names.begin(), names.end());
    }
    std::set<std::wstring> expected = {
        L"page_home.png", L"page_install.png", L"page_finished.png", L"btn_setup.png", L"btn_alter.png",
        L"btn_close.png", L"btn_dlgclose.png", L"btn_dlgyes.png",    L"btn_dlgno.png", L"common_choose.png",
        L"pro_bk.png",    L"pro_loading.png",  L"png_question.png"};
    EXPECT_EQ(expected, named);
    SkinsTest::CBuiltSkin skin(L"MsgWnd.xml"); // a manager to load through, as painting does
    for (const std::wstring& name : named)
    {
        const SkinUI::tagTImageInfo* pInfo = skin.manager.GetImageEx(name.c_str());
        ASSERT_NE(nullptr, pInfo) << "cannot decode " << std::string(name.begin(), name.end());
        auto it = ListedImageSizes().find(name);
        ASSERT_NE(ListedImageSizes().end(), it);
        EXPECT_EQ(it->second.cx, pInfo->nX) << std::string(name.begin(), name.end());
        EXPECT_EQ(it->second.cy, pInfo->nY) << std::string(name.begin(), name.end());
    }
}

TEST_F(CSkinsTest, ImagesNoSkinNamesDecodeToo)
{
    for (const wchar_t* pszName : {L"page_home_chs.png", L"png_message.png"})
    {
        CPixels img(pszName);
        EXPECT_EQ(ListedImageSizes().at(pszName).cx, img.width);
        EXPECT_EQ(ListedImageSizes().at(pszName).cy, img.height);
    }
    std::vector<BYTE> ico = ReadMember(L"logo.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(0, ico[0] | ico[1]);
    EXPECT_EQ(1, ico[2]); // icon, not cursor
    EXPECT_EQ(4, ico[4]); // 16, 32, 48 and 256
}

TEST_F(CSkinsTest, ButtonStateRowsDiffer)
{
    ExpectDistinctRows(L"btn_setup.png", 4, 40);
    ExpectDistinctRows(L"btn_alter.png", 4, 32);
    ExpectDistinctRows(L"btn_dlgyes.png", 4, 32);
    ExpectDistinctRows(L"btn_dlgno.png", 4, 32);
    ExpectDistinctRows(L"btn_close.png", 4, 14);
    ExpectDistinctRows(L"btn_dlgclose.png", 4, 14);
    ExpectDistinctRows(L"common_choose.png", 2, 14);
}

TEST_F(CSkinsTest, DisabledLargeButtonIsGreyAndNormalIsRed)
{
    CPixels img(L"btn_setup.png");
    ASSERT_EQ(160, img.height);
    double normal[4], disabled[4];
    img.Mean(0, 40, normal);
    img.Mean(120, 160, disabled);
    EXPECT_GT(normal[1] - normal[3], 80.0);               // red well above blue
    EXPECT_LT(std::abs(disabled[1] - disabled[3]), 10.0); // grey: red close to blue
}

TEST_F(CSkinsTest, NineSliceButtonsHaveRoundedTransparentCornersAndOpaqueBodies)
{
    struct
    {
        const wchar_t* name;
        int rowHeight;
    } images[] = {
        {L"btn_setup.png", 40}, {L"btn_alter.png", 32}, {L"btn_dlgyes.png", 32}, {L"btn_dlgno.png", 32}};
    for (const auto& image : images)
    {
        CPixels img(image.name);
        ASSERT_FALSE(img.px.empty());
        for (int row = 0; row < 4; ++row)
        {
            int y0 = row * image.rowHeight, y1 = y0 + image.rowHeight - 1;
            EXPECT_LT(img.At(0, y0) >> 24, 160u) << row; // corner cut away
            EXPECT_LT(img.At(img.width - 1, y1) >> 24, 160u) << row;
            EXPECT_EQ(255u, img.At(img.width / 2, y0 + image.rowHeight / 2) >> 24) << row;
            EXPECT_EQ(255u, img.At(5, y0 + image.rowHeight / 2) >> 24) << row; // edge slice solid
        }
    }
}

TEST_F(CSkinsTest, PageBackgroundsAreOpaqueAndDrawnNotFlat)
{
    for (const wchar_t* pszName :
         {L"page_home.png", L"page_home_chs.png", L"page_install.png", L"page_finished.png"})
    {
        CPixels img(pszName);
        ASSERT_EQ(600, img.width);
        EXPECT_TRUE(std::all_of(img.px.begin(), img.px.end(), [](DWORD p) { return (p >> 24) == 0xFF; }));
        EXPECT_GT(img.DistinctColours(), 400) << pszName;
        // The lower part, where texts and the progress bar sit, stays light.
        double lower[4];
        img.Mean(300, 400, lower);
        EXPECT_GT(lower[1] + lower[2] + lower[3], 3 * 235.0);
    }
}

TEST_F(CSkinsTest, ProgressFillStandsOutFromItsTrack)
{
    CPixels track(L"pro_bk.png"), fill(L"pro_loading.png");
    double t[4], f[4];
    track.Mean(0, 10, t);
    fill.Mean(0, 10, f);
    EXPECT_GT(Distance(t, f), 150.0);
    EXPECT_LT(fill.At(0, 0) >> 24, 128u); // round ends
    EXPECT_EQ(255u, fill.At(260, 5) >> 24);
}
