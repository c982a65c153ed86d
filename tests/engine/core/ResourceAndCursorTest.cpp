#include <gtest/gtest.h>

#include "engine/core/CUIWaitCursor.h"
#include "engine/core/STRINGorID.h"

using SkinUI::CUIWaitCursor;
using SkinUI::STRINGorID;

TEST(STRINGorIDForms, NameOrNumber)
{
    const wchar_t* name = L"MainFrame.xml";
    const STRINGorID byName(name);
    EXPECT_EQ(name, byName.m_lpstr);
    EXPECT_FALSE(byName.IsID());
    EXPECT_EQ(0, byName.GetID());

    const STRINGorID byId(130u);
    EXPECT_TRUE(byId.IsID());
    EXPECT_EQ(130, byId.GetID());
    EXPECT_EQ(MAKEINTRESOURCEW(130), byId.m_lpstr);

    const STRINGorID highest(0xFFFFu);
    EXPECT_TRUE(highest.IsID());
    EXPECT_EQ(0xFFFF, highest.GetID());

    // Above 16 bits nothing is named: 0x10082 must not become resource 130.
    for (unsigned int n : {0x10000u, 0x10082u, 0xFFFFFFFFu})
    {
        const STRINGorID tooLarge(n);
        EXPECT_EQ(nullptr, tooLarge.m_lpstr) << n;
        EXPECT_FALSE(tooLarge.IsID()) << n;
        EXPECT_EQ(0, tooLarge.GetID()) << n;
    }
    EXPECT_FALSE(STRINGorID(static_cast<const wchar_t*>(nullptr)).IsID());
}

TEST(CUIWaitCursorScope, ShowsWaitThenRestores)
{
    HCURSOR arrow = ::LoadCursorW(NULL, IDC_ARROW);
    HCURSOR wait = ::LoadCursorW(NULL, IDC_WAIT);
    ASSERT_NE(arrow, wait);
    ::SetCursor(arrow);
    {
        CUIWaitCursor guard;
        EXPECT_EQ(wait, ::GetCursor());
        {
            CUIWaitCursor nested;
            EXPECT_EQ(wait, ::GetCursor());
        }
        EXPECT_EQ(wait, ::GetCursor());
    }
    EXPECT_EQ(arrow, ::GetCursor());
}
