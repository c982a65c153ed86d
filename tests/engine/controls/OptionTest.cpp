// Options: the licence check box (no group) toggling with one "selectchanged" per click and
// one already from the markup's "selected", radio groups keeping exactly one selected, group
// membership following the option's life, and the selected image.
#include <gtest/gtest.h>

#include "engine/controls/COptionUI.h"
#include "engine/controls/CHorizontalLayoutUI.h"
#include "tests/engine/controls/ControlTestSupport.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

class OptionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pRow = new CHorizontalLayoutUI;
        m_manager.AttachDialog(m_pRow);
    }
    // An option built the way the markup builder does it: added first, attributes after.
    COptionUI* AddOption(const wchar_t* pName, const wchar_t* pGroup = nullptr)
    {
        COptionUI* pOption = new COptionUI;
        m_pRow->Add(pOption);
        pOption->SetAttribute(L"name", pName);
        pOption->SetAttribute(L"width", L"30");
        if (pGroup != nullptr)
            pOption->SetAttribute(L"group", pGroup);
        m_manager.InitControls(pOption, m_pRow);
        m_pRow->SetPos(RECT{0, 0, 300, 20}, false);
        return pOption;
    }
    void ClickOn(COptionUI* pOption)
    {
        const RECT& rc = pOption->GetPos();
        Click(pOption, POINT{rc.left + 1, rc.top + 1}, POINT{rc.left + 1, rc.top + 1});
    }

    CPaintManagerUI m_manager;
    CHorizontalLayoutUI* m_pRow = nullptr;
};

} // namespace

TEST_F(OptionTest, LicenceOptionTogglesWithOneSelectChangedPerClick)
{
    CNotifyRecorder recorder(m_manager);
    COptionUI* pOption = AddOption(L"opt_User");
    pOption->SetAttribute(L"selected", L"true");
    EXPECT_TRUE(pOption->IsSelected());
    ASSERT_EQ(1u, recorder.m_events.size());
    EXPECT_EQ(L"selectchanged:opt_User", recorder.m_events[0]);

    ClickOn(pOption);
    EXPECT_FALSE(pOption->IsSelected());
    ClickOn(pOption);
    EXPECT_TRUE(pOption->IsSelected());
    const std::vector<std::wstring> expected = {L"selectchanged:opt_User", L"selectchanged:opt_User",
                                                L"click:opt_User", L"selectchanged:opt_User",
                                                L"click:opt_User"};
    EXPECT_EQ(expected, recorder.m_events);

    // The same state again changes nothing.
    pOption->Selected(true, true);
    EXPECT_EQ(expected.size(), recorder.m_events.size());
}

TEST_F(OptionTest, GroupKeepsExactlyOneSelected)
{
    COptionUI* a = AddOption(L"a", L"g");
    COptionUI* b = AddOption(L"b", L"g");
    COptionUI* c = AddOption(L"c", L"g");
    ASSERT_NE(nullptr, m_manager.GetOptionGroup(L"g"));
    EXPECT_EQ(3, m_manager.GetOptionGroup(L"g")->GetSize());
    a->Selected(true, false);

    CNotifyRecorder recorder(m_manager);
    ClickOn(b);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(c->IsSelected());
    // Only the newly selected option reports; the deselected one is only repainted.
    const std::vector<std::wstring> expected = {L"selectchanged:b", L"click:b"};
    EXPECT_EQ(expected, recorder.m_events);

    ClickOn(b);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(1, recorder.Count(L"selectchanged"));
    EXPECT_EQ(2, recorder.Count(L"click"));
}

TEST_F(OptionTest, GroupMembershipFollowsTheOptionsLife)
{
    COptionUI* a = AddOption(L"a", L"g");
    COptionUI* b = AddOption(L"b", L"g");
    b->SetGroup(L"h");
    EXPECT_EQ(1, m_manager.GetOptionGroup(L"g")->GetSize());
    EXPECT_EQ(1, m_manager.GetOptionGroup(L"h")->GetSize());
    m_pRow->SetDelayedDestroy(false);
    m_pRow->Remove(a);
    EXPECT_EQ(nullptr, m_manager.GetOptionGroup(L"g"));
    // Selecting b walks a group that no longer holds the deleted option.
    b->Selected(true, true);
    EXPECT_TRUE(b->IsSelected());
}

TEST_F(OptionTest, DisablingKeepsOnlyTheSelectedBit)
{
    COptionUI* a = AddOption(L"a");
    a->Selected(true, false);
    SendEvent(a, EventType::MouseEnter, 1, 1);
    a->SetEnabled(false);
    EXPECT_EQ(static_cast<UINT>(StateSelected), a->GetState());
    CNotifyRecorder recorder(m_manager);
    ClickOn(a);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_EQ(0u, recorder.m_events.size());
}

TEST_F(OptionTest, SelectedImageReplacesTheNormalOne)
{
    m_manager.AddStyle(
        L"option_outfile_ext_style",
        L"normalimage=&quot;file='common_choose.png' source='0,0,14,14' dest='0,0,14,14'&quot; "
        L"selectedimage=&quot;file='common_choose.png' source='0,14,14,28' dest='0,0,14,14'&quot; ");
    COptionUI* pOption = AddOption(L"opt_User");
    pOption->SetAttribute(L"style", L"option_outfile_ext_style");
    pOption->SetAttribute(L"textpadding", L"18,0,0,0");
    pOption->SetAttribute(L"selectedbkcolor", L"#FF00FF00");
    CTestDib dib(40, 20);
    pOption->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(kRed, dib.Pixel(7, 7));
    EXPECT_EQ(0u, dib.Pixel(20, 7));
    pOption->Selected(true, false);
    pOption->Paint(dib.DC(), dib.Bounds());
    EXPECT_EQ(kBlue, dib.Pixel(7, 7));
    EXPECT_EQ(kGreen, dib.Pixel(20, 7));
    EXPECT_EQ(kGreen, dib.Pixel(7, 17)); // the 14-high image leaves the rest to the background
}
