// Bounded mutation run: random attribute lists, values and style names (self-naming and
// cyclic styles among them) applied to controls and containers. Nothing may crash or hang,
// and the guard against style cycles must not leak state from one run into the next.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/controls/CContainerUI.h"
#include "engine/manager/CPaintManagerUI.h"

using namespace SkinUI;

namespace
{

const wchar_t* const kPieces[] = {L"pos",        L"float",  L"floatalign",   L"bordersize", L"bkcolor",
                                  L"bkimage",    L"width",  L"text",         L"style",      L"innerstyle",
                                  L"childalign", L"inset",  L"name",         L"cursor",     L"corser",
                                  L"s1",         L"s2",     L"s3",           L"=",          L"\"",
                                  L"'",          L"&quot;", L"&quo",         L",",          L" ",
                                  L";",          L"-",      L"0x",           L"#",          L"99999999999",
                                  L"1.5e308",    L"{\\n}",  L"file='a.png'", L"true",       L"center",
                                  L"",           L"\t",     L"=\"",          L"\"\"",       L"='"};

std::wstring RandomText(std::mt19937& rng, int nPieces)
{
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof(kPieces) / sizeof(kPieces[0])) - 1);
    std::wstring s;
    for (int i = 0; i < nPieces; ++i)
        s += kPieces[pick(rng)];
    return s;
}

} // namespace

TEST(ControlMutation, RandomListsValuesAndStylesNeverCrashOrLoop)
{
    std::mt19937 rng(20261209);
    CPaintManagerUI manager;
    // Styles that name themselves, each other, and random texts.
    manager.AddStyle(L"s1", L"style=\"s1\" width=\"3\"");
    manager.AddStyle(L"s2", L"innerstyle=\"style=&quot;s3&quot;\" text=\"s2\"");
    manager.AddStyle(L"s3", L"name=\"s2\" bkimage=\"s1\"");

    std::uniform_int_distribution<int> len(0, 24);
    for (int round = 0; round < 300; ++round)
    {
        manager.AddStyle(L"s4", RandomText(rng, len(rng)).c_str());
        CContainerUI* pContainer = new CContainerUI;
        pContainer->SetManager(&manager, nullptr, false);
        CControlUI* pChild = new CControlUI;
        pContainer->Add(pChild);

        for (int i = 0; i < 8; ++i)
        {
            const std::wstring list = RandomText(rng, len(rng));
            pContainer->ApplyAttributeList(list.c_str());
            pChild->ApplyAttributeList(list.c_str());
            const std::wstring name = RandomText(rng, 2);
            const std::wstring value = RandomText(rng, len(rng));
            pChild->SetAttribute(name.c_str(), value.c_str());
        }
        pContainer->SetPos(RECT{0, 0, 200, 100});
        pContainer->EstimateSize(SIZE{200, 100});
        delete pContainer;

        // No style stays marked as "being applied" after a run: s1 applies again.
        CControlUI probe;
        probe.SetManager(&manager, nullptr, false);
        probe.ApplyAttributeList(L"s1");
        ASSERT_EQ(3, probe.GetFixedWidth()) << round;
    }
}

TEST(ControlMutation, LongAndDeepListsStayBounded)
{
    // A long list of repeated items sets one custom attribute once; a deeply nested innerstyle
    // unwinds without recursing per character.
    CControlUI c;
    std::wstring list;
    for (int i = 0; i < 2000; ++i)
        list += L"extra=\"v\" ";
    list += L"name=\"end\"";
    c.ApplyAttributeList(list.c_str());
    EXPECT_STREQ(L"end", c.GetName().GetData());
    EXPECT_STREQ(L"v", c.GetCustomAttribute(L"extra"));

    std::wstring nested = L"width=\"4\"";
    for (int i = 0; i < 6; ++i)
    {
        std::wstring escaped;
        for (wchar_t ch : nested)
            escaped += ch == L'"' ? std::wstring(L"&quot;") : std::wstring(1, ch);
        nested = L"innerstyle=\"" + escaped + L"\"";
    }
    c.ApplyAttributeList(nested.c_str());
    SUCCEED();
}
