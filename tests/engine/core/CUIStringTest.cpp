#include <gtest/gtest.h>

#include <climits>
#include <malloc.h>
#include <string>

#include "engine/core/CUIString.h"

using SkinUI::CUIString;

namespace
{

bool IsInline(const CUIString& s)
{
    const char* p = reinterpret_cast<const char*>(s.GetData());
    const char* o = reinterpret_cast<const char*>(&s);
    return p >= o && p < o + sizeof(s);
}

// Characters the heap block can hold (msvcrt reports the block's requested size).
size_t BlockChars(const CUIString& s)
{
    return _msize(const_cast<wchar_t*>(s.GetData())) / sizeof(wchar_t);
}

std::wstring Text(int n, wchar_t first = L'a')
{
    std::wstring t;
    for (int i = 0; i < n; ++i)
        t += static_cast<wchar_t>(first + i % 26);
    return t;
}

} // namespace

TEST(CUIStringStorage, InlineUpTo62HeapFrom63)
{
    CUIString s(Text(62).c_str());
    EXPECT_TRUE(IsInline(s));
    EXPECT_EQ(62, s.GetLength());

    s = Text(63).c_str();
    EXPECT_FALSE(IsInline(s));
    EXPECT_EQ(64u, BlockChars(s));
    EXPECT_EQ(Text(63), s.GetData());

    s = Text(10).c_str();
    EXPECT_TRUE(IsInline(s));
    EXPECT_EQ(Text(10), s.GetData());

    CUIString c(Text(63).c_str(), 62);
    EXPECT_TRUE(IsInline(c));
    EXPECT_EQ(Text(62), c.GetData());
}

TEST(CUIStringStorage, HeapBlockGrowsOnlyForLongerText)
{
    CUIString s(Text(100).c_str());
    ASSERT_EQ(101u, BlockChars(s));
    const wchar_t* block = s.GetData();
    s = Text(70, L'A').c_str();
    EXPECT_EQ(block, s.GetData());
    EXPECT_EQ(101u, BlockChars(s));
    EXPECT_EQ(Text(70, L'A'), s.GetData());
    s = Text(120).c_str();
    EXPECT_EQ(121u, BlockChars(s));
    EXPECT_EQ(Text(120), s.GetData());
}

TEST(CUIStringStorage, ConstructionRules)
{
    EXPECT_TRUE(CUIString().IsEmpty());
    EXPECT_TRUE(CUIString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
    EXPECT_STREQ(L"x", CUIString(L'x').GetData());
    EXPECT_STREQ(L"abc", CUIString(L"abcdef", 3).GetData());
    EXPECT_STREQ(L"abcdef", CUIString(L"abcdef", -1).GetData());
    // A claimed length past the terminator never reads beyond it.
    EXPECT_STREQ(L"abc", CUIString(L"abc", 200).GetData());

    CUIString big(Text(80).c_str());
    CUIString copy(big);
    EXPECT_NE(big.GetData(), copy.GetData());
    EXPECT_EQ(Text(80), copy.GetData());

    big.Empty();
    EXPECT_TRUE(big.IsEmpty());
    EXPECT_TRUE(IsInline(big));
}

TEST(CUIStringStorage, AppendAcrossTheBoundary)
{
    CUIString s(Text(61).c_str());
    s += L"xyz";
    EXPECT_FALSE(IsInline(s));
    EXPECT_EQ(65u, BlockChars(s));
    EXPECT_EQ(Text(61) + L"xyz", s.GetData());

    CUIString t(Text(60).c_str());
    t += L"xy";
    EXPECT_TRUE(IsInline(t));
    EXPECT_EQ(62, t.GetLength());
    t += L'z';
    EXPECT_FALSE(IsInline(t));
    EXPECT_EQ(Text(60) + L"xyz", t.GetData());

    t += static_cast<const wchar_t*>(nullptr);
    t += L"";
    EXPECT_EQ(63, t.GetLength());

    // A heap text shortened in place comes back inline when appended to.
    t.SetAt(5, L'\0');
    t += L"!";
    EXPECT_TRUE(IsInline(t));
    EXPECT_EQ(Text(5) + L"!", t.GetData());

    CUIString a(L"ab");
    EXPECT_STREQ(L"abcd", (a + L"cd").GetData());
    EXPECT_STREQ(L"abab", (a + a).GetData());
    EXPECT_STREQ(L"ab", (a + static_cast<const wchar_t*>(nullptr)).GetData());
}

TEST(CUIStringStorage, OwnTextAssignedOrAppended)
{
    CUIString s(Text(31).c_str());
    s += s; // 62: stays inline
    EXPECT_TRUE(IsInline(s));
    EXPECT_EQ(Text(31) + Text(31), s.GetData());
    s += s; // inline to heap
    EXPECT_EQ(Text(31) + Text(31) + Text(31) + Text(31), s.GetData());
    s += s; // heap block reallocated while it is the source
    EXPECT_EQ(248, s.GetLength());
    EXPECT_EQ(Text(31) + Text(31) + Text(31) + Text(31), std::wstring(s.GetData() + 124));
    s.Append(s.GetData() + 240);
    EXPECT_EQ(256, s.GetLength());
    EXPECT_EQ(std::wstring(s.GetData() + 240, 8), std::wstring(s.GetData() + 248));

    CUIString h(Text(100).c_str());
    h = h.GetData() + 3; // heap to heap, overlapping
    EXPECT_EQ(Text(100).substr(3), h.GetData());
    h = h.GetData() + 50; // heap to inline: the source is in the block being given back
    EXPECT_TRUE(IsInline(h));
    EXPECT_EQ(Text(100).substr(53), h.GetData());
    h = h.GetData() + 3; // inline to inline
    EXPECT_EQ(Text(100).substr(56), h.GetData());
    h = h;
    EXPECT_EQ(Text(100).substr(56), h.GetData());

    CUIString n;
    n = "narrow";
    EXPECT_STREQ(L"narrow", n.GetData());
    n += " text";
    EXPECT_STREQ(L"narrow text", n.GetData());
    n += static_cast<const char*>(nullptr);
    EXPECT_STREQ(L"narrow text", n.GetData());
    n = static_cast<const char*>(nullptr);
    EXPECT_TRUE(n.IsEmpty());
    n = L'q';
    EXPECT_STREQ(L"q", n.GetData());
}

TEST(CUIStringSearch, FindBounds)
{
    const CUIString s(L"abcdefgh");
    EXPECT_EQ(-1, s.Find(L"h", 9));
    EXPECT_EQ(7, s.Find(L"h", 7));
    EXPECT_EQ(8, s.Find(L"", 8));
    EXPECT_EQ(-1, s.Find(L"a", -1));
    EXPECT_EQ(-1, s.Find(L'h', 8));
    EXPECT_EQ(7, s.Find(L'h', 7));
    EXPECT_EQ(-1, s.Find(L'a', 1));
    EXPECT_EQ(2, s.Find(L"cd"));
    EXPECT_EQ(-1, s.Find(static_cast<const wchar_t*>(nullptr)));
    EXPECT_EQ(-1, CUIString().Find(L'a'));
    EXPECT_EQ(-1, s.Find(L'\0'));

    const CUIString r(L"a.b.c");
    EXPECT_EQ(3, r.ReverseFind(L'.'));
    EXPECT_EQ(-1, r.ReverseFind(L'x'));
}

TEST(CUIStringSearch, LeftMidRight)
{
    const CUIString s(L"abcdefgh");
    EXPECT_STREQ(L"fgh", s.Mid(5, -1).GetData());
    EXPECT_STREQ(L"fgh", s.Mid(5).GetData());
    EXPECT_STREQ(L"cd", s.Mid(2, 2).GetData());
    EXPECT_STREQ(L"gh", s.Mid(6, 10).GetData());
    EXPECT_STREQ(L"", s.Mid(10, 2).GetData());
    EXPECT_STREQ(L"", s.Mid(8).GetData());
    EXPECT_STREQ(L"ab", s.Mid(-3, 2).GetData());
    EXPECT_STREQ(L"fgh", s.Mid(5, INT_MAX).GetData()); // the end clamp must not overflow
    EXPECT_STREQ(L"", s.Left(-3).GetData());
    EXPECT_STREQ(L"abc", s.Left(3).GetData());
    EXPECT_STREQ(L"abcdefgh", s.Left(30).GetData());
    EXPECT_STREQ(L"abcdefgh", s.Right(20).GetData());
    EXPECT_STREQ(L"gh", s.Right(2).GetData());
    EXPECT_STREQ(L"", s.Right(0).GetData());
    EXPECT_STREQ(L"", s.Right(-1).GetData());
}

TEST(CUIStringSearch, ReplaceNeverSearchesReplacedText)
{
    CUIString s(L"aXa");
    EXPECT_EQ(2, s.Replace(L"a", L"aa"));
    EXPECT_STREQ(L"aaXaa", s.GetData());

    CUIString t(L"one two one");
    EXPECT_EQ(0, t.Replace(L"three", L"x"));
    EXPECT_EQ(2, t.Replace(L"one", L""));
    EXPECT_STREQ(L" two ", t.GetData());
    EXPECT_EQ(0, t.Replace(L"", L"x"));
    EXPECT_EQ(0, t.Replace(nullptr, L"x"));
    EXPECT_EQ(1, t.Replace(L"two", nullptr));
    EXPECT_STREQ(L"  ", t.GetData());

    // Arguments taken from the string itself survive its rebuilding.
    CUIString u(L"abab");
    EXPECT_EQ(2, u.Replace(u.Left(2), u.GetData()));
    EXPECT_STREQ(L"abababab", u.GetData());

    CUIString l(Text(70).c_str());
    EXPECT_EQ(3, l.Replace(L"c", L"<CC>"));
    EXPECT_EQ(79, l.GetLength());
}

TEST(CUIStringCompare, OperatorsAndCase)
{
    const CUIString s(L"Beta");
    EXPECT_EQ(0, s.Compare(L"Beta"));
    EXPECT_LT(s.Compare(L"beta"), 0);
    EXPECT_EQ(0, s.CompareNoCase(L"bETA"));
    EXPECT_TRUE(s == L"Beta");
    EXPECT_TRUE(s != L"beta");
    EXPECT_TRUE(s < L"Gamma");
    EXPECT_TRUE(s <= L"Beta");
    EXPECT_TRUE(s > L"Alpha");
    EXPECT_TRUE(s >= L"Beta");
    EXPECT_FALSE(s == static_cast<const wchar_t*>(nullptr));
    EXPECT_TRUE(CUIString() == static_cast<const wchar_t*>(nullptr));

    CUIString m(L"MiXeD 1");
    m.MakeUpper();
    EXPECT_STREQ(L"MIXED 1", m.GetData());
    m.MakeLower();
    EXPECT_STREQ(L"mixed 1", m.GetData());
    EXPECT_EQ(L'i', m[1]);
    EXPECT_EQ(L'x', m.GetAt(2));
}

TEST(CUIStringFormat, WideStringArgument)
{
    CUIString s;
    EXPECT_EQ(6, s.Format(L"[%s]", L"wide"));
    EXPECT_STREQ(L"[wide]", s.GetData());
    EXPECT_EQ(6, s.SmallFormat(L"[%s]", L"wide"));
    EXPECT_STREQ(L"[wide]", s.GetData());
    s.Format(L"%d%%", 42);
    EXPECT_STREQ(L"42%", s.GetData());
}

TEST(CUIStringFormat, FormatHasNoLengthLimit)
{
    const std::wstring big = Text(5000);
    CUIString s;
    EXPECT_EQ(5002, s.Format(L"<%s>", big.c_str()));
    EXPECT_EQ(L"<" + big + L">", s.GetData());

    // The argument may be the string's own text.
    CUIString t(L"self");
    t.Format(L"%s-%s", t.GetData(), t.GetData());
    EXPECT_STREQ(L"self-self", t.GetData());
}

TEST(CUIStringFormat, SmallFormatCutsAt63)
{
    const std::wstring t63 = Text(63);
    CUIString s;
    EXPECT_EQ(63, s.SmallFormat(L"%s", t63.c_str()));
    EXPECT_EQ(t63, s.GetData());

    const std::wstring t64 = Text(64);
    EXPECT_EQ(-1, s.SmallFormat(L"%s", t64.c_str()));
    EXPECT_EQ(t63, s.GetData());

    EXPECT_EQ(-1, s.SmallFormat(L"%s", Text(500).c_str()));
    EXPECT_EQ(63, s.GetLength());

    // The format may be the string's own text.
    CUIString f(L"%d,%d");
    EXPECT_EQ(3, f.SmallFormat(f.GetData(), 1, 2));
    EXPECT_STREQ(L"1,2", f.GetData());
}
