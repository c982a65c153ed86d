// Progress bar: the revealed part of the fill image for a value (unstretched and stretched, at
// 100 % and 115 %), ignored values, a repaired empty range, the whole int range, the vertical
// colour fill and the percentage text.
#include <gtest/gtest.h>

#include <climits>

#include "engine/controls/CProgressUI.h"
#include "tests/engine/controls/ControlTestSupport.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

class ProgressTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pBar = new CProgressUI;
        m_pBar->SetAttribute(L"bkimage", L"file='pro_bk.png'");
        m_pBar->SetAttribute(L"foreimage", L"file='pro_loading.png'");
        m_manager.AttachDialog(m_pBar);
    }
    // Colour of each column of row 1 of the bar painted at (0, 0) of a surface.
    std::vector<DWORD> Columns(int cx, int cy)
    {
        m_pBar->SetPos(RECT{0, 0, cx, cy}, false);
        CTestDib dib(cx, cy);
        m_pBar->Paint(dib.DC(), dib.Bounds());
        std::vector<DWORD> v;
        for (int x = 0; x < cx; ++x)
            v.push_back(dib.Pixel(x, 1));
        return v;
    }

    CPaintManagerUI m_manager;
    CProgressUI* m_pBar = nullptr;
};

} // namespace

TEST_F(ProgressTest, ValueRevealsItsShareOfTheFillFromTheLeft)
{
    m_pBar->SetStretchForeImage(false);
    m_pBar->SetValue(33);
    const std::vector<DWORD> v = Columns(300, 4);
    // 300 × 33 / 100 = 99 columns of the image's red first third, then the background.
    for (int x = 0; x < 99; ++x)
        ASSERT_EQ(kRed, v[x]) << x;
    for (int x = 99; x < 300; ++x)
        ASSERT_EQ(kGrey, v[x]) << x;
}

TEST_F(ProgressTest, StretchedFillSqueezesTheWholeImage)
{
    m_pBar->SetValue(33);
    const std::vector<DWORD> v = Columns(300, 4);
    EXPECT_EQ(kRed, v[5]);
    EXPECT_EQ(kGreen, v[49]);
    EXPECT_EQ(kBlue, v[94]);
    EXPECT_EQ(kGrey, v[150]);
}

TEST_F(ProgressTest, FillIsComputedInLogicalPixelsAt115Percent)
{
    m_manager.GetDPIObj()->SetScale(110);
    m_pBar->SetStretchForeImage(false);
    m_pBar->SetValue(33);
    // 345 × 33 / 100 = 113 device pixels = 98 logical ones, drawn back at 113 device pixels:
    // still only the red third, never green.
    const std::vector<DWORD> v = Columns(345, 5);
    for (int x = 0; x < 110; ++x)
        ASSERT_EQ(kRed, v[x]) << x;
    for (int x = 116; x < 345; ++x)
        ASSERT_EQ(kGrey, v[x]) << x;
    for (DWORD c : v)
        ASSERT_NE(kGreen, c);
}

TEST_F(ProgressTest, EqualOrOutOfRangeValuesAreIgnored)
{
    m_pBar->SetShowText(true);
    m_pBar->SetValue(42);
    EXPECT_STREQ(L"42%", m_pBar->GetText());
    m_pBar->SetValue(101);
    m_pBar->SetValue(-1);
    EXPECT_EQ(42, m_pBar->GetValue());
    EXPECT_STREQ(L"42%", m_pBar->GetText());
    m_pBar->SetAttribute(L"min", L"40");
    m_pBar->SetAttribute(L"max", L"60");
    m_pBar->SetValue(50);
    EXPECT_STREQ(L"50%", m_pBar->GetText());
    m_pBar->SetValue(39);
    EXPECT_EQ(50, m_pBar->GetValue());
}

TEST_F(ProgressTest, EmptyRangeIsRepairedWhenPainting)
{
    m_pBar->SetMinValue(50);
    m_pBar->SetMaxValue(50);
    m_pBar->SetShowText(true);
    m_pBar->SetValue(50);
    const std::vector<DWORD> v = Columns(300, 4);
    EXPECT_EQ(51, m_pBar->GetMaxValue());
    EXPECT_EQ(50, m_pBar->GetValue());
    for (DWORD c : v)
        ASSERT_EQ(kGrey, c);

    // Minimum above maximum, value beyond both: clamped, no division by zero.
    m_pBar->SetMinValue(2147483647);
    m_pBar->SetMaxValue(-5);
    Columns(300, 4);
    EXPECT_LT(m_pBar->GetMinValue(), m_pBar->GetMaxValue());
}

TEST_F(ProgressTest, FullIntRangeRevealsHalfAtZero)
{
    // The distance from the minimum to the value does not fit an int here.
    m_pBar->SetStretchForeImage(false);
    m_pBar->SetShowText(true);
    m_pBar->SetMinValue(INT_MIN);
    m_pBar->SetMaxValue(INT_MAX);
    m_pBar->SetValue(1);
    m_pBar->SetValue(0);
    EXPECT_STREQ(L"50%", m_pBar->GetText());
    // 300 × 2^31 / (2^32 − 1) = 150 columns: the red third and half the green one.
    const std::vector<DWORD> v = Columns(300, 4);
    for (int x = 0; x < 100; ++x)
        ASSERT_EQ(kRed, v[x]) << x;
    for (int x = 100; x < 150; ++x)
        ASSERT_EQ(kGreen, v[x]) << x;
    for (int x = 150; x < 300; ++x)
        ASSERT_EQ(kGrey, v[x]) << x;
}

TEST_F(ProgressTest, VerticalColourFillsFromTheBottom)
{
    m_pBar->SetForeImage(L"");
    m_pBar->SetBkImage(L"");
    m_pBar->SetAttribute(L"forecolor", L"#FF0000FF");
    m_pBar->SetHorizontal(false);
    m_pBar->SetValue(25);
    m_pBar->SetPos(RECT{0, 0, 4, 40}, false);
    CTestDib dib(4, 40);
    m_pBar->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0u, dib.Pixel(1, 29));
    EXPECT_EQ(kBlue, dib.Pixel(1, 30));
    EXPECT_EQ(kBlue, dib.Pixel(1, 39));
    EXPECT_EQ(12, m_pBar->GetFixedHeight());
}

TEST_F(ProgressTest, FillAwayFromTheOriginAt115Percent)
{
    // The bar as the installing page places it: not at the surface's origin.
    m_manager.GetDPIObj()->SetScale(110);
    m_pBar->SetStretchForeImage(false);
    m_pBar->SetValue(90);
    m_pBar->SetPos(RECT{46, 20, 644, 32}, false);
    CTestDib dib(690, 40);
    m_pBar->Paint(dib.DC(), dib.Bounds());
    // 598 × 90 / 100 = 538 device pixels of fill from x = 46.
    EXPECT_EQ(kRed, dib.Pixel(50, 25));
    EXPECT_NE(kGrey, dib.Pixel(46 + 530, 25));
    EXPECT_EQ(kGrey, dib.Pixel(46 + 560, 25));
}
