// DrawImageString / DrawImage: target rectangle, 9-slice, blended and opaque paths, tiling, hole.
// The images come from make_render_images.py; the formulas below repeat its pixels.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/render/CSoftwareBlend.h"
#include "engine/render/tagTDrawInfo.h"
#include "engine/resources/CScaledBitmapCache.h"
#include "engine/resources/tagTImageInfo.h"
#include "tests/engine/render/CGdiObjectCount.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

// btn_setup.png: R encodes the 9-slice region, G the column, B five times the row.
DWORD NineSlice(int x, int y)
{
    const int cx = x < 5 ? 0 : (x >= 155 ? 2 : 1);
    const int cy = y < 5 ? 0 : (y >= 35 ? 2 : 1);
    const DWORD r = 40 * cx + 30 * cy + 10;
    return (r << 16) | (static_cast<DWORD>(x) << 8) | ((y * 5) & 0xFF);
}

int Red(DWORD rgb)
{
    return static_cast<int>((rgb >> 16) & 0xFF);
}

bool Near(DWORD a, DWORD b, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8)
    {
        if (abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

// grid.png: R follows the column, G the row.
DWORD Grid(int x, int y)
{
    return static_cast<DWORD>(((10 + 60 * x) << 16) | ((10 + 60 * y) << 8) | 128);
}

DWORD Faded(DWORD rgb, int fade)
{
    DWORD out = 0;
    for (int shift = 0; shift < 24; shift += 8)
        out |= static_cast<DWORD>(((rgb >> shift) & 0xFF) * fade / 255) << shift;
    return out;
}

const wchar_t kButton[] = L"file='btn_setup.png' source='0,0,160,40' corner='5,5,5,5'";

} // namespace

TEST(DrawImageNineSlice, AtItsOwnSizeTheImageIsUnscaled)
{
    CPaintManagerUI manager;
    CTestDib dib(160, 40);
    RECT rc = dib.Bounds();
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, kButton));
    int nWrong = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 160; ++x)
            if (dib.Pixel(x, y) != NineSlice(x, y))
                ++nWrong;
    EXPECT_EQ(0, nWrong);
}

TEST(DrawImageNineSlice, StretchedTo200x50ItKeepsFivePixelBorders)
{
    CPaintManagerUI manager;
    CTestDib dib(200, 50);
    RECT rc = dib.Bounds();
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, kButton));
    // Corners are copied at source size.
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
        {
            EXPECT_EQ(NineSlice(x, y), dib.Pixel(x, y));
            EXPECT_EQ(NineSlice(155 + x, y), dib.Pixel(195 + x, y));
            EXPECT_EQ(NineSlice(x, 35 + y), dib.Pixel(x, 45 + y));
            EXPECT_EQ(NineSlice(155 + x, 35 + y), dib.Pixel(195 + x, 45 + y));
        }
    // Borders stay 5 pixels thick; the region code (red) changes exactly there.
    EXPECT_NEAR(Red(NineSlice(80, 2)), Red(dib.Pixel(100, 2)), 6); // top edge
    EXPECT_NEAR(Red(NineSlice(80, 3)), Red(dib.Pixel(100, 3)), 6);
    EXPECT_NEAR(Red(NineSlice(80, 20)), Red(dib.Pixel(100, 25)), 6); // middle
    EXPECT_NEAR(Red(NineSlice(80, 20)), Red(dib.Pixel(100, 6)), 6);
    EXPECT_NEAR(Red(NineSlice(80, 37)), Red(dib.Pixel(100, 47)), 6);  // bottom edge
    EXPECT_NEAR(Red(NineSlice(2, 20)), Red(dib.Pixel(2, 25)), 6);     // left edge
    EXPECT_NEAR(Red(NineSlice(157, 20)), Red(dib.Pixel(197, 25)), 6); // right edge
    EXPECT_NEAR(Red(NineSlice(80, 20)), Red(dib.Pixel(193, 25)), 6);
    // The middle is stretched: the column code runs over the wider middle.
    EXPECT_NEAR(80, static_cast<int>((dib.Pixel(100, 25) >> 8) & 0xFF), 3);
}

TEST(DrawImageTarget, WholeImageWithoutSourceAndPartWithSourceAndDest)
{
    CPaintManagerUI manager;
    CTestDib dib(40, 40);
    RECT rc = dib.Bounds();
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"common_choose.png"));
    EXPECT_EQ(0xFF0000u, dib.Pixel(20, 5)); // upper half stretched over the upper half
    EXPECT_EQ(0x0000FFu, dib.Pixel(20, 35));

    dib.Fill(0x000000);
    RECT rcItem = {10, 10, 40, 40};
    ASSERT_TRUE(CRenderEngine::DrawImageString(
        dib.DC(), &manager, rcItem, rc, L"file='common_choose.png' source='0,14,14,28' dest='0,0,14,14'"));
    EXPECT_EQ(0x0000FFu, dib.Pixel(10, 10));
    EXPECT_EQ(0x0000FFu, dib.Pixel(23, 23));
    EXPECT_EQ(0x000000u, dib.Pixel(24, 24));
    EXPECT_EQ(0x000000u, dib.Pixel(9, 9));
    EXPECT_EQ(14 * 14, dib.Count({10, 10, 24, 24}, 0x0000FF));
}

TEST(DrawImageTarget, AlignmentAndPaddingPlaceTheDestination)
{
    CPaintManagerUI manager;
    CTestDib dib(40, 40);
    RECT rc = dib.Bounds();
    ASSERT_TRUE(CRenderEngine::DrawImageString(
        dib.DC(), &manager, rc, rc, L"file='opaque.png' dest='0,0,10,10' align='right' valign='bottom'"));
    EXPECT_EQ(100, dib.Count({30, 30, 40, 40}, 0x2080F0));
    EXPECT_EQ(100, dib.Count(rc, 0x2080F0));

    dib.Fill(0x000000);
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc,
                                               L"file='opaque.png' dest='0,0,10,10' align='center' "
                                               L"valign='vcenter' padding='3,0,0,2'"));
    // Centred at 15..25, then moved right by 3 and up by 2.
    EXPECT_EQ(100, dib.Count({18, 13, 28, 23}, 0x2080F0));
}

TEST(DrawImageTarget, MissingImagesAndEmptyNamesFail)
{
    CPaintManagerUI manager;
    CTestDib dib(10, 10);
    RECT rc = dib.Bounds();
    EXPECT_FALSE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"file='no_such_image.png'"));
    EXPECT_FALSE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"file='' fade='3'"));
    EXPECT_FALSE(CRenderEngine::DrawImageString(dib.DC(), NULL, rc, rc, L"opaque.png"));
    EXPECT_FALSE(CRenderEngine::DrawImageInfo(dib.DC(), &manager, rc, rc, NULL));
    EXPECT_EQ(100, dib.Count(rc, 0x000000));
}

TEST(DrawImageTarget, PartsOutsideThePaintRectangleAreNotDrawn)
{
    CPaintManagerUI manager;
    CTestDib dib(200, 50);
    RECT rc = dib.Bounds();
    RECT rcPaint = {0, 0, 100, 50}; // the right corners and edge lie outside
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rcPaint, kButton));
    EXPECT_EQ(0x000000u, dib.Pixel(197, 2));
    EXPECT_EQ(0x000000u, dib.Pixel(197, 25));
    EXPECT_EQ(NineSlice(2, 2), dib.Pixel(2, 2));
}

TEST(DrawImageBlend, FadeAndPerPixelAlpha)
{
    CPaintManagerUI manager;
    CTestDib dib(20, 20);
    RECT rc = dib.Bounds();
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"file='opaque.png' fade='128'"));
    EXPECT_TRUE(Near(0x104078, dib.Pixel(10, 10), 2)) << std::hex << dib.Pixel(10, 10);

    dib.Fill(0x000000);
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"half_white.png"));
    EXPECT_TRUE(Near(0x808080, dib.Pixel(10, 10), 2)) << std::hex << dib.Pixel(10, 10);

    // Half-transparent white at half fade over white stays white; over black gives a quarter.
    dib.Fill(0x000000);
    ASSERT_TRUE(
        CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"file='half_white.png' fade='128'"));
    EXPECT_TRUE(Near(0x404040, dib.Pixel(10, 10), 2)) << std::hex << dib.Pixel(10, 10);
}

TEST(DrawImageBlend, HoleLeavesTheMiddleUnpainted)
{
    CPaintManagerUI manager;
    CTestDib dib(200, 50);
    RECT rc = dib.Bounds();
    for (const wchar_t* pHole : {L"file='btn_setup.png' corner='5,5,5,5' hole='true'",
                                 L"file='btn_setup.png' corner='5,5,5,5' hole='true' fade='200'"})
    {
        dib.Fill(0x000000);
        ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, pHole));
        EXPECT_EQ(0, dib.CountNot({5, 5, 195, 45}, 0x000000)) << pHole;
        EXPECT_NE(0x000000u, dib.Pixel(2, 25));
        EXPECT_NE(0x000000u, dib.Pixel(100, 2));
    }
}

TEST(DrawImageTiling, MiddleRepeatsAtSourceSize)
{
    CPaintManagerUI manager;
    CTestDib dib(18, 8);
    RECT rc = dib.Bounds();
    for (const wchar_t* pTile :
         {L"file='tile.png' xtiled='true'", L"file='tile.png' xtiled='true' ytiled='true'"})
    {
        dib.Fill(0x808080);
        ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, pTile));
        for (int x = 0; x < 18; ++x)
        {
            const DWORD expected = (x % 4) < 2 ? 0x000000 : 0xFFFFFF;
            EXPECT_EQ(expected, dib.Pixel(x, 1)) << pTile << " x=" << x;
            EXPECT_EQ(expected, dib.Pixel(x, 6)) << pTile << " x=" << x;
        }
    }
}

TEST(DrawImageBlend, SoftwareBlendMatchesAlphaBlend)
{
    CPaintManagerUI manager;
    const tagTImageInfo* pImage = manager.GetImageEx(L"half_white.png");
    ASSERT_NE(nullptr, pImage);
    ASSERT_TRUE(pImage->bAlpha);
    const tagTImageInfo* pButton = manager.GetImageEx(L"btn_setup.png");
    ASSERT_NE(nullptr, pButton);

    CTestDib viaSoftware(60, 30);
    CTestDib viaDrawImage(60, 30);
    viaSoftware.Fill(0x336699);
    viaDrawImage.Fill(0x336699);
    RECT rcDest = {5, 5, 45, 25};
    RECT rcSrc = {0, 0, 20, 20};
    RECT rcNoCorner = {0, 0, 0, 0};
    ASSERT_TRUE(CSoftwareBlend::Blend(viaSoftware.DC(), rcDest, pImage->hBitmap, rcSrc, 200, true));
    RECT rcAll = viaDrawImage.Bounds();
    CRenderEngine::DrawImage(viaDrawImage.DC(), pImage->hBitmap, rcDest, rcAll, rcSrc, rcNoCorner, true, 200);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_TRUE(Near(viaDrawImage.Pixel(x, y), viaSoftware.Pixel(x, y), 2))
                << x << "," << y << std::hex << " " << viaDrawImage.Pixel(x, y) << " "
                << viaSoftware.Pixel(x, y);

    // An opaque image at a constant fade, unscaled, so both paths sample the same pixels.
    RECT rcButton = {0, 0, 60, 30};
    RECT rcButtonSrc = {50, 5, 110, 35};
    viaSoftware.Fill(0x000000);
    viaDrawImage.Fill(0x000000);
    ASSERT_TRUE(CSoftwareBlend::Blend(viaSoftware.DC(), rcButton, pButton->hBitmap, rcButtonSrc, 100, false));
    CRenderEngine::DrawImage(viaDrawImage.DC(), pButton->hBitmap, rcButton, rcAll, rcButtonSrc, rcNoCorner,
                             false, 100);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_TRUE(Near(viaDrawImage.Pixel(x, y), viaSoftware.Pixel(x, y), 2))
                << x << "," << y << std::hex << " " << viaDrawImage.Pixel(x, y) << " "
                << viaSoftware.Pixel(x, y);
}

TEST(DrawImageTiling, EachTiledDirectionRepeatsOnBothPaths)
{
    // The tile varies along both axes, so a stretched middle cannot pass for a tiled one.
    CPaintManagerUI manager;
    struct
    {
        const wchar_t* pDescription;
        int cx;
        int cy;
        bool bTileX;
        bool bTileY;
        int fade;
    } cases[] = {
        {L"file='grid.png' ytiled='true'", 4, 18, false, true, 255},
        {L"file='grid.png' ytiled='true' fade='200'", 4, 18, false, true, 200},
        {L"file='grid.png' xtiled='true'", 18, 4, true, false, 255},
        {L"file='grid.png' xtiled='true' fade='200'", 18, 4, true, false, 200},
        {L"file='grid.png' xtiled='true' ytiled='true'", 18, 18, true, true, 255},
        {L"file='grid.png' xtiled='true' ytiled='true' fade='200'", 18, 18, true, true, 200},
    };
    for (const auto& c : cases)
    {
        CTestDib dib(c.cx, c.cy);
        RECT rc = dib.Bounds();
        ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, c.pDescription));
        int nWrong = 0;
        for (int y = 0; y < c.cy; ++y)
            for (int x = 0; x < c.cx; ++x)
            {
                const DWORD expected = Faded(Grid(c.bTileX ? x % 4 : x, c.bTileY ? y % 4 : y), c.fade);
                if (!Near(expected, dib.Pixel(x, y), 2))
                    ++nWrong;
            }
        EXPECT_EQ(0, nWrong) << c.pDescription;
    }
}

TEST(DrawImageScaledCache, StretchedPartsEqualADirectStretch)
{
    CPaintManagerUI manager;
    const tagTImageInfo* pImage = manager.GetImageEx(L"page_home.png");
    ASSERT_NE(nullptr, pImage);
    const RECT rcSrc = {0, 0, 600, 400};
    const RECT rcNoCorner = {0, 0, 0, 0};
    const RECT rcCorner = {5, 5, 5, 5};
    // The installer's 115 % page, at an offset, and a second size of the same image.
    const RECT targets[] = {{0, 0, 690, 460}, {7, 3, 697, 463}, {0, 0, 650, 430}};
    for (const RECT& rcTarget : targets)
    {
        for (const wchar_t* pDescription : {L"file='page_home.png' source='0,0,600,400'",
                                            L"file='page_home.png' source='0,0,600,400' corner='5,5,5,5'"})
        {
            const bool bCorner = wcsstr(pDescription, L"corner") != NULL;
            CTestDib direct(700, 470);
            RECT rcAll = direct.Bounds();
            CRenderEngine::DrawImage(direct.DC(), pImage->hBitmap, rcTarget, rcAll, rcSrc,
                                     bCorner ? rcCorner : rcNoCorner, false);
            // First paint makes the scaled copy, the second one only copies it.
            for (int nPaint = 0; nPaint < 2; ++nPaint)
            {
                CTestDib cached(700, 470);
                ASSERT_TRUE(
                    CRenderEngine::DrawImageString(cached.DC(), &manager, rcTarget, rcAll, pDescription));
                EXPECT_TRUE(cached.SameAs(direct))
                    << rcTarget.left << " " << rcTarget.right << " paint " << nPaint << " " << bCorner;
            }
        }
    }
    EXPECT_GT(pImage->scaled.GetSize(), 0);
    EXPECT_LE(pImage->scaled.GetSize(), static_cast<int>(CScaledBitmapCache::MAX_ENTRIES));

    // Only the paint rectangle is copied from the scaled part.
    CTestDib partial(700, 470);
    RECT rcTarget = {0, 0, 690, 460};
    RECT rcPaint = {100, 50, 300, 200};
    ASSERT_TRUE(CRenderEngine::DrawImageString(partial.DC(), &manager, rcTarget, rcPaint,
                                               L"file='page_home.png' source='0,0,600,400'"));
    EXPECT_EQ(690 * 460 - 200 * 150, partial.Count(rcTarget, 0x000000));
}

TEST(DrawImageScaledCache, CopiesGoWithTheImageAndStayBounded)
{
    CPaintManagerUI manager;
    const int nGdiBefore = CGdiObjectCount::InUse();
    {
        const tagTImageInfo* pImage = manager.GetImageEx(L"btn_setup.png");
        ASSERT_NE(nullptr, pImage);
        // More sizes than the cache holds: the oldest copies are dropped.
        for (int i = 0; i < CScaledBitmapCache::MAX_ENTRIES + 8; ++i)
        {
            CTestDib dib(200, 60);
            RECT rc = {0, 0, 161 + i, 41};
            ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"btn_setup.png"));
        }
        EXPECT_EQ(static_cast<int>(CScaledBitmapCache::MAX_ENTRIES), pImage->scaled.GetSize());

        // A reload gives the record new pixels, and drops the copies of the old ones.
        manager.ReloadImages();
        EXPECT_EQ(pImage, manager.GetImageEx(L"btn_setup.png"));
        EXPECT_EQ(0, pImage->scaled.GetSize());
        CTestDib dib(200, 60);
        RECT rc = {0, 0, 170, 50};
        ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rc, rc, L"btn_setup.png"));
        EXPECT_EQ(1, pImage->scaled.GetSize());
        manager.RemoveAllImages();
        manager.RemoveAllDrawInfos();
    }
    const int nGdiAfter = CGdiObjectCount::InUse();
    EXPECT_LE(nGdiAfter, nGdiBefore);
    printf("GDI objects before %d, after %d\n", nGdiBefore, nGdiAfter);
}

TEST(DrawImageTarget, HugeDestinationsSaturateInsteadOfWrapping)
{
    CPaintManagerUI manager;
    CTestDib dib(60, 60);
    RECT rcAll = dib.Bounds();
    RECT rcItem = {10, 10, 50, 50};
    // rcItem.left + 2147483647 must stay at the item's right edge, not wrap to the far left.
    ASSERT_TRUE(CRenderEngine::DrawImageString(dib.DC(), &manager, rcItem, rcAll,
                                               L"file='opaque.png' dest='0,0,2147483647,2147483647'"));
    EXPECT_EQ(40 * 40, dib.Count(rcItem, 0x2080F0));
}

TEST(DrawImageTarget, HostileNumbersNeverPaintOutsideTheItem)
{
    // Destinations beyond the coordinate range, negative and huge corners, sources outside the
    // image: whatever is drawn stays inside the item, and nothing wraps around.
    CPaintManagerUI manager;
    const DWORD kBack = 0x123456;
    const RECT rcItem = {10, 10, 50, 50};
    const int kAny = -1;
    struct
    {
        const wchar_t* pDescription;
        int nPainted; // item pixels that change, or kAny
    } cases[] = {
        {L"file='opaque.png' dest='-2147483648,0,40,40'", kAny},
        {L"file='opaque.png' dest='-2147483648,0,40,40' xtiled='true'", kAny},
        {L"file='opaque.png' dest='0,-2147483648,40,40' ytiled='true'", kAny},
        {L"file='opaque.png' dest='-2147483648,-2147483648,40,40' xtiled='true' ytiled='true' fade='128'",
         kAny},
        {L"file='opaque.png' dest='-2147483648,0,40,40' corner='5,5,5,5'", kAny},
        {L"file='opaque.png' dest='-2147483648,0,40,40' corner='5,5,5,5' fade='200'", kAny},
        // Negative corners count as none: the image covers the item.
        {L"file='opaque.png' corner='0,0,-2147483648,0'", 40 * 40},
        {L"file='opaque.png' corner='0,0,-2147483648,0' xtiled='true'", 40 * 40},
        {L"file='opaque.png' corner='-2147483648,-2147483648,-2147483648,-2147483648' fade='128'", 40 * 40},
        // Corners are limited by the item and by the image (20 x 20): the four corners tile it.
        {L"file='opaque.png' corner='2147483647,2147483647,2147483647,2147483647'", 40 * 40},
        {L"file='opaque.png' corner='2147483647,2147483647,2147483647,2147483647' fade='200'", 40 * 40},
        {L"file='opaque.png' corner='2147483647,0,0,0' ytiled='true'", 20 * 40}, // no middle left
        {L"file='opaque.png' corner='0,0,100,0'", 20 * 40},
        // Sources are limited to the image.
        {L"file='opaque.png' source='-2147483648,-2147483648,20,20'", 40 * 40},
        {L"file='opaque.png' source='-2147483648,-2147483648,20,20' corner='2,2,2,2' xtiled='true'", 40 * 40},
        {L"file='opaque.png' source='0,0,2147483647,2147483647' fade='128'", 40 * 40},
        {L"file='opaque.png' source='2147483647,2147483647,2147483647,2147483647' corner='1,1,1,1'", 0},
    };
    for (const auto& c : cases)
    {
        // Parsed by the window (its DPI scaling normalises rectangles) and without a manager,
        // where the numbers reach the drawing code exactly as written.
        tagTDrawInfo raw;
        raw.Parse(c.pDescription, L"", NULL);
        const tagTDrawInfo* infos[] = {manager.GetDrawInfo(c.pDescription, L""), &raw};
        for (const tagTDrawInfo* pInfo : infos)
        {
            CTestDib dib(60, 60);
            dib.Fill(kBack);
            RECT rcAll = dib.Bounds();
            CRenderEngine::DrawImageInfo(dib.DC(), &manager, rcItem, rcAll, pInfo);
            const int nInside = dib.CountNot(rcItem, kBack);
            const bool bRaw = pInfo == &raw;
            EXPECT_EQ(nInside, dib.CountNot(rcAll, kBack))
                << "painted outside the item: " << c.pDescription << " raw " << bRaw;
            if (c.nPainted != kAny)
            {
                EXPECT_EQ(c.nPainted, nInside) << c.pDescription << " raw " << bRaw;
            }
            if (c.nPainted == 40 * 40 && wcsstr(c.pDescription, L"fade") == NULL)
            {
                EXPECT_EQ(40 * 40, dib.Count(rcItem, 0x2080F0)) << c.pDescription << " raw " << bRaw;
            }
        }
    }

    // The same numbers given straight to DrawImage.
    const tagTImageInfo* pImage = manager.GetImageEx(L"opaque.png");
    ASSERT_NE(nullptr, pImage);
    const RECT rcHuge = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const RECT rcHugeCorners = {INT_MAX, INT_MAX, INT_MAX, INT_MAX};
    const RECT rcNegativeCorners = {INT_MIN, INT_MIN, INT_MIN, INT_MIN};
    for (int fade : {255, 128})
    {
        CTestDib dib(60, 60);
        dib.Fill(kBack);
        RECT rcAll = dib.Bounds();
        CRenderEngine::DrawImage(dib.DC(), pImage->hBitmap, rcHuge, rcAll, rcHuge, rcNegativeCorners, false,
                                 static_cast<BYTE>(fade), false, true, true);
        EXPECT_EQ(0, dib.CountNot(rcAll, kBack)) << fade; // a target GDI cannot address
        CRenderEngine::DrawImage(dib.DC(), pImage->hBitmap, rcItem, rcAll, rcHuge, rcHugeCorners, false,
                                 static_cast<BYTE>(fade));
        EXPECT_EQ(40 * 40, dib.CountNot(rcItem, kBack)) << fade;
        EXPECT_EQ(40 * 40, dib.CountNot(rcAll, kBack)) << fade;

        // A target just inside the range stays within its bounds; tiles are made only where
        // they can be seen.
        for (int nTiled = 0; nTiled < 4; ++nTiled)
        {
            dib.Fill(kBack);
            const RECT rcWide = {-INT_MAX + 100, 10, 50, 50};
            const RECT rcWhole = {0, 0, 20, 20};
            const RECT rcNoCorner = {0, 0, 0, 0};
            CRenderEngine::DrawImage(dib.DC(), pImage->hBitmap, rcWide, rcAll, rcWhole, rcNoCorner, false,
                                     static_cast<BYTE>(fade), false, (nTiled & 1) != 0, (nTiled & 2) != 0);
            const RECT rcVisible = {0, 10, 50, 50};
            const int nVisible = dib.CountNot(rcVisible, kBack);
            EXPECT_EQ(nVisible, dib.CountNot(rcAll, kBack)) << fade << " " << nTiled;
            // Tiles across are copied at source size; a stretch that wide is up to GDI, which
            // may refuse it.
            if (nTiled & 1)
            {
                EXPECT_EQ(50 * 40, nVisible) << fade << " " << nTiled;
            }
            // Tiles at the very end of the range: the next tile's start lies beyond it, and the
            // loop must still end.
            const RECT rcAtEnd = {INT_MAX - 50, INT_MAX - 50, INT_MAX, INT_MAX};
            CRenderEngine::DrawImage(dib.DC(), pImage->hBitmap, rcAtEnd, rcAtEnd, rcWhole, rcNoCorner, false,
                                     static_cast<BYTE>(fade), false, (nTiled & 1) != 0, (nTiled & 2) != 0);
            EXPECT_EQ(nVisible, dib.CountNot(rcAll, kBack)) << fade << " " << nTiled;
        }
    }
}
