// Colour fills, gradients, lines, rectangles, clips, colour adjustment, bitmaps, msimg32.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <wchar.h>

#include "engine/render/CMsimg32.h"
#include "engine/render/CRenderClip.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CGdiObject.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

int Channel(DWORD rgb, int shift)
{
    return static_cast<int>((rgb >> shift) & 0xFF);
}

} // namespace

TEST(DrawColorFill, AlphaZeroDrawsNothingHalfAlphaBlendsOpaqueReplaces)
{
    CTestDib dib(10, 10);
    RECT rc = dib.Bounds();
    CRenderEngine::DrawColor(dib.DC(), rc, 0x00FFFFFF);
    EXPECT_EQ(100, dib.Count(rc, 0x000000));

    CRenderEngine::DrawColor(dib.DC(), rc, 0x80FFFFFF);
    EXPECT_NEAR(0x80, Channel(dib.Pixel(5, 5), 0), 2);
    EXPECT_NEAR(0x80, Channel(dib.Pixel(5, 5), 16), 2);

    RECT rcPart = {2, 2, 6, 6};
    CRenderEngine::DrawColor(dib.DC(), rcPart, 0xFF123456);
    EXPECT_EQ(16, dib.Count(rc, 0x123456));
    EXPECT_EQ(0x123456u, dib.Pixel(2, 2));
    EXPECT_NE(0x123456u, dib.Pixel(6, 6));
}

TEST(DrawGradientFill, RunsFromFirstToSecondColourInBothDirections)
{
    CTestDib dib(64, 64);
    RECT rc = dib.Bounds();
    CRenderEngine::DrawGradient(dib.DC(), rc, 0xFFFF0000, 0xFF0000FF, true, 64);
    EXPECT_GT(Channel(dib.Pixel(10, 1), 16), 240);
    EXPECT_LT(Channel(dib.Pixel(10, 1), 0), 15);
    EXPECT_GT(Channel(dib.Pixel(10, 62), 0), 240);
    EXPECT_EQ(dib.Pixel(3, 32), dib.Pixel(60, 32)); // constant along a row

    CRenderEngine::DrawGradient(dib.DC(), rc, 0xFF000000, 0xFF00FF00, false, 64);
    EXPECT_LT(Channel(dib.Pixel(1, 10), 8), 15);
    EXPECT_GT(Channel(dib.Pixel(62, 10), 8), 240);
    EXPECT_NEAR(128, Channel(dib.Pixel(32, 10), 8), 10);

    // Alpha is the mean of both: 0 draws nothing, 0x80 blends.
    dib.Fill(0x000000);
    CRenderEngine::DrawGradient(dib.DC(), rc, 0x00FFFFFF, 0x00FFFFFF, true, 8);
    EXPECT_EQ(64 * 64, dib.Count(rc, 0x000000));
    CRenderEngine::DrawGradient(dib.DC(), rc, 0x80FFFFFF, 0x80FFFFFF, true, 8);
    EXPECT_NEAR(0x80, Channel(dib.Pixel(30, 30), 0), 3);
}

TEST(DrawOutlines, LineRectAndRoundRect)
{
    CTestDib dib(20, 20);
    RECT rcLine = {2, 5, 18, 5};
    CRenderEngine::DrawLine(dib.DC(), rcLine, 1, 0xFF00FF00);
    EXPECT_EQ(0x00FF00u, dib.Pixel(2, 5));
    EXPECT_EQ(0x00FF00u, dib.Pixel(17, 5));
    EXPECT_EQ(0x000000u, dib.Pixel(10, 6));

    dib.Fill(0x000000);
    RECT rc = {2, 2, 12, 12};
    CRenderEngine::DrawRect(dib.DC(), rc, 1, 0xFFFF0000);
    EXPECT_EQ(0xFF0000u, dib.Pixel(2, 2));
    EXPECT_EQ(0xFF0000u, dib.Pixel(11, 11));
    EXPECT_EQ(0xFF0000u, dib.Pixel(7, 2));
    EXPECT_EQ(0x000000u, dib.Pixel(12, 12)); // drawn inside the rectangle
    EXPECT_EQ(0x000000u, dib.Pixel(7, 7));

    dib.Fill(0x000000);
    RECT rcRound = {0, 0, 20, 20};
    CRenderEngine::DrawRoundRect(dib.DC(), rcRound, 1, 10, 10, 0xFF0000FF);
    EXPECT_EQ(0x000000u, dib.Pixel(0, 0)); // corner cut by the ellipse
    EXPECT_EQ(0x0000FFu, dib.Pixel(10, 0));
    EXPECT_EQ(0x000000u, dib.Pixel(10, 10)); // empty brush
}

TEST(RenderClipGuard, LimitsDrawingAndRestoresOnDestruction)
{
    CTestDib dib(20, 20);
    RECT rcAll = dib.Bounds();
    {
        CRenderClip clip;
        CRenderClip::GenerateClip(dib.DC(), {5, 5, 10, 10}, clip);
        CRenderEngine::DrawColor(dib.DC(), rcAll, 0xFFFFFFFF);
        EXPECT_EQ(25, dib.Count(rcAll, 0xFFFFFF));
        CRenderClip::UseOldClipBegin(dib.DC(), clip);
        CRenderEngine::DrawColor(dib.DC(), {0, 0, 2, 2}, 0xFFFF0000);
        CRenderClip::UseOldClipEnd(dib.DC(), clip);
        CRenderEngine::DrawColor(dib.DC(), {15, 15, 20, 20}, 0xFFFF0000);
        EXPECT_EQ(4, dib.Count(rcAll, 0xFF0000));
    }
    CRenderEngine::DrawColor(dib.DC(), {15, 15, 20, 20}, 0xFF00FF00);
    EXPECT_EQ(25, dib.Count(rcAll, 0x00FF00));

    dib.Fill(0x000000);
    {
        CRenderClip clip;
        CRenderClip::GenerateRoundClip(dib.DC(), rcAll, {0, 0, 19, 19}, 10, 10, clip);
        CRenderEngine::DrawColor(dib.DC(), rcAll, 0xFFFFFFFF);
        EXPECT_EQ(0x000000u, dib.Pixel(0, 0));
        EXPECT_EQ(0xFFFFFFu, dib.Pixel(10, 10));
        EXPECT_EQ(0xFFFFFFu, dib.Pixel(10, 0));
    }
}

TEST(ColorAdjust, HueSaturationLightness)
{
    EXPECT_EQ(0x80123456u, CRenderEngine::AdjustColor(0x80123456, 180, 100, 100));
    EXPECT_EQ(0xFF00FF00u, CRenderEngine::AdjustColor(0xFFFF0000, 300, 100, 100)); // red + 120 degrees
    EXPECT_EQ(0xFF0000FFu, CRenderEngine::AdjustColor(0xFFFF0000, 60, 100, 100));  // red - 120 degrees
    EXPECT_EQ(0x7F000000u, CRenderEngine::AdjustColor(0x7FFF0000, 180, 100, 0));   // alpha kept
    EXPECT_EQ(0xFF808080u, CRenderEngine::AdjustColor(0xFFFF0000, 180, 0, 100));
}

TEST(ColorAdjust, CreateARGB32BitmapIsBottomUp32Bit)
{
    BYTE* pBits = NULL;
    CGdiObject<HBITMAP> hBitmap(CRenderEngine::CreateARGB32Bitmap(NULL, 7, 3, &pBits));
    ASSERT_FALSE(hBitmap.IsNull());
    ASSERT_NE(nullptr, pBits);
    DIBSECTION ds;
    ASSERT_EQ(static_cast<int>(sizeof(ds)), ::GetObjectW(hBitmap, sizeof(ds), &ds));
    EXPECT_EQ(32, ds.dsBm.bmBitsPixel);
    EXPECT_EQ(7, ds.dsBmih.biWidth);
    EXPECT_EQ(3, ds.dsBmih.biHeight);
    EXPECT_EQ(nullptr, CRenderEngine::CreateARGB32Bitmap(NULL, 0, 3, &pBits));
    EXPECT_EQ(nullptr, pBits);
    EXPECT_EQ(nullptr, CRenderEngine::CreateARGB32Bitmap(NULL, 100000, 100000, &pBits));
}

TEST(Msimg32Loading, ComesFromTheSystemFolder)
{
    HMODULE hModule = CMsimg32::Module();
    ASSERT_NE(nullptr, hModule);
    EXPECT_NE(nullptr, CMsimg32::AlphaBlend());
    EXPECT_NE(nullptr, CMsimg32::GradientFill());
    wchar_t szModule[MAX_PATH] = {0};
    wchar_t szSystem[MAX_PATH] = {0};
    ::GetModuleFileNameW(hModule, szModule, MAX_PATH);
    UINT n = ::GetSystemDirectoryW(szSystem, MAX_PATH);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(0, _wcsnicmp(szModule, szSystem, n)) << szModule;
    EXPECT_EQ(0, _wcsicmp(szModule + n, L"\\msimg32.dll")) << szModule;
}
