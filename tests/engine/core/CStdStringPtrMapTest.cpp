#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/CStdStringPtrMap.h"

using SkinUI::CStdStringPtrMap;

namespace
{

void* D(int i)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(0x2000 + i * 4));
}

std::vector<std::wstring> Order(const CStdStringPtrMap& m)
{
    std::vector<std::wstring> keys;
    for (int i = 0; i < m.GetSize(); ++i)
        keys.push_back(m.GetAt(i));
    return keys;
}

typedef std::vector<std::wstring> Keys;

} // namespace

// Bucket placement is observable through GetAt, which walks buckets from the last to the first.
// Single-character keys hash to their code: "a" 97, "d" 100, "q" 113.
TEST(CStdStringPtrMapHash, BucketCountRaisedTo16)
{
    CStdStringPtrMap m5(5); // 16 buckets: a->1, d->4, q->1 (with 5: a->2, d->0, q->3)
    m5.Insert(L"a", D(0));
    m5.Insert(L"d", D(1));
    m5.Insert(L"q", D(2));
    EXPECT_EQ((Keys{L"d", L"q", L"a"}), Order(m5));

    CStdStringPtrMap m15(15);
    m15.Insert(L"a", D(0));
    m15.Insert(L"d", D(1));
    m15.Insert(L"q", D(2));
    EXPECT_EQ((Keys{L"d", L"q", L"a"}), Order(m15));

    CStdStringPtrMap m17(17); // kept: a->12, d->15, q->11
    m17.Insert(L"a", D(0));
    m17.Insert(L"d", D(1));
    m17.Insert(L"q", D(2));
    EXPECT_EQ((Keys{L"d", L"a", L"q"}), Order(m17));
}

TEST(CStdStringPtrMapHash, HashWalksFromTheLastCharacter)
{
    // "ab" from the last character: 98 * 33 + 97 = 3331, bucket 1 of 37 (from the first it
    // would be 3299, bucket 6). "(" is 40, bucket 3.
    CStdStringPtrMap m(37);
    m.Insert(L"ab", D(0));
    m.Insert(L"(", D(1));
    EXPECT_EQ((Keys{L"(", L"ab"}), Order(m));

    // A key long enough to wrap the 32-bit hash: 20 x "z" hashes to 1963031304 (mod 2^32),
    // bucket 4 of 37 (a 64-bit hash would give 31); "$" (36) is bucket 36 and "&" (38) bucket 1.
    CStdStringPtrMap w(37);
    const std::wstring zz(20, L'z');
    w.Insert(L"&", D(0));
    w.Insert(zz.c_str(), D(1));
    w.Insert(L"$", D(2));
    EXPECT_EQ((Keys{L"$", zz, L"&"}), Order(w));
}

TEST(CStdStringPtrMapChain, MoveToFrontOnlyWhenAsked)
{
    CStdStringPtrMap m(16);
    m.Insert(L"a", D(0)); // chain of bucket 1: q, a
    m.Insert(L"q", D(1));
    m.Insert(L"d", D(2));
    ASSERT_EQ((Keys{L"d", L"q", L"a"}), Order(m));

    EXPECT_EQ(D(0), m.Find(L"a", false));
    EXPECT_EQ((Keys{L"d", L"q", L"a"}), Order(m));
    EXPECT_EQ(D(0), m.Find(L"a", true));
    EXPECT_EQ((Keys{L"d", L"a", L"q"}), Order(m));
    EXPECT_EQ(D(0), m.Find(L"a")); // already first: stays
    EXPECT_EQ((Keys{L"d", L"a", L"q"}), Order(m));

    // Three in a chain: the middle one moves up and the links stay whole.
    m.Insert(L"A", D(3)); // 65 -> bucket 1, chain A, a, q
    EXPECT_EQ(D(0), m.Find(L"a", true));
    EXPECT_EQ((Keys{L"d", L"a", L"A", L"q"}), Order(m));
    EXPECT_EQ(D(1), m.Find(L"q", true));
    EXPECT_EQ((Keys{L"d", L"q", L"a", L"A"}), Order(m));
    EXPECT_TRUE(m.Remove(L"a"));
    EXPECT_EQ((Keys{L"d", L"q", L"A"}), Order(m));
    EXPECT_TRUE(m.Remove(L"q")); // the head
    EXPECT_EQ((Keys{L"d", L"A"}), Order(m));
    EXPECT_FALSE(m.Remove(L"q"));
    EXPECT_EQ(2, m.GetSize());
}

TEST(CStdStringPtrMapChain, InsertSetFindRemove)
{
    CStdStringPtrMap m;
    EXPECT_EQ(nullptr, m.Find(L"x"));
    EXPECT_TRUE(m.Insert(L"btn_Close", D(1)));
    EXPECT_FALSE(m.Insert(L"btn_Close", D(2)));
    EXPECT_EQ(D(1), m.Find(L"btn_Close"));
    EXPECT_EQ(nullptr, m.Find(L"BTN_CLOSE")); // case-sensitive

    EXPECT_EQ(D(1), m.Set(L"btn_Close", D(3)));
    EXPECT_EQ(D(3), m.Find(L"btn_Close"));
    EXPECT_EQ(nullptr, m.Set(L"lb_Percent", D(4)));
    EXPECT_EQ(2, m.GetSize());

    // The map keeps its own copy of the key.
    wchar_t key[] = L"temp";
    EXPECT_TRUE(m.Insert(key, D(5)));
    key[0] = L'X';
    EXPECT_EQ(D(5), m.Find(L"temp"));

    EXPECT_TRUE(m.Insert(nullptr, D(6))); // read as the empty key
    EXPECT_EQ(D(6), m.Find(L""));
    EXPECT_TRUE(m.Remove(nullptr));

    EXPECT_EQ(nullptr, m.GetAt(3));
    EXPECT_EQ(nullptr, m.GetAt(-1));
    EXPECT_NE(nullptr, m[2]);

    m.RemoveAll();
    EXPECT_EQ(0, m.GetSize());
    EXPECT_EQ(nullptr, m.Find(L"temp"));
    EXPECT_TRUE(m.Insert(L"temp", D(7))); // buckets kept
}

TEST(CStdStringPtrMapChain, NoBucketsStoresNothing)
{
    CStdStringPtrMap m;
    m.Insert(L"a", D(0));
    m.Resize(0);
    EXPECT_EQ(0, m.GetSize());
    EXPECT_FALSE(m.Insert(L"a", D(1)));
    EXPECT_EQ(D(2), m.Set(L"a", D(2)));
    EXPECT_EQ(nullptr, m.Find(L"a"));
    EXPECT_FALSE(m.Remove(L"a"));
    EXPECT_EQ(nullptr, m.GetAt(0));
    m.Resize(3); // Resize is not raised to 16: a->1, d->1, chain d, a
    m.Insert(L"a", D(0));
    m.Insert(L"d", D(1));
    m.Insert(L"b", D(2)); // 98 -> 2
    EXPECT_EQ((Keys{L"b", L"d", L"a"}), Order(m));
}
