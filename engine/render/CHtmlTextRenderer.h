// CHtmlTextRenderer: lays out and draws one text with the engine's inline markup for
// CRenderEngine::DrawHtmlText. Tags open with "<" or "{" and close with ">" or "}": a (link),
// b, c (colour), f (font by index or by face), i (italic or inline image), n, p (paragraph),
// r (raw), s (selected), u, x, y; "{<}", "{>}", "<{>" and "<}>" stand for the literal
// brackets; any other bracket, and tags of unknown letters, have no effect beyond their text.
//
// Contract: every line is laid out twice from the same saved state, once to measure (height,
// width) and once to draw, so both passes break at the same places. Runs sit on the line's
// baseline; a line is as tall as the tallest font with text on it (inline images do not make
// it taller). Layout always advances: a run that does not fit at the start of a line still
// places one character, so no input can make it loop, and it costs time linear in the text's
// length: a run is read only as far as the line can hold. Each link gets one rectangle, given
// at its closing tag (a link broken over lines gets the box around its lines), in the caller's
// arrays up to their capacity. Font variants the markup asks for are added to the window's
// table under ids of their own, never replacing a font in use; one text adds at most
// MAX_FONTS_PER_TEXT and a window holds at most MAX_VARIANT_FONTS, beyond which the current
// font is kept. Tag stacks hold at most MAX_TAG_DEPTH entries each (deeper tags keep the
// innermost kept style). Coordinates from numbers in the text saturate. With DT_CALCRECT
// nothing is drawn and the rectangle becomes the text's extent.
//
// Not done: no bidirectional text, no kerning across runs, no tab expansion.
#pragma once

#include <windows.h>

#include <vector>

#include "engine/core/CUIString.h"

namespace SkinUI
{

class CPaintManagerUI;
struct tagTFontInfo;

class CHtmlTextRenderer
{
public:
    enum
    {
        FIRST_VARIANT_FONT_ID = 0x40000000, // far from the ids skins give their fonts
        MAX_VARIANT_FONTS = 256,
        MAX_FONTS_PER_TEXT = 16,
        MAX_TAG_DEPTH = 256 // per stack; deeper tags are only counted
    };

    // nLinkRects: capacity on entry, number of links found after Draw.
    CHtmlTextRenderer(HDC hDC, CPaintManagerUI* pManager, RECT* pLinks, CUIString* sLinks, int& nLinkRects);
    CHtmlTextRenderer(const CHtmlTextRenderer&) = delete;
    CHtmlTextRenderer& operator=(const CHtmlTextRenderer&) = delete;

    void Draw(RECT& rc, const wchar_t* pstrText, DWORD dwTextColor, int iFont, UINT uStyle);

private:
    enum ELineEnd
    {
        LINE_END_TEXT, // the text is exhausted
        LINE_BREAK,    // line feed, n, p or a run that no longer fits
        LINE_STOP      // ellipsis drawn: layout ends
    };

    struct tagTTag
    {
        bool bValid = false;
        bool bClosing = false;
        wchar_t chLetter = 0;
        const wchar_t* pArgs = nullptr;
        int nArgs = 0;
        const wchar_t* pEnd = nullptr; // just after the closing bracket
    };

    // Everything a line changes; saved before the measuring pass and restored for drawing.
    struct tagTState
    {
        const wchar_t* p = nullptr;
        // Copied twice per line, so their depth is bounded: pushes past MAX_TAG_DEPTH are only
        // counted, and the matching pops take the count down first.
        std::vector<tagTFontInfo*> fonts;
        std::vector<DWORD> colors;
        std::vector<int> paragraphs;
        int nFontOverflow = 0;
        int nColorOverflow = 0;
        int nParagraphOverflow = 0;
        bool bRaw = false;
        bool bSelected = false;
        bool bInLink = false;
        int iLinkSlot = -1;
        int nLinks = 0;
        int x = 0;
        // The open link's box so far: start line's top, leftmost and rightmost x.
        int yLinkTop = 0;
        int xLinkLeft = 0;
        int xLinkRight = 0;
    };

    struct tagTLine
    {
        ELineEnd end = LINE_END_TEXT;
        int cyLine = 0;
        int xMax = 0;
    };

    // pLastCloser: the text's last ">" or "}" (null when none), so that openers after it are
    // rejected without scanning the rest of the text again.
    static tagTTag ParseTag(const wchar_t* p, bool bRaw, const wchar_t* pLastCloser);
    static wchar_t LiteralBracket(const wchar_t* p);

    tagTLine LayoutLine(int yTop, int cyLineFixed, int xOffset, bool bMeasure, bool bDraw);
    // Appends the run's characters from p on: true when it ended (tag, line end, text end),
    // false when nLimit characters are held and more follow.
    bool ReadRun(const wchar_t*& p, std::vector<wchar_t>& run, std::vector<const wchar_t*>& ends,
                 size_t nLimit) const;
    bool PlaceRun(const std::vector<wchar_t>& run, const std::vector<const wchar_t*>& ends, int yTop,
                  int& cyLine, int& xMax, bool& bAtStart, int xOffset, bool bDraw, ELineEnd& end);
    bool HandleTag(const tagTTag& tag, int yTop, int& cyLine, int& xMax, bool& bAtStart, int xOffset,
                   bool bDraw, ELineEnd& end);
    bool PlaceImage(const tagTTag& tag, int yTop, int& cyLine, int& xMax, bool& bAtStart, int xOffset,
                    bool bDraw);

    tagTFontInfo* CurrentFont() const { return m_state.fonts.back(); }
    void SelectFont(tagTFontInfo* pFont);
    void EnsureMetrics(tagTFontInfo* pFont);
    int LineHeightOf(tagTFontInfo* pFont) const;
    // The manager's font of that face, size and style, added when missing; null on failure.
    tagTFontInfo* FindOrAddFont(const wchar_t* pstrFace, int nSize, bool bBold, bool bUnderline,
                                bool bItalic);
    tagTFontInfo* Variant(tagTFontInfo* pBase, bool bBold, bool bUnderline, bool bItalic);
    tagTFontInfo* FontByFace(const wchar_t* pArgs, int nArgs);
    void PushFont(tagTFontInfo* pFont);
    void PopFont();
    void PushColor(DWORD dwColor);
    void PopColor();
    void PushParagraph(int nSpacing);
    void PopParagraph();
    void OpenLinkSlot(const CUIString& sText, int yTop, int cyLine, int xOffset);
    void CloseLinkSlot(int yTop, int cyLine, int xOffset);
    void ExtendLink(int xOffset);

    HDC m_hDC;
    CPaintManagerUI* m_pManager;
    RECT* m_pLinks;
    CUIString* m_sLinks;
    int& m_nLinkRects;
    int m_nLinkCapacity;

    RECT m_rc;
    UINT m_uStyle;
    DWORD m_dwTextColor;
    bool m_bCalc;
    bool m_bSingleLine;
    CUIString m_sHoverLink;
    tagTState m_state;
    const wchar_t* m_pLastCloser;
    int m_nFontsAdded;
    bool m_bLineHasText; // measuring: a run of text was placed on the line
    int m_nMaxImageBottom;
    HFONT m_hFontSelected;
    bool m_bMeasuring;
};

} // namespace SkinUI
