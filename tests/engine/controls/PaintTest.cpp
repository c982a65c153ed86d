// Painting of controls and containers into a 32-bit DIB: background fill rule, gradients,
// borders, paint order, clipping of children, floating children, GenerateBitmap. No GDI+
// session is started here: the paint manager's own session must be enough.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/controls/CContainerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CGdiObject.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

const DWORD kWhite = 0xFFFFFF;
const DWORD kBlack = 0x000000;

class ControlPaint : public ::testing::Test
{
protected:
    // Attaches a control to the manager without a window (scale 100 %).
    template <class T> T* Managed(T* p)
    {
        p->SetManager(&m_manager, nullptr, false);
        return p;
    }
    // Places the control and paints the whole surface.
    static void PaintAt(CControlUI& c, CTestDib& dib, const RECT& rcItem)
    {
        c.SetPos(rcItem);
        c.Paint(dib.DC(), dib.Bounds());
    }
    CPaintManagerUI m_manager;
};

int Blue(DWORD px)
{
    return static_cast<int>(px & 0xFF);
}

bool Near(DWORD px, DWORD rgb, int tolerance = 24)
{
    for (int shift = 0; shift <= 16; shift += 8)
    {
        const int a = static_cast<int>((px >> shift) & 0xFF);
        const int b = static_cast<int>((rgb >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance)
            return false;
    }
    return true;
}

} // namespace

TEST_F(ControlPaint, OpaqueBackgroundFillsOnlyThePaintRectangle)
{
    CTestDib dib(40, 40);
    dib.Fill(kWhite);
    CControlUI c;
    Managed(&c);
    c.SetBkColor(0xFFFF0000);
    c.SetPos(RECT{0, 0, 40, 40});
    EXPECT_TRUE(c.Paint(dib.DC(), RECT{10, 10, 20, 20}));
    EXPECT_EQ(100, dib.Count(RECT{10, 10, 20, 20}, 0xFF0000));
    EXPECT_EQ(100, dib.Count(dib.Bounds(), 0xFF0000));
}

TEST_F(ControlPaint, TranslucentBackgroundCoversTheWholeItem)
{
    CTestDib dib(40, 40);
    dib.Fill(kWhite);
    CControlUI c;
    Managed(&c);
    c.SetBkColor(0x80FF0000);
    c.SetPos(RECT{0, 0, 40, 40});
    c.Paint(dib.DC(), RECT{10, 10, 20, 20});
    EXPECT_NE(kWhite, dib.Pixel(2, 2));
    EXPECT_NE(kWhite, dib.Pixel(37, 37));
    EXPECT_EQ(0, dib.Count(dib.Bounds(), 0xFF0000)); // blended, not opaque
}

TEST_F(ControlPaint, ColourWithAlphaZeroFillsNothing)
{
    CTestDib dib(20, 20);
    dib.Fill(kWhite);
    CControlUI c;
    Managed(&c);
    c.SetAttribute(L"bkcolor", L"0x444444");
    PaintAt(c, dib, dib.Bounds());
    EXPECT_EQ(0, dib.CountNot(dib.Bounds(), kWhite));
}

TEST_F(ControlPaint, VerticalGradientRunsTopToBottom)
{
    CTestDib dib(16, 32);
    CControlUI c;
    Managed(&c);
    c.SetBkColor(0xFF000000);
    c.SetBkColor2(0xFF0000FF);
    PaintAt(c, dib, dib.Bounds());
    EXPECT_TRUE(Near(dib.Pixel(8, 0), 0x000000));
    EXPECT_TRUE(Near(dib.Pixel(8, 31), 0x0000FF));
    for (int y = 1; y < 32; ++y)
        EXPECT_GE(Blue(dib.Pixel(3, y)), Blue(dib.Pixel(3, y - 1))) << y;
    EXPECT_EQ(dib.Pixel(0, 20), dib.Pixel(15, 20)); // rows are uniform
}

TEST_F(ControlPaint, ThirdColourSplitsAtTheVerticalMiddle)
{
    CTestDib dib(16, 32);
    CControlUI c;
    Managed(&c);
    c.SetBkColor(0xFF000000);
    c.SetBkColor2(0xFF0000FF);
    c.SetBkColor3(0xFFFF0000);
    PaintAt(c, dib, dib.Bounds());
    EXPECT_TRUE(Near(dib.Pixel(8, 0), 0x000000));
    EXPECT_TRUE(Near(dib.Pixel(8, 15), 0x0000FF, 40));
    EXPECT_TRUE(Near(dib.Pixel(8, 16), 0x0000FF, 40));
    EXPECT_TRUE(Near(dib.Pixel(8, 31), 0xFF0000, 40));
}

TEST_F(ControlPaint, HorizontalGradientRunsLeftToRight)
{
    CTestDib dib(32, 8);
    CControlUI c;
    Managed(&c);
    c.SetAttribute(L"gradient", L"HOR");
    c.SetBkColor(0xFF000000);
    c.SetBkColor2(0xFF0000FF);
    PaintAt(c, dib, dib.Bounds());
    EXPECT_TRUE(Near(dib.Pixel(0, 4), 0x000000));
    EXPECT_TRUE(Near(dib.Pixel(31, 4), 0x0000FF));
    EXPECT_EQ(dib.Pixel(20, 0), dib.Pixel(20, 7)); // columns are uniform
}

TEST_F(ControlPaint, UniformBorderIsAOnePixelOutline)
{
    CTestDib dib(40, 30);
    CControlUI c;
    Managed(&c);
    c.SetAttribute(L"bordersize", L"1");
    c.SetAttribute(L"bordercolor", L"0xFFD1D1D1");
    PaintAt(c, dib, RECT{5, 5, 35, 25});
    const DWORD kGrey = 0xD1D1D1;
    EXPECT_EQ(30, dib.Count(RECT{5, 5, 35, 6}, kGrey));
    EXPECT_EQ(30, dib.Count(RECT{5, 24, 35, 25}, kGrey));
    EXPECT_EQ(20, dib.Count(RECT{5, 5, 6, 25}, kGrey));
    EXPECT_EQ(20, dib.Count(RECT{34, 5, 35, 25}, kGrey));
    EXPECT_EQ(0, dib.CountNot(RECT{6, 6, 34, 24}, kBlack));
    EXPECT_EQ(2 * 30 + 2 * 18, dib.CountNot(dib.Bounds(), kBlack));
}

TEST_F(ControlPaint, PerSideBorderDrawsOnlyThatSideAtBottomMinusOne)
{
    CTestDib dib(40, 30);
    CControlUI c;
    Managed(&c);
    c.SetAttribute(L"bordersize", L"0,0,0,1");
    c.SetAttribute(L"bordercolor", L"0xFFD1D1D1");
    PaintAt(c, dib, RECT{5, 5, 35, 25});
    EXPECT_EQ(30, dib.Count(RECT{5, 24, 35, 25}, 0xD1D1D1));
    EXPECT_EQ(30, dib.CountNot(dib.Bounds(), kBlack));

    CTestDib right(40, 30);
    right.Fill(kBlack);
    c.SetAttribute(L"bordersize", L"0,0,1,0");
    c.Paint(right.DC(), right.Bounds());
    EXPECT_EQ(20, right.Count(RECT{34, 5, 35, 25}, 0xD1D1D1));
    EXPECT_EQ(20, right.CountNot(right.Bounds(), kBlack));
}

// Rounded corners clip everything the control paints and draw the border as a rounded
// outline: the corner pixel stays as it was, the middle of each edge gets the border.
TEST_F(ControlPaint, RoundedCornersClipTheFillAndRoundTheBorder)
{
    CTestDib dib(40, 40);
    dib.Fill(kWhite);
    CControlUI c;
    Managed(&c);
    c.SetAttribute(L"borderround", L"12,12");
    c.SetAttribute(L"bkcolor", L"0xFF0000FF");
    c.SetAttribute(L"bordersize", L"1");
    c.SetAttribute(L"bordercolor", L"0xFFFF0000");
    PaintAt(c, dib, RECT{4, 4, 36, 36});
    for (const POINT& corner : {POINT{4, 4}, POINT{35, 4}, POINT{4, 35}, POINT{35, 35}})
        EXPECT_EQ(kWhite, dib.Pixel(corner.x, corner.y)) << corner.x << "," << corner.y;
    EXPECT_EQ(0xFF0000u, dib.Pixel(20, 4));
    EXPECT_EQ(0xFF0000u, dib.Pixel(4, 20));
    EXPECT_EQ(0x0000FFu, dib.Pixel(20, 20));
    EXPECT_EQ(0, dib.CountNot(RECT{0, 0, 40, 4}, kWhite)); // nothing outside the item
}

TEST_F(ControlPaint, FocusAndHotBorderColoursWin)
{
    CTestDib dib(20, 20);
    CControlUI c;
    Managed(&c);
    c.SetBorderSize(1);
    c.SetBorderColor(0xFF0000FF);
    c.SetHotBorderColor(0xFF00FF00);
    c.SetFocusBorderColor(0xFFFF0000);
    c.SetPos(dib.Bounds());
    c.SetHot(true);
    c.Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0x00FF00u, dib.Pixel(0, 10));
    tagTEventUI focus = {};
    focus.Type = EventType::SetFocus;
    c.Event(focus);
    c.Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0xFF0000u, dib.Pixel(0, 10));
}

TEST_F(ControlPaint, StepsPaintInTheFixedOrder)
{
    CTestDib dib(20, 20);
    CControlUI c;
    Managed(&c);
    c.SetBkColor(0xFFFF0000);
    c.SetForeColor(0xFF00FF00);
    c.SetBorderSize(1);
    c.SetBorderColor(0xFF0000FF);
    PaintAt(c, dib, dib.Bounds());
    EXPECT_EQ(0x00FF00u, dib.Pixel(10, 10)); // foreground over background
    EXPECT_EQ(0x0000FFu, dib.Pixel(0, 10));  // border over both
}

TEST_F(ControlPaint, StopControlAndMissedRectangle)
{
    CTestDib dib(20, 20);
    CControlUI c;
    Managed(&c);
    c.SetBkColor(0xFFFF0000);
    c.SetPos(RECT{0, 0, 10, 10});
    EXPECT_FALSE(c.Paint(dib.DC(), dib.Bounds(), &c));
    EXPECT_TRUE(c.Paint(dib.DC(), RECT{12, 12, 20, 20}));
    EXPECT_EQ(0, dib.CountNot(dib.Bounds(), kBlack));
}

TEST_F(ControlPaint, ContainerClipsNormalChildrenToItsClientRectangle)
{
    CTestDib dib(40, 40);
    CContainerUI* c = Managed(new CContainerUI);
    c->SetInset(RECT{10, 10, 10, 10});
    CControlUI* child = new CControlUI;
    child->SetBkColor(0xFFFF0000);
    c->Add(child);
    c->SetPos(dib.Bounds());
    child->SetPos(dib.Bounds()); // larger than the client rectangle
    EXPECT_TRUE(c->Paint(dib.DC(), dib.Bounds()));
    EXPECT_EQ(400, dib.Count(RECT{10, 10, 30, 30}, 0xFF0000));
    EXPECT_EQ(400, dib.Count(dib.Bounds(), 0xFF0000));
    delete c;
}

TEST_F(ControlPaint, FloatingChildPaintsOutsideTheClientAreaButInsideTheItem)
{
    CTestDib dib(60, 60);
    CContainerUI* c = Managed(new CContainerUI);
    c->SetInset(RECT{10, 10, 10, 10});
    CControlUI* floating = new CControlUI;
    floating->SetFloat(true);
    floating->SetBkColor(0xFF00FF00);
    c->Add(floating);
    c->SetPos(RECT{10, 10, 50, 50});
    floating->SetPos(RECT{0, 0, 60, 15}); // beyond the container on three sides
    c->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(40 * 5, dib.Count(RECT{10, 10, 50, 15}, 0x00FF00));
    EXPECT_EQ(40 * 5, dib.Count(dib.Bounds(), 0x00FF00));
    delete c;
}

TEST_F(ControlPaint, ContainerSkipsHiddenChildrenAndStopsAtTheStopControl)
{
    CTestDib dib(30, 10);
    CContainerUI* c = Managed(new CContainerUI);
    CControlUI* hidden = new CControlUI;
    CControlUI* stop = new CControlUI;
    CControlUI* after = new CControlUI;
    for (CControlUI* p : {hidden, stop, after})
    {
        p->SetBkColor(0xFFFF0000);
        c->Add(p);
    }
    hidden->SetVisible(false);
    c->SetPos(dib.Bounds());
    hidden->SetPos(RECT{0, 0, 10, 10});
    stop->SetPos(RECT{10, 0, 20, 10});
    after->SetPos(RECT{20, 0, 30, 10});
    EXPECT_FALSE(c->Paint(dib.DC(), dib.Bounds(), stop));
    EXPECT_EQ(0, dib.CountNot(dib.Bounds(), kBlack));
    EXPECT_TRUE(c->Paint(dib.DC(), dib.Bounds()));
    EXPECT_EQ(0, dib.CountNot(RECT{0, 0, 10, 10}, kBlack));
    EXPECT_EQ(200, dib.Count(dib.Bounds(), 0xFF0000));
    delete c;
}

TEST_F(ControlPaint, GenerateBitmapCopiesTheControlAndFiltersIt)
{
    CControlUI c;
    Managed(&c);
    c.SetBkColor(0xFF00FF00);
    c.SetPos(RECT{10, 10, 30, 20});
    CGdiObject<HBITMAP> plain(CRenderEngine::GenerateBitmap(&m_manager, &c, c.GetPos()));
    CGdiObject<HBITMAP> blue(CRenderEngine::GenerateBitmap(&m_manager, &c, c.GetPos(), 0xFF0000FF));
    ASSERT_FALSE(plain.IsNull());
    ASSERT_FALSE(blue.IsNull());
    DIBSECTION ds = {};
    ASSERT_EQ(static_cast<int>(sizeof(ds)), ::GetObjectW(plain, sizeof(ds), &ds));
    EXPECT_EQ(20, ds.dsBm.bmWidth);
    EXPECT_EQ(10, ds.dsBm.bmHeight);
    const DWORD* px = static_cast<const DWORD*>(ds.dsBm.bmBits);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(0x00FF00u, px[i] & 0xFFFFFF) << i;
    ASSERT_EQ(static_cast<int>(sizeof(ds)), ::GetObjectW(blue, sizeof(ds), &ds));
    px = static_cast<const DWORD*>(ds.dsBm.bmBits);
    EXPECT_EQ(0x0000FFu, px[0] & 0xFFFFFF);
    EXPECT_EQ(0x0000FFu, px[199] & 0xFFFFFF);

    EXPECT_EQ(nullptr, CRenderEngine::GenerateBitmap(&m_manager, nullptr, RECT{0, 0, 5, 5}));
    EXPECT_EQ(nullptr, CRenderEngine::GenerateBitmap(&m_manager, &c, RECT{5, 5, 5, 9}));
}
