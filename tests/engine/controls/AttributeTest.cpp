// Attributes of CControlUI: the value syntax, the attribute table, styles matched by value,
// attribute lists and custom attributes.
#include <gtest/gtest.h>

#include <climits>

#include "engine/controls/CContainerUI.h"
#include "engine/manager/CPaintManagerUI.h"

using namespace SkinUI;

namespace
{

// A control attached to a manager (for style lookups) without a window.
struct ManagedControl
{
    ManagedControl() { control.SetManager(&manager, nullptr, false); }
    CPaintManagerUI manager;
    CControlUI control;
};

} // namespace

TEST(ControlAttributes, PosGivesFixedPositionAndSize)
{
    CControlUI a;
    a.SetAttribute(L"pos", L"0,0,160,0");
    EXPECT_EQ(0, a.GetFixedXY().cx);
    EXPECT_EQ(0, a.GetFixedXY().cy);
    EXPECT_EQ(160, a.GetFixedWidth());
    EXPECT_EQ(0, a.GetFixedHeight());

    CControlUI b;
    b.SetAttribute(L"POS", L"-1,0,50,20");
    EXPECT_EQ(50, b.GetFixedXY().cx);
    EXPECT_EQ(0, b.GetFixedXY().cy);
    EXPECT_EQ(51, b.GetFixedWidth());
    EXPECT_EQ(20, b.GetFixedHeight());
}

TEST(ControlAttributes, NumbersThatOverflowSaturate)
{
    CControlUI c;
    c.SetAttribute(L"width", L"99999999999999999999");
    EXPECT_EQ(INT_MAX, c.GetFixedWidth());
    c.SetAttribute(L"pos", L"-5,-99999999999999,99999999999,20");
    EXPECT_EQ(INT_MAX, c.GetFixedWidth()); // INT_MAX - (-5) does not wrap to a negative width
    EXPECT_EQ(INT_MAX, c.GetFixedHeight());
    c.SetAttribute(L"float", L"1e999,-1e999,nan,0.5");
    const tagTPercentInfo p = c.GetFloatPercent();
    EXPECT_LE(p.left, 1000.0);
    EXPECT_GE(p.top, -1000.0);
    EXPECT_EQ(0.0, p.right);
    EXPECT_EQ(0.5, p.bottom);
}

TEST(ControlAttributes, ColoursKeepAlphaAsWritten)
{
    CControlUI c;
    c.SetAttribute(L"bkcolor", L"0x444444");
    EXPECT_EQ(0x00444444u, c.GetBkColor());
    c.SetAttribute(L"bkcolor", L"#FFE74B3F");
    EXPECT_EQ(0xFFE74B3Fu, c.GetBkColor());
    c.SetAttribute(L"bkcolor1", L"#ff666666");
    EXPECT_EQ(0xFF666666u, c.GetBkColor());
    c.SetAttribute(L"forecolor", L"0xE74B3F");
    EXPECT_EQ(0x00E74B3Fu, c.GetForeColor());
    c.SetAttribute(L"bkcolor2", L"nonsense");
    EXPECT_EQ(0u, c.GetBkColor2());
}

TEST(ControlAttributes, LeadingBlanksOnlyForBackgroundAndForegroundColours)
{
    CControlUI c;
    c.SetAttribute(L"bkcolor", L"  #FF112233");
    c.SetAttribute(L"bkcolor3", L" #FF445566");
    c.SetAttribute(L"forecolor", L" #FF778899");
    c.SetAttribute(L"bordercolor", L" #FF112233");
    c.SetAttribute(L"hotbordercolor", L" #FF112233");
    EXPECT_EQ(0xFF112233u, c.GetBkColor());
    EXPECT_EQ(0xFF445566u, c.GetBkColor3());
    EXPECT_EQ(0xFF778899u, c.GetForeColor());
    EXPECT_EQ(0u, c.GetBorderColor());
    EXPECT_EQ(0u, c.GetHotBorderColor());
}

TEST(ControlAttributes, BorderSizeIntegerOrPerSide)
{
    CControlUI c;
    c.SetAttribute(L"bordersize", L"0,0,0,1");
    EXPECT_EQ(1, c.GetBorderRectSize().bottom);
    EXPECT_EQ(0, c.GetBorderSize());
    c.SetAttribute(L"bordersize", L"2");
    EXPECT_EQ(2, c.GetBorderSize());
    EXPECT_EQ(0, c.GetBorderRectSize().bottom); // the integer form clears the sides
    c.SetAttribute(L"leftbordersize", L"3");
    EXPECT_EQ(3, c.GetBorderRectSize().left);
}

TEST(ControlAttributes, SizeSettersIgnoreOutOfRangeValues)
{
    CControlUI c;
    c.SetAttribute(L"width", L"40");
    c.SetAttribute(L"width", L"-3");
    EXPECT_EQ(40, c.GetFixedWidth());
    c.SetAttribute(L"widthpercent", L"101");
    EXPECT_EQ(0, c.GetFixedWidthPercent());
    c.SetAttribute(L"heightpercent", L"100");
    EXPECT_EQ(100, c.GetFixedHeightPercent());
    c.SetAttribute(L"minwidth", L"-1");
    EXPECT_EQ(0, c.GetMinWidth());
    c.SetAttribute(L"maxheight", L"70");
    EXPECT_EQ(70, c.GetMaxHeight());
    EXPECT_EQ(9999, c.GetMaxWidth());
}

TEST(ControlAttributes, FloatForms)
{
    CControlUI c;
    c.SetAttribute(L"float", L"true");
    EXPECT_TRUE(c.IsFloat());
    c.SetAttribute(L"float", L"false");
    EXPECT_FALSE(c.IsFloat());
    c.SetAttribute(L"float", L"0.5,0.25,1,0.75");
    EXPECT_TRUE(c.IsFloat());
    EXPECT_EQ(0.25, c.GetFloatPercent().top);
    c.SetAttribute(L"floatpercent", L"10,20,30,40");
    EXPECT_EQ(0.4, c.GetFloatPercent().bottom);

    c.SetAttribute(L"floatalign", L"center,bottom");
    EXPECT_EQ(0x1u | 0x8u, c.GetFloatAlign());
    c.SetAttribute(L"floatalign", L"right vcenter");
    EXPECT_EQ(0x2u | 0x4u, c.GetFloatAlign());
    c.SetAttribute(L"floatvalign", L"xtopx");
    EXPECT_EQ(0x2u, c.GetFloatAlign());
    c.SetAttribute(L"floatalign", L"null");
    EXPECT_EQ(0u, c.GetFloatAlign());
    c.SetAttribute(L"floatposition", L"30,40");
    EXPECT_EQ(30, c.GetFloatPosition().x);
    EXPECT_EQ(40, c.GetFloatPosition().y);
}

TEST(ControlAttributes, KeywordsAndFlags)
{
    CControlUI c;
    c.SetAttribute(L"cursor", L"hand");
    EXPECT_EQ(32649, c.GetCursor());
    c.SetAttribute(L"cursor", L"pointer");
    EXPECT_EQ(32649, c.GetCursor());
    c.SetAttribute(L"animation", L"scalesize");
    EXPECT_EQ(AnimScaleSize, c.GetAnimation());
    c.SetAttribute(L"animation", L"spin");
    EXPECT_EQ(AnimScaleSize, c.GetAnimation());
    c.SetAttribute(L"visible", L"TRUE");
    EXPECT_TRUE(c.IsVisible());
    c.SetAttribute(L"mouse", L"1");
    EXPECT_FALSE(c.IsMouseEnabled());
    c.SetAttribute(L"shortcut", L"xyz");
    EXPECT_EQ(L'x', c.GetShortcut());
    c.SetAttribute(L"resourceid", L"  42abc");
    EXPECT_EQ(42, c.GetResourceID());
    c.SetAttribute(L"OnInit", L"script_fn"); // a script hook, not a custom attribute
    EXPECT_EQ(nullptr, c.GetCustomAttribute(L"OnInit"));
    c.SetAttribute(L"oninit", L"script_fn"); // hooks are case-sensitive
    EXPECT_STREQ(L"script_fn", c.GetCustomAttribute(L"oninit"));
}

TEST(ControlAttributes, TextAndTooltipLineBreaks)
{
    CControlUI c;
    c.SetAttribute(L"text", L"one{\\n}two");
    EXPECT_STREQ(L"one\ntwo", c.GetText().GetData());
    c.SetAttribute(L"tooltip", L"a<n>b");
    EXPECT_STREQ(L"a\r\nb", c.GetToolTip().GetData());
    c.SetTextN(-17);
    EXPECT_EQ(-17, c.GetTextN());
    c.SetTextV(L"%s-%d", L"w", 3);
    EXPECT_STREQ(L"w-3", c.GetText().GetData());
}

TEST(ControlCustomAttributes, FirstValueWinsAndUnknownNamesAreKept)
{
    CControlUI c;
    c.SetAttribute(L"corser", L"hand");
    c.SetAttribute(L"corser", L"arrow");
    c.SetAttribute(L"vaule", L"33");
    EXPECT_EQ(0, c.GetCursor());
    EXPECT_STREQ(L"hand", c.GetCustomAttribute(L"corser"));
    EXPECT_STREQ(L"33", c.GetCustomAttribute(L"vaule"));
    EXPECT_FALSE(c.AddCustomAttribute(L"", L"x"));
    EXPECT_FALSE(c.AddCustomAttribute(L"empty", L""));
    EXPECT_EQ(nullptr, c.GetCustomAttribute(L"empty"));
    EXPECT_TRUE(c.RemoveCustomAttribute(L"corser"));
    EXPECT_EQ(nullptr, c.GetCustomAttribute(L"corser"));
    c.RemoveAllCustomAttribute();
    EXPECT_EQ(nullptr, c.GetCustomAttribute(L"vaule"));
    EXPECT_TRUE(c.AddCustomAttribute(L"vaule", L"34"));
}

TEST(ControlStyles, AttributeValueNamingAStyleAppliesIt)
{
    ManagedControl m;
    m.manager.AddStyle(L"option_outfile_ext_style", L"width=\"30\" height=\"40\" text=\"styled\"");
    m.control.SetAttribute(L"style", L"option_outfile_ext_style");
    EXPECT_EQ(30, m.control.GetFixedWidth());
    EXPECT_EQ(40, m.control.GetFixedHeight());
    EXPECT_EQ(nullptr, m.control.GetCustomAttribute(L"style")); // no attribute named "style"

    // Any attribute whose value is a style name applies the style instead of itself.
    m.control.SetAttribute(L"text", L"plain");
    m.control.SetAttribute(L"text", L"option_outfile_ext_style");
    EXPECT_STREQ(L"styled", m.control.GetText().GetData());
}

TEST(ControlStyles, WholeListNamingAStyle)
{
    ManagedControl m;
    m.manager.AddStyle(L"btn", L"name=&quot;fromstyle&quot;");
    m.control.ApplyAttributeList(L"btn");
    EXPECT_STREQ(L"fromstyle", m.control.GetName().GetData());
}

TEST(ControlStyles, SelfNamingAndCyclicStylesStop)
{
    ManagedControl m;
    m.manager.AddStyle(L"self", L"style=\"self\" width=\"7\"");
    m.control.SetAttribute(L"style", L"self");
    EXPECT_EQ(7, m.control.GetFixedWidth());

    m.manager.AddStyle(L"ping", L"width=\"11\" style=\"pong\"");
    m.manager.AddStyle(L"pong", L"height=\"12\" style=\"ping\"");
    m.control.ApplyAttributeList(L"ping");
    EXPECT_EQ(11, m.control.GetFixedWidth());
    EXPECT_EQ(12, m.control.GetFixedHeight());

    // The same style may be used again afterwards and in sibling attributes.
    m.manager.AddStyle(L"w5", L"width=\"5\"");
    m.control.ApplyAttributeList(L"style=\"w5\" height=\"1\" style=\"w5\"");
    EXPECT_EQ(5, m.control.GetFixedWidth());
    EXPECT_EQ(1, m.control.GetFixedHeight());
}

TEST(ControlAttributeLists, SeparatorsBlankOrCommaOnly)
{
    CControlUI blank, comma, semicolon, two;
    blank.ApplyAttributeList(L"name=\"a\" text=\"b\"");
    comma.ApplyAttributeList(L"name=\"a\",text=\"b\"");
    semicolon.ApplyAttributeList(L"name=\"a\";text=\"b\"");
    two.ApplyAttributeList(L"name=\"a\"  text=\"b\"");
    EXPECT_STREQ(L"b", blank.GetText().GetData());
    EXPECT_STREQ(L"b", comma.GetText().GetData());
    EXPECT_STREQ(L"a", semicolon.GetName().GetData());
    EXPECT_STREQ(L"", semicolon.GetText().GetData());
    EXPECT_STREQ(L"", two.GetText().GetData()); // exactly one separator character
}

TEST(ControlAttributeLists, QuotEntitiesAndNestedQuotes)
{
    CControlUI c;
    c.ApplyAttributeList(L"text=&quot;hello&quot; name=&quot;n&quot;");
    EXPECT_STREQ(L"hello", c.GetText().GetData());
    EXPECT_STREQ(L"n", c.GetName().GetData());

    CControlUI d;
    d.ApplyAttributeList(
        L"bkimage=\"file='page_home.png' source='0,0,600,400' corner='5,5,5,5'\" userdata=\"after\"");
    EXPECT_STREQ(L"file='page_home.png' source='0,0,600,400' corner='5,5,5,5'", d.GetBkImage());
    EXPECT_STREQ(L"after", d.GetUserData().GetData());

    CControlUI e;
    e.SetAttribute(L"innerstyle", L"width=&quot;9&quot; text=&quot;x=y&quot;");
    EXPECT_EQ(9, e.GetFixedWidth());
    EXPECT_STREQ(L"x=y", e.GetText().GetData());
}

TEST(ControlAttributeLists, MalformedListsApplyUpToTheFault)
{
    CControlUI unclosed, noQuote, noEquals, single, nestedOpen;
    unclosed.ApplyAttributeList(L"name=\"ok\" text=\"never closed");
    noQuote.ApplyAttributeList(L"name=\"ok\" text=bare");
    noEquals.ApplyAttributeList(L"name=\"ok\" text");
    single.ApplyAttributeList(L"name=\"ok\" text=\"it's\"");
    nestedOpen.ApplyAttributeList(L"name=\"ok\" bkimage=\"file='x.png");
    for (CControlUI* c : {&unclosed, &noQuote, &noEquals, &single, &nestedOpen})
    {
        EXPECT_STREQ(L"ok", c->GetName().GetData());
        EXPECT_STREQ(L"", c->GetText().GetData());
        EXPECT_STREQ(L"", c->GetBkImage());
    }
    CControlUI empty;
    EXPECT_EQ(&empty, empty.ApplyAttributeList(L""));
    EXPECT_EQ(&empty, empty.ApplyAttributeList(nullptr));
}

TEST(ContainerAttributes, AlignmentWordsAreCaseSensitive)
{
    CContainerUI c;
    c.SetAttribute(L"childalign", L"center");
    c.SetAttribute(L"childvalign", L"bottom");
    EXPECT_EQ(1u, c.GetChildAlign());
    EXPECT_EQ(8u, c.GetChildVAlign());
    c.SetAttribute(L"childalign", L"Right");
    c.SetAttribute(L"childvalign", L"VCENTER");
    EXPECT_EQ(1u, c.GetChildAlign());
    EXPECT_EQ(8u, c.GetChildVAlign());
    c.SetAttribute(L"ChildAlign", L"right"); // not the attribute: kept as a custom one
    EXPECT_EQ(1u, c.GetChildAlign());
    EXPECT_STREQ(L"right", c.GetCustomAttribute(L"ChildAlign"));

    c.SetAttribute(L"inset", L"1,2,3,4");
    EXPECT_EQ(4, c.GetInset().bottom);
    c.SetAttribute(L"childpadding", L"6");
    EXPECT_EQ(6, c.GetChildPadding());
    c.SetAttribute(L"scrollstepsize", L"-2");
    EXPECT_EQ(0, c.GetScrollStepSize());
    c.SetAttribute(L"width", L"12"); // falls through to the control
    EXPECT_EQ(12, c.GetFixedWidth());
}
