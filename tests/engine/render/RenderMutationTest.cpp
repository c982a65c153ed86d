// Bounded mutation test: thousands of draw descriptions and HTML texts derived from valid ones
// by a fixed pseudo-random sequence are parsed and drawn; nothing may crash or hang.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/render/tagTDrawInfo.h"
#include "tests/engine/render/CGdiObjectCount.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

class CMutator
{
public:
    explicit CMutator(unsigned seed) : m_state(seed) {}

    unsigned Next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 8) & 0xFFFFFF;
    }

    std::wstring Mutate(const std::wstring& seed)
    {
        static const wchar_t kAlphabet[] = L"'= ,<>{}/#0123456789-abcfinprsuxy@.\\\t\n&;";
        std::wstring text = seed;
        const unsigned nEdits = 1 + Next() % 6;
        for (unsigned i = 0; i < nEdits; ++i)
        {
            const size_t pos = text.empty() ? 0 : Next() % (text.size() + 1);
            switch (Next() % 6)
            {
            case 0: // delete a span
                if (!text.empty())
                    text.erase(pos > 0 ? pos - 1 : 0, 1 + Next() % 4);
                break;
            case 1: // insert a syntax character
                text.insert(pos, 1, kAlphabet[Next() % (sizeof(kAlphabet) / sizeof(wchar_t) - 1)]);
                break;
            case 2: // huge or negative number
                text.insert(pos, (Next() & 1) ? L"-2147483648" : L"99999999");
                break;
            case 3: // duplicate a span
                if (!text.empty())
                    text.insert(pos, text.substr(Next() % text.size(), 1 + Next() % 12));
                break;
            case 4: // replace a character
                if (pos < text.size())
                    text[pos] = static_cast<wchar_t>(1 + Next() % 0x3000);
                break;
            default: // truncate
                text.resize(pos);
                break;
            }
        }
        return text;
    }

private:
    unsigned m_state;
};

const wchar_t* const kDescriptions[] = {
    L"file='btn_setup.png' source='0,0,160,40' corner='5,5,5,5'",
    L"file='page_home.png' source='0,0,600,400' corner='5,5,5,5 ",
    L"file='common_choose.png' source='0,14,14,28' dest='0,0,14,14'",
    L"file='tile.png' xtiled='true' ytiled='true' fade='128' hole='false' align='center' valign='vcenter'",
    L"file='half_white.png' corner='3,3,3,3' hole='true' padding='1,2,3,4' mask='#FFFFFFFF' width='5' "
    L"height='7'",
    L"opaque.png",
};

const wchar_t* const kHtmlTexts[] = {
    L"go <a http://x>here</a> {c #FF0000FF}red{/c} {b}bold{/b} {i}it{/i} {u}u{/u} a{<}b",
    L"{p 4}para{/p}{n}{x 10}{y 30}{s}sel{/s}{r}<b>raw</b>{/r}{f 1}one{/f}{f Tahoma 12 bold italic}face{/f}",
    L"{i frames.png 3 2} {i file='frames.png' restype='PNG' 2 1} word break text that wraps a few times over",
};

int GdiObjects()
{
    return CGdiObjectCount::InUse();
}

} // namespace

static void DrawMutatedDescriptions(int nRounds);
static void DrawMutatedHtmlTexts();

TEST(RenderMutation, MutatedDrawDescriptionsNeverCrash)
{
    // A first short run lets the platform make what it keeps for the process (the shared
    // default font, drawing caches); the full run must then leave nothing behind.
    DrawMutatedDescriptions(300);
    const int nGdiBefore = GdiObjects();
    DrawMutatedDescriptions(3000);
    // Everything the run made went with its manager: no GDI object was lost.
    EXPECT_LE(GdiObjects(), nGdiBefore);
    printf("GDI objects around the description run: %d before, %d after\n", nGdiBefore, GdiObjects());
}

static void DrawMutatedDescriptions(int nRounds)
{
    CPaintManagerUI manager;
    CTestDib dib(64, 48);
    RECT rcItem = {4, 4, 60, 44};
    RECT rcPaint = dib.Bounds();
    CMutator mutator(20240611u);
    int nDrawn = 0;
    for (int i = 0; i < nRounds; ++i)
    {
        const std::wstring text = mutator.Mutate(kDescriptions[i % 6]);
        const std::wstring modifier = (i % 5 == 0) ? mutator.Mutate(L"fade='100' dest='1,1,9,9'") : L"";
        tagTDrawInfo info;
        info.Parse(text.c_str(), modifier.c_str(), (i & 1) ? &manager : NULL);
        if (CRenderEngine::DrawImageInfo(dib.DC(), &manager, rcItem, rcPaint, &info))
            ++nDrawn;
        // Keep the window's caches bounded: every mutated name would otherwise stay cached.
        if (i % 200 == 199)
        {
            manager.RemoveAllDrawInfos();
            manager.RemoveAllImages();
        }
    }
    EXPECT_GT(nDrawn, nRounds / 30); // the mutations still leave many valid descriptions
}

TEST(RenderMutation, MutatedHtmlTextsNeverCrash)
{
    {
        CPaintManagerUI warmUp;
    }
    const int nGdiBefore = GdiObjects();
    DrawMutatedHtmlTexts();
    EXPECT_LE(GdiObjects(), nGdiBefore);
    printf("GDI objects around the HTML run: %d before, %d after\n", nGdiBefore, GdiObjects());
}

static void DrawMutatedHtmlTexts()
{
    CPaintManagerUI manager;
    ASSERT_NE(nullptr, manager.AddFont(0, L"Tahoma", 14, false, false, false));
    ASSERT_NE(nullptr, manager.AddFont(1, L"Tahoma", 20, false, false, false));
    CTestDib dib(120, 60);
    CMutator mutator(77u);
    const UINT styles[] = {DT_SINGLELINE, DT_WORDBREAK, DT_WORDBREAK | DT_CENTER | DT_VCENTER,
                           DT_SINGLELINE | DT_END_ELLIPSIS | DT_RIGHT | DT_BOTTOM,
                           DT_CALCRECT | DT_WORDBREAK};
    for (int i = 0; i < 2000; ++i)
    {
        const std::wstring text = mutator.Mutate(kHtmlTexts[i % 3]);
        RECT rc = {2, 2, 118, 58};
        RECT links[3] = {};
        CUIString linkTexts[3];
        int nLinks = 3;
        CRenderEngine::DrawHtmlText(dib.DC(), &manager, rc, text.c_str(), 0xFF000000 | (i * 7919), links,
                                    linkTexts, nLinks, static_cast<int>(i % 4) - 1, styles[i % 5]);
        ASSERT_GE(nLinks, 0);
        ASSERT_LE(nLinks, 3);
        RECT rcText = {0, 0, 100, 20};
        CRenderEngine::DrawText(dib.DC(), &manager, rcText, text.c_str(), 0xFF336699, i % 3, styles[i % 5]);
    }
}
