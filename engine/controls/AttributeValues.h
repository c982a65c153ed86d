// Readers of attribute value texts shared by the controls: integers, booleans, colours,
// fractions and alignment words, plus saturating integer arithmetic for sizes read from them.
//
// Contract: every reader accepts null and any text without reading past its end; unreadable
// numbers are 0, numbers beyond the int range saturate at INT_MIN / INT_MAX.
//
// Not done: no locale handling (decimal points are ".").
#pragma once

#include <windows.h>

namespace SkinUI
{

// Decimal integer, leading blanks skipped, stops at the first non-digit.
int ReadInt(const wchar_t* p);
// True exactly for "true" without regard to case.
bool ReadBool(const wchar_t* p);
// Hexadecimal 0xAARRGGBB after one optional "#" ("0x" is accepted by the number itself);
// with bSkipBlanks leading characters up to code 32 are skipped first.
DWORD ReadColor(const wchar_t* p, bool bSkipBlanks);
// Up to nCount decimal fractions, one separator character skipped after each.
void ReadFractions(const wchar_t* p, double* pOut, int nCount);
// "floatalign" words separated by commas or blanks, applied to the current bits.
UINT ReadFloatAlign(const wchar_t* p, UINT uCurrent);

int SaturatingAdd(long long a, long long b);
int SaturatingSub(long long a, long long b);

} // namespace SkinUI
