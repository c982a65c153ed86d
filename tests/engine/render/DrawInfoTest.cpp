// tagTDrawInfo::Parse: keys, the modifier, malformed items and the scaled-name rule.
#include <gtest/gtest.h>

#include <limits.h>

#include "engine/manager/CDPI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/tagTDrawInfo.h"
#include "tests/support/ExpectRect.h"

using namespace SkinUI;

TEST(DrawInfoParse, BareNameAndFileKeyNameTheSameImage)
{
    tagTDrawInfo a, b;
    a.Parse(L"pro_bk.png", NULL, NULL);
    b.Parse(L"file='pro_bk.png'", NULL, NULL);
    EXPECT_STREQ(L"pro_bk.png", a.m_sImageName);
    EXPECT_STREQ(L"pro_bk.png", b.m_sImageName);
    EXPECT_EQ(255, a.m_uFade);
    ExpectRect(a.m_rcSource, 0, 0, 0, 0);
}

TEST(DrawInfoParse, EveryKey)
{
    tagTDrawInfo info;
    info.Parse(
        L"res='7' restype='PNG' dest='1,2,3,4' source='5,6,7,8' corner='9,10,11,12' mask='#FFFF00FF' "
        L"fade='128' hole='TRUE' xtiled='true' ytiled='True' hsl='true' padding='1,1,2,2' align='right' "
        L"valign='bottom' width='20' height='30' fillcolor='0xFF112233'",
        NULL, NULL);
    EXPECT_STREQ(L"7", info.m_sImageName);
    EXPECT_STREQ(L"PNG", info.m_sResType);
    ExpectRect(info.m_rcDest, 1, 2, 3, 4);
    ExpectRect(info.m_rcSource, 5, 6, 7, 8);
    ExpectRect(info.m_rcCorner, 9, 10, 11, 12);
    ExpectRect(info.m_rcPadding, 1, 1, 2, 2);
    EXPECT_EQ(0xFFFF00FFu, info.m_dwMask);
    EXPECT_EQ(128, info.m_uFade);
    EXPECT_TRUE(info.m_bHole);
    EXPECT_TRUE(info.m_bTiledX);
    EXPECT_TRUE(info.m_bTiledY);
    EXPECT_TRUE(info.m_bHSL);
    EXPECT_EQ(static_cast<UINT>(tagTDrawInfo::ALIGN_RIGHT | tagTDrawInfo::ALIGN_BOTTOM), info.m_uAlign);
    EXPECT_EQ(20, info.m_nWidth);
    EXPECT_EQ(30, info.m_nHeight);
    EXPECT_EQ(0xFF112233u, info.m_dwFillColor);
    EXPECT_STREQ(
        L"res='7' restype='PNG' dest='1,2,3,4' source='5,6,7,8' corner='9,10,11,12' mask='#FFFF00FF' "
        L"fade='128' hole='TRUE' xtiled='true' ytiled='True' hsl='true' padding='1,1,2,2' align='right' "
        L"valign='bottom' width='20' height='30' fillcolor='0xFF112233'",
        info.m_sDrawString);
}

TEST(DrawInfoParse, ModifierOverridesAndAlignmentBitsToggle)
{
    tagTDrawInfo info;
    info.Parse(L"file='a.png' align='center' valign='vcenter' fade='10'",
               L"file='b.png' align='left' fade='200'", NULL);
    EXPECT_STREQ(L"b.png", info.m_sImageName);
    EXPECT_EQ(200, info.m_uFade);
    EXPECT_EQ(static_cast<UINT>(tagTDrawInfo::ALIGN_VCENTER), info.m_uAlign);
    EXPECT_STREQ(L"file='b.png' align='left' fade='200'", info.m_sDrawModify);
}

TEST(DrawInfoParse, UnterminatedCornerOfPageBackgroundKeepsEarlierItems)
{
    tagTDrawInfo info;
    info.Parse(L"file='page_install.png' source='0,0,600,400' corner='5,5,5,5 ", NULL, NULL);
    EXPECT_STREQ(L"page_install.png", info.m_sImageName);
    ExpectRect(info.m_rcSource, 0, 0, 600, 400);
    ExpectRect(info.m_rcCorner, 0, 0, 0, 0);
}

TEST(DrawInfoParse, MalformedItemsEndReadingAndKeepWhatWasRead)
{
    tagTDrawInfo glued;
    glued.Parse(L"file='a.png'source='1,1,2,2'", NULL, NULL);
    EXPECT_STREQ(L"a.png", glued.m_sImageName);
    ExpectRect(glued.m_rcSource, 0, 0, 0, 0);

    tagTDrawInfo noEquals;
    noEquals.Parse(L"  file = 'a.png' source '1,1,2,2' fade='3'", NULL, NULL);
    EXPECT_STREQ(L"a.png", noEquals.m_sImageName);
    EXPECT_EQ(255, noEquals.m_uFade);

    tagTDrawInfo noQuote;
    noQuote.Parse(L"fade=12 file='a.png'", NULL, NULL);
    EXPECT_EQ(255, noQuote.m_uFade);
    EXPECT_STREQ(L"fade=12 file='a.png'", noQuote.m_sImageName);

    tagTDrawInfo emptyValue;
    emptyValue.Parse(L"file='a.png' file='' Fade='9' fade='300'", NULL, NULL);
    EXPECT_STREQ(L"a.png", emptyValue.m_sImageName); // empty value ignored, keys case-sensitive
    EXPECT_EQ(255, emptyValue.m_uFade);              // 300 is clamped, not wrapped to 44
}

TEST(DrawInfoParse, ManagerScalesDestinationPaddingAndSize)
{
    CPaintManagerUI manager;
    manager.GetDPIObj()->SetScale(144); // 150 %
    tagTDrawInfo info;
    info.Parse(L"file='missing.png' dest='2,2,12,12' padding='2,0,0,0' width='10' source='0,0,10,10' "
               L"corner='2,2,2,2'",
               NULL, &manager);
    ExpectRect(info.m_rcDest, 3, 3, 18, 18);
    ExpectRect(info.m_rcPadding, 3, 0, 0, 0);
    EXPECT_EQ(15, info.m_nWidth);
    // No "missing@150.png": name, source and corners stay unscaled.
    EXPECT_STREQ(L"missing.png", info.m_sImageName);
    ExpectRect(info.m_rcSource, 0, 0, 10, 10);
    ExpectRect(info.m_rcCorner, 2, 2, 2, 2);
}

TEST(DrawInfoParse, ScaledImageNameIsUsedWhenTheResourcesHoldIt)
{
    CPaintManagerUI manager;
    manager.GetDPIObj()->SetScale(144);
    tagTDrawInfo info;
    info.Parse(L"file='scaled.png' source='0,0,10,10' corner='2,2,2,2'", NULL, &manager);
    EXPECT_STREQ(L"scaled@150.png", info.m_sImageName);
    ExpectRect(info.m_rcSource, 0, 0, 15, 15);
    ExpectRect(info.m_rcCorner, 3, 3, 3, 3);

    CPaintManagerUI unscaled;
    tagTDrawInfo plain;
    plain.Parse(L"file='scaled.png'", NULL, &unscaled);
    EXPECT_STREQ(L"scaled.png", plain.m_sImageName);
}

TEST(DrawInfoParse, ScaledRectanglesSaturate)
{
    CPaintManagerUI manager;
    manager.GetDPIObj()->SetScale(144); // 150 %
    tagTDrawInfo info;
    info.Parse(L"file='x.png' dest='0,0,2147483647,2147483647' padding='-2147483648,0,0,0'", NULL, &manager);
    // Scaling beyond the int range sticks at its end rather than coming out negative.
    ExpectRect(info.m_rcDest, 0, 0, INT_MAX, INT_MAX);
    EXPECT_EQ(INT_MIN, info.m_rcPadding.left);
    info.Parse(L"file='x.png' dest='-2147483648,0,2147483647,4'", NULL, &manager);
    ExpectRect(info.m_rcDest, INT_MIN, 0, -1, 6); // the width saturated first
}
