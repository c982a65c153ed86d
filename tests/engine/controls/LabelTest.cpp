// Labels: auto width measured again on every layout (the percentage label growing and its
// spacer shrinking), text colours (alpha-0 colours draw, 0 means the default), padding, and
// the empty text.
#include <gtest/gtest.h>

#include "engine/controls/CHorizontalLayoutUI.h"
#include "engine/controls/CLabelUI.h"
#include "engine/render/CRenderEngine.h"
#include "tests/engine/controls/ControlTestSupport.h"
#include "tests/engine/render/CTestDib.h"
#include "tests/support/ExpectRect.h"

using namespace SkinUI;

namespace
{

class LabelTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(nullptr, m_manager.AddFont(0, L"Tahoma", 16, false, false, false)); }
    // Width of a text as the label measures it (font 0, single line).
    LONG TextWidth(const wchar_t* pText)
    {
        CTestDib dib(4, 4);
        RECT rc = {0, 0, 9999, 9999};
        CRenderEngine::DrawText(dib.DC(), &m_manager, rc, pText, 0, 0,
                                DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        return rc.right - rc.left;
    }
    CLabelUI* MakeLabel(const wchar_t* pText)
    {
        CLabelUI* pLabel = new CLabelUI;
        pLabel->SetAttribute(L"font", L"0");
        pLabel->SetAttribute(L"text", pText);
        return pLabel;
    }

    CPaintManagerUI m_manager;
};

} // namespace

TEST_F(LabelTest, AutoWidthFollowsTheTextOnTheNextLayout)
{
    CHorizontalLayoutUI* pRow = new CHorizontalLayoutUI;
    CControlUI* pSpacer = new CControlUI;
    CLabelUI* pPercent = MakeLabel(L"0%");
    pPercent->SetAttribute(L"autocalcwidth", L"true");
    pPercent->SetAttribute(L"textpadding", L"3,0,2,0");
    pRow->Add(pSpacer);
    pRow->Add(pPercent);
    m_manager.AttachDialog(pRow);
    pRow->SetPos(RECT{0, 0, 200, 18}, false);
    const LONG w0 = TextWidth(L"0%") + 5;
    ExpectRect(pPercent->GetPos(), 200 - w0, 0, 200, 18);
    EXPECT_EQ(200 - w0, pSpacer->GetPos().right);

    pPercent->SetText(L"100%");
    EXPECT_TRUE(pRow->IsUpdateNeeded());
    pRow->SetPos(RECT{0, 0, 200, 18}, false);
    const LONG w1 = TextWidth(L"100%") + 5;
    ASSERT_GT(w1, w0);
    ExpectRect(pPercent->GetPos(), 200 - w1, 0, 200, 18);
    ExpectRect(pSpacer->GetPos(), 0, 0, 200 - w1, 18);
    EXPECT_EQ(w1, pPercent->GetFixedWidth());
}

TEST_F(LabelTest, AutoWidthIsStoredInLogicalPixels)
{
    m_manager.GetDPIObj()->SetScale(110);
    CLabelUI* pLabel = MakeLabel(L"Zentrivo");
    pLabel->SetAttribute(L"autocalcwidth", L"true");
    m_manager.AttachDialog(pLabel);
    const SIZE sz = pLabel->EstimateSize(SIZE{1000, 30});
    const LONG w = TextWidth(L"Zentrivo");
    EXPECT_EQ(::MulDiv(w, 100, 115), pLabel->GetFixedWidth() == 0 ? 0 : ::MulDiv(sz.cx, 100, 115));
    EXPECT_EQ(m_manager.GetDPIObj()->Scale(::MulDiv(w, 100, 115)), sz.cx);
}

TEST_F(LabelTest, AlphaZeroColourDrawsAndZeroMeansTheDefault)
{
    CLabelUI* pLabel = MakeLabel(L"Zentrivo");
    pLabel->SetAttribute(L"textcolor", L"0x444444");
    m_manager.AttachDialog(pLabel);
    pLabel->SetPos(RECT{0, 0, 120, 30}, false);
    CTestDib painted(120, 30);
    painted.Fill(0xFFFFFF);
    pLabel->Paint(painted.DC(), painted.Bounds());
    EXPECT_EQ(0x00444444u, pLabel->GetTextColor());

    CTestDib reference(120, 30);
    reference.Fill(0xFFFFFF);
    RECT rc = {0, 0, 120, 30};
    CRenderEngine::DrawText(reference.DC(), &m_manager, rc, L"Zentrivo", 0x444444, 0,
                            DT_SINGLELINE | DT_VCENTER);
    EXPECT_GT(painted.Count(painted.Bounds(), 0x444444), 0);
    EXPECT_TRUE(painted.SameAs(reference));

    pLabel->SetTextColor(0);
    pLabel->Paint(painted.DC(), painted.Bounds());
    EXPECT_EQ(m_manager.GetDefaultFontColor(), pLabel->GetTextColor());
}

TEST_F(LabelTest, TextPaddingAndAlignmentPlaceTheText)
{
    CLabelUI* pLabel = MakeLabel(L"ab");
    pLabel->SetAttribute(L"textcolor", L"#FF000000");
    pLabel->SetAttribute(L"align", L"right");
    pLabel->SetAttribute(L"textpadding", L"0,0,10,0");
    m_manager.AttachDialog(pLabel);
    pLabel->SetPos(RECT{0, 0, 100, 30}, false);
    CTestDib dib(100, 30);
    dib.Fill(0xFFFFFF);
    pLabel->Paint(dib.DC(), dib.Bounds());
    int left = 0, right = 0;
    dib.InkColumns(0xFFFFFF, left, right);
    EXPECT_LE(right, 89);
    EXPECT_GE(right, 85);
    EXPECT_EQ(static_cast<UINT>(DT_SINGLELINE | DT_VCENTER | DT_RIGHT), pLabel->GetTextStyle());

    pLabel->SetText(L"");
    dib.Fill(0xFFFFFF);
    pLabel->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(0, dib.CountNot(dib.Bounds(), 0xFFFFFF));
}

TEST_F(LabelTest, StyleAttributes)
{
    CLabelUI label;
    label.SetAttribute(L"valign", L"bottom");
    EXPECT_EQ(static_cast<UINT>(DT_SINGLELINE | DT_BOTTOM), label.GetTextStyle());
    label.SetAttribute(L"wordbreak", L"true");
    EXPECT_EQ(static_cast<UINT>(DT_BOTTOM | DT_WORDBREAK | DT_EDITCONTROL), label.GetTextStyle());
    label.SetAttribute(L"valign", L"center"); // none of the three words: unchanged
    EXPECT_EQ(static_cast<UINT>(DT_BOTTOM | DT_WORDBREAK | DT_EDITCONTROL), label.GetTextStyle());
    label.SetAttribute(L"endellipsis", L"true");
    label.SetAttribute(L"noprefix", L"TRUE");
    EXPECT_EQ(static_cast<UINT>(DT_BOTTOM | DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS | DT_NOPREFIX),
              label.GetTextStyle());
    label.SetAttribute(L"align", L"Center"); // case-sensitive words
    EXPECT_EQ(0u, label.GetTextStyle() & DT_CENTER);
}
