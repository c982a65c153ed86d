#include <gtest/gtest.h>

#include "engine/core/CUIPoint.h"
#include "engine/core/CUIRect.h"
#include "engine/core/CUISize.h"
#include "tests/support/ExpectRect.h"

using SkinUI::CUIPoint;
using SkinUI::CUIRect;
using SkinUI::CUISize;

TEST(CUIRectText, FromStringSeparatorsAndShortTexts)
{
    CUIRect rc;
    EXPECT_TRUE(rc.FromString(L"0,0,600,400"));
    ExpectRect(rc, 0, 0, 600, 400);
    EXPECT_TRUE(rc.FromString(L"10;20;30;40"));
    ExpectRect(rc, 10, 20, 30, 40);
    EXPECT_TRUE(rc.FromString(L" -5, +6,-7 ,8"));
    ExpectRect(rc, -5, 6, -7, 0); // the space after -7 is its separator; "," is not a number

    EXPECT_FALSE(rc.FromString(L""));
    EXPECT_TRUE(rc.IsNull());
    rc = CUIRect(1, 2, 3, 4);
    EXPECT_FALSE(rc.FromString(nullptr));
    EXPECT_TRUE(rc.IsNull());

    EXPECT_TRUE(rc.FromString(L"7"));
    ExpectRect(rc, 7, 0, 0, 0);
    EXPECT_TRUE(rc.FromString(L"1,2,"));
    ExpectRect(rc, 1, 2, 0, 0);
    EXPECT_TRUE(rc.FromString(L"1,2,3,4,5"));
    ExpectRect(rc, 1, 2, 3, 4);
}

TEST(CUIRectText, FromStringNeverReadsPastTheTerminator)
{
    // Texts cut out of a larger buffer whose next characters are digits: a reader that steps
    // over the terminator would pick them up.
    wchar_t buf[] = L"10,\0"
                    L"99,99,99";
    CUIRect rc;
    EXPECT_TRUE(rc.FromString(buf));
    ExpectRect(rc, 10, 0, 0, 0);
    wchar_t one[] = L"7\0"
                    L"5,5,5";
    EXPECT_TRUE(rc.FromString(one));
    ExpectRect(rc, 7, 0, 0, 0);

    CUIPoint pt;
    EXPECT_TRUE(pt.FromString(buf));
    EXPECT_EQ(10, pt.x);
    EXPECT_EQ(0, pt.y);
}

TEST(CUIRectText, ToStringAndTextConstructor)
{
    EXPECT_STREQ(L"-1,2,300,-400", CUIRect(-1, 2, 300, -400).ToString().GetData());
    EXPECT_STREQ(L"-2147483648,2147483647,0,0",
                 CUIRect(LONG(-2147483647 - 1), 2147483647, 0, 0).ToString().GetData());
    ExpectRect(CUIRect(L"4,3,2,1"), 4, 3, 2, 1);
}

TEST(CUIRectOps, SizeAndEdges)
{
    CUIRect rc(10, 20, 50, 80);
    EXPECT_EQ(40, rc.GetWidth());
    EXPECT_EQ(60, rc.GetHeight());
    POINT c = rc.CenterPoint();
    EXPECT_EQ(30, c.x);
    EXPECT_EQ(50, c.y);
    c = CUIRect(0, 0, 3, 5).CenterPoint();
    EXPECT_EQ(1, c.x);
    EXPECT_EQ(2, c.y);

    rc.Offset(5, -5);
    ExpectRect(rc, 15, 15, 55, 75);
    rc.Inflate(2, 3);
    ExpectRect(rc, 13, 12, 57, 78);
    rc.Deflate(2, 3);
    ExpectRect(rc, 15, 15, 55, 75);
    rc.ResetOffset();
    ExpectRect(rc, 0, 0, 40, 60);

    CUIRect n(50, 60, 10, 20);
    n.Normalize();
    ExpectRect(n, 10, 20, 50, 60);

    rc.Empty();
    EXPECT_TRUE(rc.IsNull());
    EXPECT_FALSE(CUIRect(0, 0, 0, 1).IsNull());
}

TEST(CUIRectOps, JoinUnionIntersect)
{
    // Join does not skip empty rectangles: the origin is pulled in.
    CUIRect j;
    j.Join(CUIRect(10, 10, 20, 20));
    ExpectRect(j, 0, 0, 20, 20);

    // Union ignores an empty rectangle.
    CUIRect u;
    u.Union(CUIRect(10, 10, 20, 20));
    ExpectRect(u, 10, 10, 20, 20);
    u.Union(CUIRect(-5, 15, 12, 30));
    ExpectRect(u, -5, 10, 20, 30);

    CUIRect i;
    EXPECT_TRUE(i.IntersectRect(CUIRect(0, 0, 10, 10), CUIRect(5, 5, 15, 15)));
    ExpectRect(i, 5, 5, 10, 10);
    EXPECT_FALSE(i.IntersectRect(CUIRect(0, 0, 10, 10), CUIRect(10, 0, 20, 10)));
    EXPECT_TRUE(i.IsNull());
}

TEST(CUIRectOps, AlignRect)
{
    const CUIRect target(100, 200, 301, 401);
    CUIRect rc(0, 0, 51, 21);
    rc.AlignRect(target, CUIRect::ALIGN_HCENTER | CUIRect::ALIGN_VCENTER);
    ExpectRect(rc, 200 - 25, 300 - 10, 200 + 25, 300 + 10); // odd sizes lose one pixel

    CUIRect left(7, 7, 57, 27);
    left.AlignRect(target, 0);
    ExpectRect(left, 100, 200, 150, 220);

    CUIRect h(0, 0, 50, 20);
    h.AlignRect(target, CUIRect::ALIGN_HCENTER);
    ExpectRect(h, 175, 200, 225, 220);
    CUIRect v(0, 0, 50, 20);
    v.AlignRect(target, CUIRect::ALIGN_VCENTER);
    ExpectRect(v, 100, 290, 150, 310);
}

TEST(CUIPointSize, TextAndConstructors)
{
    CUIPoint pt(L"12,-34");
    EXPECT_EQ(12, pt.x);
    EXPECT_EQ(-34, pt.y);
    EXPECT_STREQ(L"12,-34", pt.ToString().GetData());
    EXPECT_FALSE(pt.FromString(L""));
    EXPECT_EQ(0, pt.x);
    EXPECT_TRUE(pt.FromString(L"9"));
    EXPECT_EQ(9, pt.x);
    EXPECT_EQ(0, pt.y);

    // Packed message coordinates are signed 16-bit halves.
    const CUIPoint m(static_cast<LPARAM>(MAKELONG(static_cast<WORD>(-3), static_cast<WORD>(-40))));
    EXPECT_EQ(-3, m.x);
    EXPECT_EQ(-40, m.y);
    const CUIPoint p(static_cast<LPARAM>(MAKELONG(32767, 1)));
    EXPECT_EQ(32767, p.x);
    EXPECT_EQ(1, p.y);

    CUISize sz(L"600x400");
    EXPECT_EQ(600, sz.cx);
    EXPECT_EQ(400, sz.cy);
    EXPECT_STREQ(L"600,400", sz.ToString().GetData());
    const RECT rc = {10, 20, 5, 70};
    const CUISize fromRect(rc);
    EXPECT_EQ(-5, fromRect.cx);
    EXPECT_EQ(50, fromRect.cy);
    EXPECT_FALSE(sz.FromString(nullptr));
    EXPECT_EQ(0, sz.cx);
    EXPECT_EQ(0, sz.cy);
}
