// CSaturatedInt: integer arithmetic that sticks at the ends of the int range instead of
// overflowing, for coordinates computed from numbers in skin texts (a hostile "dest" or "x"
// must not wrap a rectangle around or trigger undefined behaviour).
//
// Not done: no other widths than int; values in range give exactly the plain results.
#pragma once

#include <limits.h>

namespace SkinUI
{

class CSaturatedInt
{
public:
    static int Clamp(long long n)
    {
        if (n > INT_MAX)
            return INT_MAX;
        if (n < INT_MIN)
            return INT_MIN;
        return static_cast<int>(n);
    }
    static int Add(long long a, long long b) { return Clamp(a + b); }
    static int Sub(long long a, long long b) { return Clamp(a - b); }
};

} // namespace SkinUI
