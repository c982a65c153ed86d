// Plain text on the GDI and GDI+ paths, and the HTML text renderer: markup, links, layout and
// measurement. Expectations compare against the plain GDI drawing of the same text.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CHtmlTextRenderer.h"
#include "engine/render/CRenderEngine.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

const UINT kLine = DT_SINGLELINE | DT_NOPREFIX;
const DWORD kWhite = 0xFFFFFFFF;

class TextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_manager.AddFont(0, L"Tahoma", 20, true, false, false));
        ASSERT_NE(nullptr, m_manager.AddFont(1, L"Tahoma", 32, false, false, false));
    }
    // Plain GDI drawing at the surface's top-left.
    void Plain(CTestDib& dib, const wchar_t* pText, DWORD color = kWhite, int iFont = 0)
    {
        RECT rc = dib.Bounds();
        CRenderEngine::DrawText(dib.DC(), &m_manager, rc, pText, color, iFont, kLine);
    }
    void Html(CTestDib& dib, const wchar_t* pText, UINT uStyle = DT_SINGLELINE, DWORD color = kWhite,
              int iFont = 0)
    {
        RECT rc = dib.Bounds();
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(dib.DC(), &m_manager, rc, pText, color, NULL, NULL, nLinks, iFont,
                                    uStyle);
    }
    // The HTML renderer's calculate-rectangle result for a text in a wide box.
    RECT HtmlExtent(const wchar_t* pText, UINT uStyle = DT_SINGLELINE, int iFont = 0, LONG right = 2000)
    {
        CTestDib dib(4, 4);
        RECT rc = {0, 0, right, 1000};
        int nLinks = 0;
        CRenderEngine::DrawHtmlText(dib.DC(), &m_manager, rc, pText, kWhite, NULL, NULL, nLinks, iFont,
                                    uStyle | DT_CALCRECT);
        return rc;
    }
    SIZE Extent(const wchar_t* pText, int iFont = 0)
    {
        CTestDib dib(4, 4);
        return CRenderEngine::GetTextSize(dib.DC(), &m_manager, pText, iFont);
    }
    int LineHeight(int iFont = 0)
    {
        CTestDib dib(4, 4);
        TEXTMETRICW tm;
        HGDIOBJ hOld = ::SelectObject(dib.DC(), m_manager.GetFont(iFont));
        ::GetTextMetricsW(dib.DC(), &tm);
        ::SelectObject(dib.DC(), hOld);
        return tm.tmHeight + tm.tmExternalLeading;
    }

    CPaintManagerUI m_manager;
};

} // namespace

TEST_F(TextTest, GdiTextUsesTheRgbAndIgnoresAlpha)
{
    CTestDib opaque(80, 40), clear(80, 40);
    Plain(opaque, L"0%", 0xFFE74B3F);
    Plain(clear, L"0%", 0x00E74B3F);
    EXPECT_GT(clear.Count(clear.Bounds(), 0xE74B3F), 10);
    EXPECT_TRUE(opaque.SameAs(clear));
}

TEST_F(TextTest, HexCharacterReferenceDrawsOnlyThatCharacter)
{
    CTestDib expected(60, 40), viaRef(60, 40), viaShortRef(60, 40), viaDigitsThenText(60, 40);
    Plain(expected, L"A");
    Plain(viaRef, L"text &#x41; ignored");
    Plain(viaShortRef, L"&#x0041 ");
    Plain(viaDigitsThenText, L"&#x41 hello"); // the hex digits that follow, whatever comes next
    EXPECT_GT(expected.CountNot(expected.Bounds(), 0), 10);
    EXPECT_TRUE(expected.SameAs(viaRef));
    EXPECT_TRUE(expected.SameAs(viaShortRef));
    EXPECT_TRUE(expected.SameAs(viaDigitsThenText));
    CTestDib none(60, 40);
    Plain(none, L"&#xZZ;");
    EXPECT_EQ(0, none.CountNot(none.Bounds(), 0));
}

TEST_F(TextTest, CalculateRectangleAndBackgroundOverload)
{
    CTestDib dib(200, 40);
    RECT rc = {10, 5, 300, 100};
    CRenderEngine::DrawText(dib.DC(), &m_manager, rc, L"Hello", kWhite, 0, kLine | DT_CALCRECT);
    EXPECT_EQ(Extent(L"Hello").cx, rc.right - rc.left);
    EXPECT_EQ(0, dib.CountNot(dib.Bounds(), 0));

    RECT rcBk = {0, 0, 200, 40};
    CRenderEngine::DrawText(dib.DC(), &m_manager, rcBk, L"Hi", 0xFF000000, 0, kLine, 0xFF204060);
    EXPECT_EQ(0x204060u, dib.Pixel(199, 39));
    EXPECT_GT(dib.CountNot(dib.Bounds(), 0x204060), 10);
}

TEST_F(TextTest, GdiplusTextPathDrawsAndMeasures)
{
    m_manager.SetUseGdiplusText(true);
    CTestDib dib(200, 40);
    RECT rc = dib.Bounds();
    CRenderEngine::DrawText(dib.DC(), &m_manager, rc, L"Hello", 0xFFFF0000, 0, kLine);
    EXPECT_GT(dib.CountNot(dib.Bounds(), 0), 10);
    RECT rcCalc = {0, 0, 400, 100};
    CRenderEngine::DrawText(dib.DC(), &m_manager, rcCalc, L"Hello", 0xFFFF0000, 0, kLine | DT_CALCRECT);
    const int cxGdi = Extent(L"Hello").cx;
    EXPECT_GT(rcCalc.right, cxGdi * 7 / 10);
    EXPECT_LT(rcCalc.right, cxGdi * 13 / 10 + 2);
    EXPECT_GT(rcCalc.bottom, 10);
}

TEST_F(TextTest, HtmlLiteralBracketsAndUntaggedText)
{
    CTestDib plain(200, 40), html(200, 40);
    Plain(plain, L"a<b");
    Html(html, L"a{<}b");
    EXPECT_TRUE(plain.SameAs(html));

    CTestDib plain2(300, 40), html2(300, 40);
    Plain(plain2, L"x>y{z}");
    Html(html2, L"x{>}y<{>z<}>");
    EXPECT_TRUE(plain2.SameAs(html2));

    // "U" is not a lower-case letter: the licence link text stays literal.
    CTestDib plain3(400, 40), html3(400, 40);
    Plain(plain3, L"<User License Agreement>");
    Html(html3, L"<User License Agreement>");
    EXPECT_TRUE(plain3.SameAs(html3));
}

TEST_F(TextTest, HtmlUnknownTagsAreConsumed)
{
    CTestDib plain(200, 40), html(200, 40), html2(200, 40);
    Plain(plain, L"abc");
    Html(html, L"{q}ab{/q}c");
    Html(html2, L"<z target>a</z>bc</b></c>");
    EXPECT_TRUE(plain.SameAs(html));
    EXPECT_TRUE(plain.SameAs(html2));
}

TEST_F(TextTest, HtmlColourPushAndPop)
{
    CTestDib dib(200, 40);
    Html(dib, L"{c #FF0000FF}x{/c}y");
    const int cxX = Extent(L"x").cx;
    RECT rcX = {0, 0, cxX, 40};
    RECT rcY = {cxX + 1, 0, 200, 40};
    EXPECT_GT(dib.Count(rcX, 0x0000FF), 3);
    EXPECT_EQ(0, dib.Count(rcY, 0x0000FF));
    EXPECT_GT(dib.Count(rcY, 0xFFFFFF), 3);

    // Nesting deeper than the stacks hold: the closing tags still match their openers.
    std::wstring sDeep = L"{c #FF00FF00}";
    for (int i = 0; i < CHtmlTextRenderer::MAX_TAG_DEPTH + 40; ++i)
        sDeep += L"{c #FF0000FF}";
    sDeep += L"x";
    for (int i = 0; i < CHtmlTextRenderer::MAX_TAG_DEPTH + 40; ++i)
        sDeep += L"{/c}";
    sDeep += L"y";
    CTestDib deep(200, 40);
    Html(deep, sDeep.c_str());
    EXPECT_GT(deep.Count(rcX, 0x0000FF), 3);
    EXPECT_EQ(0, deep.Count(rcY, 0x0000FF));
    EXPECT_GT(deep.Count(rcY, 0x00FF00), 3); // back in the colour outside the deep nesting

    // A closing tag runs from "/" and its letter to the next closing bracket.
    CTestDib padded(200, 40);
    Html(padded, L"{c #FF0000FF}x</c >y");
    EXPECT_TRUE(dib.SameAs(padded));
}

TEST_F(TextTest, HtmlLinkRectanglesAndTexts)
{
    CTestDib dib(300, 40);
    RECT rc = {10, 4, 300, 40};
    RECT links[4] = {};
    CUIString texts[4];
    int nLinks = 4;
    CRenderEngine::DrawHtmlText(dib.DC(), &m_manager, rc, L"go <a http://x>here</a> now {a}x{/a}", kWhite,
                                links, texts, nLinks, 0, DT_SINGLELINE);
    ASSERT_EQ(2, nLinks);
    EXPECT_STREQ(L"http://x", texts[0]);
    EXPECT_STREQ(L"", texts[1]);
    const int cxGo = Extent(L"go ").cx;
    EXPECT_EQ(10 + cxGo, links[0].left);
    EXPECT_NEAR(Extent(L"here").cx, links[0].right - links[0].left, 1);
    EXPECT_EQ(4, links[0].top);
    EXPECT_EQ(4 + LineHeight(), links[0].bottom);
    EXPECT_GT(links[1].left, links[0].right);

    // A link over two lines still has one rectangle: the box around its lines.
    CTestDib tall(300, 100);
    RECT rcTall = {10, 4, 300, 100};
    nLinks = 4;
    CRenderEngine::DrawHtmlText(tall.DC(), &m_manager, rcTall, L"go <a t>one{n}three</a> x", kWhite, links,
                                texts, nLinks, 0, 0);
    ASSERT_EQ(1, nLinks);
    EXPECT_STREQ(L"t", texts[0]);
    const LONG cxFirst = Extent(L"go one").cx;
    const LONG cxSecond = Extent(L"three").cx;
    EXPECT_EQ(10, links[0].left);
    EXPECT_EQ(4, links[0].top);
    EXPECT_NEAR(cxFirst > cxSecond ? 10 + cxFirst : 10 + cxSecond, links[0].right, 1);
    EXPECT_EQ(4 + 2 * LineHeight(), links[0].bottom);

    // No room in the arrays: nothing recorded, the text is still drawn.
    CTestDib dib2(300, 40);
    RECT rc2 = dib2.Bounds();
    int nNone = 0;
    CRenderEngine::DrawHtmlText(dib2.DC(), &m_manager, rc2, L"<a t>link</a>", kWhite, links, texts, nNone, 0,
                                DT_SINGLELINE);
    EXPECT_EQ(0, nNone);
    EXPECT_GT(dib2.CountNot(dib2.Bounds(), 0), 10);
}

TEST_F(TextTest, HtmlCalculateRectangleMatchesPlainMeasurement)
{
    for (const wchar_t* pText : {L"Hello World, plain text", L"x", L"0%"})
    {
        RECT rc = HtmlExtent(pText);
        EXPECT_EQ(Extent(pText).cx, rc.right - rc.left) << pText;
        EXPECT_EQ(LineHeight(), rc.bottom - rc.top) << pText;
    }
    // The result never exceeds the given right edge.
    RECT rcNarrow = HtmlExtent(L"Hello World, plain text", DT_SINGLELINE, 0, 30);
    EXPECT_LE(rcNarrow.right, 30);
}

TEST_F(TextTest, HtmlLineBreaksParagraphsAndWordBreak)
{
    const int cy = LineHeight();
    EXPECT_EQ(2 * cy, HtmlExtent(L"one{n}two", 0).bottom);
    EXPECT_EQ(2 * cy, HtmlExtent(L"one\ntwo", 0).bottom);
    RECT rcSingle = HtmlExtent(L"one{n}two", DT_SINGLELINE);
    EXPECT_EQ(cy, rcSingle.bottom);
    EXPECT_EQ(Extent(L"onetwo").cx, rcSingle.right);
    // A paragraph adds its spacing to the lines it holds.
    EXPECT_EQ(cy + (cy + 6), HtmlExtent(L"first<p 6>second</p>", 0).bottom);

    const LONG cxTwoWords = Extent(L"alpha beta ").cx + 2;
    RECT rcWrap = HtmlExtent(L"alpha beta alpha beta", DT_WORDBREAK, 0, cxTwoWords);
    EXPECT_EQ(2 * cy, rcWrap.bottom);
    EXPECT_LE(rcWrap.right, cxTwoWords);
    // Without word break a run is cut at the last character that fits: 10 + 10 + 6.
    RECT rcCut = HtmlExtent(L"abcdefghijabcdefghijabcdef", 0, 0, Extent(L"abcdefghij").cx);
    EXPECT_EQ(3 * cy, rcCut.bottom);
    EXPECT_EQ(Extent(L"abcdefghij").cx, rcCut.right);
    // With word break, after the last blank or the last character that is not an ASCII letter.
    RECT rcWord = HtmlExtent(L"alpha beta alpha", DT_WORDBREAK, 0, Extent(L"alpha beta al").cx);
    EXPECT_EQ(2 * cy, rcWord.bottom);
    EXPECT_EQ(Extent(L"alpha beta ").cx, rcWord.right);
    RECT rcDash = HtmlExtent(L"abc-defg", DT_WORDBREAK, 0, Extent(L"abc-def").cx);
    EXPECT_EQ(2 * cy, rcDash.bottom);
    const LONG cxDashFirst = Extent(L"abc-").cx;
    const LONG cxDashSecond = Extent(L"defg").cx;
    EXPECT_EQ(cxDashFirst > cxDashSecond ? cxDashFirst : cxDashSecond, rcDash.right);
}

TEST_F(TextTest, HtmlFontTagsSelectVariantsAndIndexedFonts)
{
    EXPECT_GT(HtmlExtent(L"{i}Hello{/i} x").right, 0);
    EXPECT_EQ(HtmlExtent(L"{b}Hello{/b}").right, HtmlExtent(L"Hello").right); // font 0 is bold already
    EXPECT_NE(nullptr, m_manager.GetFont(L"Tahoma", 20, true, false, true));  // the italic variant was added
    RECT rcBig = HtmlExtent(L"a{f 1}Big{/f}b");
    EXPECT_EQ(LineHeight(1), rcBig.bottom);
    EXPECT_EQ(Extent(L"a").cx + Extent(L"Big", 1).cx + Extent(L"b").cx, rcBig.right);
    RECT rcFace = HtmlExtent(L"{f Tahoma 32}Big{/f}");
    EXPECT_EQ(Extent(L"Big", 1).cx, rcFace.right);
    EXPECT_EQ(Extent(L"ab").cx + 15, HtmlExtent(L"a{x 15}b").right);
}

TEST_F(TextTest, HtmlInlineImageFrameAndAlignment)
{
    CTestDib dib(100, 40);
    Html(dib, L"{i frames.png 3 1}", DT_SINGLELINE);
    EXPECT_EQ(64, dib.Count(dib.Bounds(), 0x00FF00));
    EXPECT_EQ(0, dib.Count(dib.Bounds(), 0xFF0000));
    EXPECT_EQ(8, HtmlExtent(L"{i frames.png 3 1}").right);
    EXPECT_EQ(24, HtmlExtent(L"<i file='frames.png'>").right); // one frame: the whole image

    // Single-line centring places the text in the middle of the rectangle.
    CTestDib centred(300, 40);
    Html(centred, L"Hello", DT_SINGLELINE | DT_CENTER);
    int left = 0, right = 0;
    centred.InkColumns(0x000000, left, right);
    const int cx = Extent(L"Hello").cx;
    EXPECT_NEAR(150 - cx / 2, left, 3);
    EXPECT_NEAR(150 + cx / 2, right, 4);
}

TEST_F(TextTest, HtmlRawSelectedAndEllipsis)
{
    CTestDib plain(300, 40), raw(300, 40);
    Plain(plain, L"<b>x</b>{n}");
    Html(raw, L"{r}<b>x</b>{n}{/r}");
    EXPECT_TRUE(plain.SameAs(raw));

    CTestDib selected(100, 40);
    Html(selected, L"{s}ab{/s}cd");
    const DWORD dwSelected = m_manager.GetDefaultSelectedBkColor() & 0x00FFFFFF;
    const int cxAb = Extent(L"ab").cx;
    EXPECT_GT(selected.Count({0, 0, cxAb, 40}, dwSelected), 20);
    EXPECT_EQ(0, selected.Count({cxAb + 1, 0, 100, 40}, dwSelected));
    // Every s tag, opening or closing, toggles: the second opener switches back off.
    CTestDib toggled(100, 40);
    Html(toggled, L"{s}{s}ab{/s}cd");
    EXPECT_EQ(0, toggled.Count({0, 0, cxAb - 1, 40}, dwSelected));
    EXPECT_GT(toggled.Count({cxAb + 1, 0, 100, 40}, dwSelected), 20);

    // End ellipsis: the cut run loses two more characters, "..." follows, layout stops.
    const LONG cxBox = Extent(L"abcdefgh").cx;
    RECT rc = HtmlExtent(L"abcdefghijklmnop{n}second line", DT_END_ELLIPSIS, 0, cxBox);
    EXPECT_EQ(LineHeight(), rc.bottom);
    const LONG cxCut = Extent(L"abcdef").cx + Extent(L"...").cx;
    EXPECT_EQ(cxCut < cxBox ? cxCut : cxBox, rc.right);
    CTestDib ellipsis(cxBox, 40), expectedEllipsis(cxBox, 40);
    Html(ellipsis, L"abcdefghijklmnop", DT_SINGLELINE | DT_END_ELLIPSIS);
    Plain(expectedEllipsis, L"abcdef...");
    EXPECT_TRUE(expectedEllipsis.SameAs(ellipsis));
}

TEST_F(TextTest, HtmlAlignmentOfSingleAndMultiLineText)
{
    const int cyLine = LineHeight();
    CTestDib single(300, 100);
    Html(single, L"Hello", DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
    RECT rcCalc = {0, 0, 300, 100};
    int nLinks = 0;
    CRenderEngine::DrawHtmlText(single.DC(), &m_manager, rcCalc, L"Hello", kWhite, NULL, NULL, nLinks, 0,
                                DT_SINGLELINE | DT_RIGHT | DT_VCENTER | DT_CALCRECT);
    CTestDib expected(300, 100);
    RECT rcPlain = {300 - Extent(L"Hello").cx, 50 - cyLine / 2, 300, 100};
    CRenderEngine::DrawText(expected.DC(), &m_manager, rcPlain, L"Hello", kWhite, 0, kLine);
    EXPECT_TRUE(expected.SameAs(single));

    // Multi-line centring: every line is centred on its own width.
    CTestDib multi(300, 100);
    Html(multi, L"ab{n}abcdef", DT_CENTER);
    int left = 0, right = 0;
    CTestDib firstLine(300, cyLine);
    ::BitBlt(firstLine.DC(), 0, 0, 300, cyLine, multi.DC(), 0, 0, SRCCOPY);
    firstLine.InkColumns(0x000000, left, right);
    EXPECT_NEAR(150 - Extent(L"ab").cx / 2, left, 3);
}

TEST_F(TextTest, HtmlItalicOverhangAdvancesByHalfTheBlanksTrailingWidth)
{
    const LONG cxPlain = HtmlExtent(L"{i}f{/i}x").right;
    HFONT hItalic = m_manager.GetFont(L"Tahoma", 20, true, false, true);
    ASSERT_NE(nullptr, hItalic);
    CTestDib dib(4, 4);
    HGDIOBJ hOld = ::SelectObject(dib.DC(), hItalic);
    ABC abc = {};
    ASSERT_TRUE(::GetCharABCWidthsW(dib.DC(), L' ', L' ', &abc));
    SIZE szF = {0, 0};
    ::GetTextExtentPoint32W(dib.DC(), L"f", 1, &szF);
    ::SelectObject(dib.DC(), hOld);
    printf("italic blank C width %d\n", abc.abcC);
    EXPECT_EQ(szF.cx + abs(abc.abcC) / 2 + Extent(L"x").cx, cxPlain);
    // No overhang when the restored font is italic too.
    EXPECT_EQ(2 * szF.cx, HtmlExtent(L"{i}f{b}f{/b}{/i}").right);
}

TEST_F(TextTest, HtmlLineHeightComesFromTheTextOnTheLine)
{
    const int cy0 = LineHeight(0);
    const int cy1 = LineHeight(1);
    ASSERT_NE(cy0, cy1);
    // Line 2 starts in font 1 but its text is in font 0.
    EXPECT_EQ(cy1 + cy0, HtmlExtent(L"{f 1}big{n}{/f}small", 0).bottom);
    // An empty line keeps the height of the font it starts with.
    EXPECT_EQ(3 * cy0, HtmlExtent(L"one\n\nthree", 0).bottom);
    // A closing p ends the line even at its start.
    EXPECT_EQ(3 * cy0, HtmlExtent(L"one\n</p>two", 0).bottom);

    // A tall inline image sits on the line's bottom and leaves the line as tall as its text.
    ASSERT_NE(nullptr, m_manager.AddFont(2, L"Tahoma", 10, false, false, false));
    const int cy2 = LineHeight(2);
    ASSERT_LT(cy2, 28); // common_choose.png is 14 x 28: red above blue
    EXPECT_EQ(2 * cy2, HtmlExtent(L"ab{i common_choose.png}cd{n}ef", 0, 2).bottom);
    EXPECT_EQ(cy2, HtmlExtent(L"ab{i common_choose.png}", DT_SINGLELINE, 2).bottom);
    CTestDib dib(100, 60);
    RECT rc = {0, 0, 100, 60};
    int nLinks = 0;
    CRenderEngine::DrawHtmlText(dib.DC(), &m_manager, rc, L"{i common_choose.png}{n}x", kWhite, NULL, NULL,
                                nLinks, 2, 0);
    EXPECT_EQ(0x0000FFu, dib.Pixel(7, cy2 - 1));
    EXPECT_EQ(0, dib.Count({0, cy2, 14, 60}, 0x0000FF)); // nothing of it below its line
}

TEST_F(TextTest, HtmlWordBreakLooksBackAcrossLongRuns)
{
    // The blank lies early in a run longer than what is read at once; the cut must still
    // fall after it, not where the reading stopped.
    std::wstring sText(60, L'a');
    sText += L' ';
    sText += std::wstring(60, L'a');
    const LONG cxBox = Extent(std::wstring(100, L'a').c_str()).cx;
    RECT rc = HtmlExtent(sText.c_str(), DT_WORDBREAK, 0, cxBox);
    EXPECT_EQ(2 * LineHeight(), rc.bottom);
    EXPECT_EQ(Extent((std::wstring(60, L'a') + L' ').c_str()).cx, rc.right);
    // A long text in a narrow box: one line per word.
    std::wstring sWords;
    for (int i = 0; i < 300; ++i)
        sWords += L"ab ";
    RECT rcNarrow = HtmlExtent(sWords.c_str(), DT_WORDBREAK, 0, Extent(L"ab a").cx);
    EXPECT_EQ(300 * LineHeight(), rcNarrow.bottom);
}

TEST_F(TextTest, HtmlHugeNumbersSaturate)
{
    // x beyond the int range stays at the far right: "b" no longer fits, and is not drawn
    // back over "a" as a wrapped-around x would.
    CTestDib viaTags(200, 40), expected(200, 40);
    Html(viaTags, L"a{x 2147483647}{x 2147483647}b");
    Html(expected, L"a");
    EXPECT_TRUE(expected.SameAs(viaTags));
    RECT rc = HtmlExtent(L"{y 2147483647}a{n}{y 2147483647}b{n}c", 0);
    EXPECT_EQ(INT_MAX, rc.bottom);

    // Paragraph spacing adds to the font's height without wrapping to a negative line height.
    EXPECT_EQ(INT_MAX, HtmlExtent(L"<p 2147483647>a</p>").bottom);
    EXPECT_EQ(INT_MAX, HtmlExtent(L"<p 2147483647>a</p>b", 0).bottom);
    EXPECT_EQ(INT_MAX, HtmlExtent(L"<p 99999999999>\n</p>", 0).bottom); // an empty line too
    // Its text sits on that line's far baseline: never over the line above, nor in the box.
    CTestDib viaParagraph(200, 80), firstLine(200, 80), alone(200, 80);
    Html(viaParagraph, L"b\n<p 2147483647>a</p>", 0);
    Html(firstLine, L"b", 0);
    EXPECT_TRUE(firstLine.SameAs(viaParagraph));
    Html(alone, L"<p 2147483647>a</p>", 0);
    EXPECT_EQ(0, alone.CountNot(alone.Bounds(), 0x000000));
}

TEST_F(TextTest, HtmlFontVariantsNeverReplaceAFontInUse)
{
    // Every variant id taken: a text asking for a new variant keeps its current font.
    std::vector<HFONT> taken;
    for (int i = 0; i < CHtmlTextRenderer::MAX_VARIANT_FONTS; ++i)
    {
        taken.push_back(m_manager.AddFont(CHtmlTextRenderer::FIRST_VARIANT_FONT_ID + i, L"Tahoma", 40 + i,
                                          false, false, false));
        ASSERT_NE(nullptr, taken.back());
    }
    CTestDib plain(200, 40), html(200, 40);
    Html(html, L"{b}{i}ab{/i}{/b}", DT_SINGLELINE, kWhite, 1);
    Plain(plain, L"ab", kWhite, 1);
    EXPECT_TRUE(plain.SameAs(html));
    for (int i = 0; i < CHtmlTextRenderer::MAX_VARIANT_FONTS; ++i)
        ASSERT_EQ(taken[i], m_manager.GetFont(CHtmlTextRenderer::FIRST_VARIANT_FONT_ID + i)) << i;
}

TEST_F(TextTest, HtmlOneTextAddsABoundedNumberOfFonts)
{
    std::wstring sText;
    for (int nSize = 11; nSize < 11 + 2 * CHtmlTextRenderer::MAX_FONTS_PER_TEXT; ++nSize)
    {
        wchar_t szTag[40];
        _snwprintf(szTag, 39, L"{f Verdana %d}a{/f}", nSize);
        szTag[39] = L'\0';
        sText += szTag;
    }
    // Drawn centred: the measuring pass and the drawing pass share the allowance.
    CTestDib dib(400, 40);
    Html(dib, sText.c_str(), DT_SINGLELINE | DT_CENTER);
    int nAdded = 0;
    for (int nSize = 11; nSize < 11 + 2 * CHtmlTextRenderer::MAX_FONTS_PER_TEXT; ++nSize)
        if (m_manager.GetFont(L"Verdana", nSize, false, false, false) != nullptr)
            ++nAdded;
    EXPECT_EQ(static_cast<int>(CHtmlTextRenderer::MAX_FONTS_PER_TEXT), nAdded);
}
