#include <gtest/gtest.h>

#include "installer/net/TextConvert.h"

#include <cstring>
#include <cwchar>

TEST(TextConvert, Utf8ToWideCutsAtCapacityAndTerminates)
{
    wchar_t out[10];
    wmemset(out, L'#', 10);
    Utf8ToWide(out, "abcdefghijklmnopqrst", 10);
    EXPECT_STREQ(L"abcdefghi", out);

    wchar_t big[40];
    EXPECT_EQ(big, Utf8ToWide(big, "\xE4\xB8\xAD\xE6\x96\x87 ok", 40));
    EXPECT_STREQ(L"\u4E2D\u6587 ok", big);

    wchar_t one[1] = {L'#'};
    Utf8ToWide(one, "abc", 1);
    EXPECT_EQ(L'\0', one[0]);
}

TEST(TextConvert, MissingSourceGivesEmptyText)
{
    wchar_t wide[8] = L"junk";
    Utf8ToWide(wide, nullptr, 8);
    EXPECT_STREQ(L"", wide);
    char narrow[8] = "junk";
    WideToUtf8(narrow, nullptr, 8);
    EXPECT_STREQ("", narrow);
    // Nothing to write into: no crash, nothing written.
    EXPECT_EQ(nullptr, Utf8ToWide(nullptr, "abc", 8));
    wchar_t untouched[2] = {L'x', 0};
    Utf8ToWide(untouched, "abc", 0);
    EXPECT_EQ(L'x', untouched[0]);
}

TEST(TextConvert, CutsNeverSplitACharacter)
{
    // U+1F600 is a surrogate pair in UTF-16 and four bytes in UTF-8.
    wchar_t wide[4];
    Utf8ToWide(wide, "ab\xF0\x9F\x98\x80", 4); // "ab" + pair needs 5 units
    EXPECT_STREQ(L"ab", wide);

    char narrow[6];
    WideToUtf8(narrow, L"ab\u4E2D\u6587", 6); // "ab" + 3 bytes fits exactly
    EXPECT_STREQ("ab\xE4\xB8\xAD", narrow);
    WideToUtf8(narrow, L"ab\u4E2D\u6587", 5); // one byte short of the first character
    EXPECT_STREQ("ab", narrow);
}

TEST(TextConvert, WideToUtf8RoundTripsAndCutsAtCapacity)
{
    char narrow[64];
    WideToUtf8(narrow, L"\u60A8\u786E\u5B9A", 64);
    EXPECT_STREQ("\xE6\x82\xA8\xE7\xA1\xAE\xE5\xAE\x9A", narrow);
    wchar_t back[64];
    Utf8ToWide(back, narrow, 64);
    EXPECT_STREQ(L"\u60A8\u786E\u5B9A", back);

    char ten[10];
    memset(ten, '#', sizeof ten);
    WideToUtf8(ten, L"abcdefghijklmnopqrst", 10);
    EXPECT_STREQ("abcdefghi", ten);
}

TEST(TextConvert, FormatWideTakesWideTextsAndStopsAtCapacity)
{
    wchar_t out[8];
    EXPECT_EQ(5, FormatWide(out, 8, L"%s-%d", L"ab", 42));
    EXPECT_STREQ(L"ab-42", out);
    wmemset(out, L'#', 8);
    EXPECT_EQ(7, FormatWide(out, 8, L"%s", L"0123456789"));
    EXPECT_STREQ(L"0123456", out);
}
