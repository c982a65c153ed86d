#include <gtest/gtest.h>

#include <malloc.h>

#include "engine/core/CStdPtrArray.h"

using SkinUI::CStdPtrArray;

namespace
{

void* P(int i)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(0x1000 + i * 4));
}

// Slots of the array's block (msvcrt reports the block's requested size).
size_t Slots(CStdPtrArray& a)
{
    return _msize(a.GetData()) / sizeof(void*);
}

void Fill(CStdPtrArray& a, int n)
{
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(a.Add(P(i)));
}

} // namespace

TEST(CStdPtrArrayGrowth, ElevenThenTwentyTwo)
{
    CStdPtrArray a;
    EXPECT_EQ(nullptr, a.GetData());
    ASSERT_TRUE(a.Add(P(0)));
    EXPECT_EQ(11u, Slots(a));
    Fill(a, 9); // ten entries in all
    EXPECT_EQ(10, a.GetSize());
    EXPECT_EQ(11u, Slots(a));
    ASSERT_TRUE(a.Add(P(10))); // the eleventh
    EXPECT_EQ(22u, Slots(a));
    Fill(a, 10); // 21 entries
    EXPECT_EQ(22u, Slots(a));
    ASSERT_TRUE(a.Add(P(21)));
    EXPECT_EQ(44u, Slots(a));

    CStdPtrArray b;
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(b.InsertAt(0, P(i)));
    EXPECT_EQ(11u, Slots(b));
    ASSERT_TRUE(b.InsertAt(5, P(99)));
    EXPECT_EQ(22u, Slots(b));
}

TEST(CStdPtrArrayGrowth, PreallocationAndResize)
{
    CStdPtrArray a(4);
    EXPECT_EQ(4u, Slots(a));
    EXPECT_TRUE(a.IsEmpty());
    Fill(a, 3);
    EXPECT_EQ(4u, Slots(a));
    ASSERT_TRUE(a.Add(P(3)));
    EXPECT_EQ(8u, Slots(a));

    ASSERT_TRUE(a.Resize(5));
    EXPECT_EQ(5, a.GetSize());
    EXPECT_EQ(5u, Slots(a));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(nullptr, a.GetAt(i));
    ASSERT_TRUE(a.Add(P(1)));
    EXPECT_EQ(10u, Slots(a));
    EXPECT_EQ(P(1), a.GetAt(5));

    a.Empty();
    EXPECT_EQ(0, a.GetSize());
    EXPECT_EQ(nullptr, a.GetData());
    ASSERT_TRUE(a.Add(P(0)));
    EXPECT_EQ(11u, Slots(a));
}

TEST(CStdPtrArrayGrowth, FailedGrowthChangesNothing)
{
    // A block this large cannot be had in a 32-bit process.
    CStdPtrArray a;
    EXPECT_FALSE(a.Resize(0x3FFFFFFF));
    EXPECT_EQ(0, a.GetSize());
    EXPECT_TRUE(a.Add(P(1)));
    EXPECT_EQ(1, a.GetSize());
}

TEST(CStdPtrArrayEdit, InsertRemoveSetAndBadIndices)
{
    CStdPtrArray a;
    EXPECT_FALSE(a.InsertAt(1, P(0)));
    EXPECT_FALSE(a.InsertAt(-1, P(0)));
    ASSERT_TRUE(a.InsertAt(0, P(2))); // index == count appends
    ASSERT_TRUE(a.InsertAt(0, P(0)));
    ASSERT_TRUE(a.InsertAt(1, P(1)));
    ASSERT_TRUE(a.InsertAt(3, P(3)));
    ASSERT_EQ(4, a.GetSize());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(P(i), a[i]);

    EXPECT_FALSE(a.SetAt(4, P(9)));
    EXPECT_FALSE(a.SetAt(-1, P(9)));
    EXPECT_TRUE(a.SetAt(3, P(9)));
    EXPECT_EQ(P(9), a.GetAt(3));
    EXPECT_EQ(nullptr, a.GetAt(4));
    EXPECT_EQ(nullptr, a.GetAt(-1));

    EXPECT_FALSE(a.Remove(4));
    EXPECT_FALSE(a.Remove(-1));
    EXPECT_TRUE(a.Remove(1));
    EXPECT_EQ(3, a.GetSize());
    EXPECT_EQ(P(2), a[1]);
    EXPECT_TRUE(a.Remove(P(9)));
    EXPECT_FALSE(a.Remove(P(42)));
    EXPECT_EQ(2, a.GetSize());
    EXPECT_EQ(1, a.Find(P(2)));
    EXPECT_EQ(-1, a.Find(P(9)));

    CStdPtrArray copy(a);
    ASSERT_EQ(2, copy.GetSize());
    EXPECT_NE(a.GetData(), copy.GetData());
    EXPECT_EQ(P(0), copy[0]);
    EXPECT_EQ(P(2), copy[1]);
}

TEST(CStdPtrArrayEdit, IndexMapFollowsEveryChange)
{
    CStdPtrArray a;
    Fill(a, 5);
    a.Add(P(2)); // a duplicate: the map answers its first index
    a.SetSaveIndexMap(true);
    EXPECT_EQ(2, a.Find(P(2)));
    EXPECT_EQ(4, a.FindInMap(P(4)));

    ASSERT_TRUE(a.InsertAt(0, P(7)));
    EXPECT_EQ(0, a.Find(P(7)));
    EXPECT_EQ(3, a.Find(P(2)));
    EXPECT_EQ(5, a.Find(P(4)));

    ASSERT_TRUE(a.Remove(3)); // first P(2); the duplicate is now at 5
    EXPECT_EQ(5, a.Find(P(2)));
    EXPECT_EQ(4, a.Find(P(4)));

    ASSERT_TRUE(a.SetAt(5, P(8)));
    EXPECT_EQ(-1, a.Find(P(2)));
    EXPECT_EQ(5, a.Find(P(8)));

    ASSERT_TRUE(a.Remove(P(7)));
    for (int i = 0; i < a.GetSize(); ++i)
        EXPECT_EQ(i, a.Find(a[i]));

    a.Empty();
    EXPECT_EQ(-1, a.Find(P(0)));
}
