// The DPI object: factors, scaling of numbers, sizes and rectangles, and the way back.
#include <gtest/gtest.h>

#include "engine/manager/CDPI.h"

// After CDPI.h: it brings windows.h, which versionhelpers.h needs first.
#include <versionhelpers.h>

using SkinUI::CDPI;

TEST(DPI, StartsAtOneHundredPercentPerMonitorAware)
{
    CDPI dpi;
    EXPECT_EQ(100u, dpi.GetScale());
    EXPECT_EQ(96u, dpi.GetDPI());
    EXPECT_EQ(37, dpi.Scale(37));
    EXPECT_EQ(37, dpi.ScaleBack(37));
}

TEST(DPI, ScalesTheInstallerWindowTo115Percent)
{
    CDPI dpi;
    dpi.SetScale(110); // MulDiv(110, 100, 96) = 115
    EXPECT_EQ(115u, dpi.GetScale());
    EXPECT_EQ(690, dpi.Scale(600));
    EXPECT_EQ(460, dpi.Scale(400));
    EXPECT_EQ(600, dpi.ScaleBack(690));
    EXPECT_EQ(110u, dpi.GetDPI());

    SIZE size = {600, 400};
    SIZE scaled = dpi.Scale(size);
    EXPECT_EQ(690, scaled.cx);
    EXPECT_EQ(460, scaled.cy);
}

TEST(DPI, RectanglesKeepTheirScaledSize)
{
    CDPI dpi;
    dpi.SetScale(144); // 150 %
    RECT rc = {10, 11, 111, 62};
    RECT scaled = dpi.Scale(rc);
    // left/top scaled; right/bottom = scaled corner + scaled width/height (101 -> 152, 51 -> 77).
    EXPECT_EQ(15, scaled.left);
    EXPECT_EQ(17, scaled.top);
    EXPECT_EQ(15 + 152, scaled.right);
    EXPECT_EQ(17 + 77, scaled.bottom);
    dpi.ScaleBack(&scaled);
    EXPECT_EQ(10, scaled.left);
    EXPECT_EQ(11, scaled.top);
    EXPECT_EQ(111, scaled.right);
    EXPECT_EQ(62, scaled.bottom);
    dpi.Scale(static_cast<RECT*>(nullptr));
}

namespace
{

// Awareness on the object: unaware is 100 % whatever the scale, system aware keeps the first
// factor, per-monitor aware follows SetScale.
void ExpectAwareness(const CDPI& dpi, int awareness)
{
    switch (awareness)
    {
    case CDPI::DPI_UNAWARE:
        EXPECT_EQ(100u, dpi.GetScale());
        EXPECT_EQ(96u, dpi.GetDPI());
        EXPECT_EQ(50, dpi.Scale(50));
        break;
    case CDPI::DPI_SYSTEM_AWARE:
        EXPECT_EQ(100u, dpi.GetScale()); // taken at construction, not changed by SetScale
        break;
    default:
        EXPECT_EQ(150u, dpi.GetScale());
        EXPECT_EQ(144u, dpi.GetDPI());
        EXPECT_EQ(75, dpi.Scale(50));
        break;
    }
}

} // namespace

// Before Windows 8.1 the platform is not asked: the value is kept and false returned. From 8.1
// on the platform takes a process's awareness once: after the first request (or a manifest)
// every further SetProcessDpiAwareness is refused, and the object must keep what it had.
TEST(DPI, AwarenessKeptBeforeWindows81AndUnchangedWhenRefused)
{
#ifdef ZENTRIVO_EXPECT_WINDOWS_81
    // This program exists to run the branch below: it must be taken for Windows 8.1 or later.
    ASSERT_TRUE(::IsWindows8Point1OrGreater());
#endif
    EXPECT_GT(CDPI::GetMainMonitorDPI(), 0);
    if (!::IsWindows8Point1OrGreater())
    {
        CDPI dpi;
        dpi.SetScale(144);
        for (int awareness : {CDPI::DPI_SYSTEM_AWARE, CDPI::DPI_UNAWARE, CDPI::DPI_PER_MONITOR_AWARE})
        {
            EXPECT_FALSE(dpi.SetDPIAwareness(awareness)) << awareness;
            EXPECT_EQ(awareness, dpi.GetDPIAwareness()) << awareness;
            ExpectAwareness(dpi, awareness);
        }
        return;
    }
    CDPI first;
    first.SetDPIAwareness(CDPI::DPI_PER_MONITOR_AWARE); // fixes the process's awareness, if not yet
    CDPI dpi;
    dpi.SetScale(144);
    for (int awareness : {CDPI::DPI_UNAWARE, CDPI::DPI_SYSTEM_AWARE})
    {
        EXPECT_FALSE(dpi.SetDPIAwareness(awareness)) << awareness;
        ExpectAwareness(dpi, CDPI::DPI_PER_MONITOR_AWARE);
    }
}

TEST(DPI, ZeroDpiNeverDividesByZero)
{
    CDPI dpi;
    dpi.SetScale(0);
    EXPECT_EQ(0, dpi.Scale(50));
    EXPECT_EQ(50, dpi.ScaleBack(50));
}
