#pragma once
// Shared test assertion: a rectangle's four edges, each reported on its own when it differs.
#include <gtest/gtest.h>
#include <windows.h>

inline void ExpectRect(const RECT& rc, LONG l, LONG t, LONG r, LONG b)
{
    EXPECT_EQ(l, rc.left);
    EXPECT_EQ(t, rc.top);
    EXPECT_EQ(r, rc.right);
    EXPECT_EQ(b, rc.bottom);
}
