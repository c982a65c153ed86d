#include <gtest/gtest.h>

#include <malloc.h>

#include "engine/core/CStdValArray.h"

using SkinUI::CStdValArray;

namespace
{

struct TRec
{
    int a;
    short b;
    char c[6];
};

TRec Rec(int i)
{
    return TRec{i, static_cast<short>(-i), {'r', static_cast<char>('0' + i % 10), 0, 0, 0, 0}};
}

size_t Slots(CStdValArray& v)
{
    return _msize(v.GetData()) / sizeof(TRec);
}

bool Same(const void* p, const TRec& r)
{
    return p && memcmp(p, &r, sizeof(r)) == 0;
}

} // namespace

TEST(CStdValArrayGrowth, ElevenThenTwentyTwoAndEmptyKeepsBlock)
{
    CStdValArray v(sizeof(TRec));
    for (int i = 0; i < 10; ++i)
    {
        const TRec r = Rec(i);
        ASSERT_TRUE(v.Add(&r));
    }
    EXPECT_EQ(11u, Slots(v));
    const TRec r10 = Rec(10);
    ASSERT_TRUE(v.Add(&r10));
    EXPECT_EQ(22u, Slots(v));
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(Same(v.GetAt(i), Rec(i))) << i;

    void* block = v.GetData();
    v.Empty();
    EXPECT_TRUE(v.IsEmpty());
    EXPECT_EQ(block, v.GetData());
    EXPECT_EQ(nullptr, v.GetAt(0));

    CStdValArray pre(sizeof(TRec), 3);
    EXPECT_EQ(3u, Slots(pre));
}

TEST(CStdValArrayEdit, RemoveMovesLaterElementsDown)
{
    CStdValArray v(sizeof(TRec));
    for (int i = 0; i < 5; ++i)
    {
        const TRec r = Rec(i);
        v.Add(&r);
    }
    EXPECT_FALSE(v.Remove(5));
    EXPECT_FALSE(v.Remove(-1));
    EXPECT_TRUE(v.Remove(1));
    EXPECT_TRUE(v.Remove(3)); // the last one
    ASSERT_EQ(3, v.GetSize());
    EXPECT_TRUE(Same(v[0], Rec(0)));
    EXPECT_TRUE(Same(v[1], Rec(2)));
    EXPECT_TRUE(Same(v[2], Rec(3)));
    EXPECT_EQ(nullptr, v.GetAt(3));
    EXPECT_FALSE(v.Add(nullptr));
    EXPECT_EQ(3, v.GetSize());

    CStdValArray bad(0);
    const TRec r = Rec(1);
    EXPECT_FALSE(bad.Add(&r));
    EXPECT_TRUE(bad.IsEmpty());
}
