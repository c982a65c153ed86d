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

    const STRINGorID cut(0x10082u); // only the low 16 bits are a resource number
    EXPECT_TRUE(cut.IsID());
    EXPECT_EQ(0x82, cut.GetID());
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
