// CHtmlTextRenderer: lays out and draws one text with the engine's inline markup for
// CRenderEngine::DrawHtmlText. Tags open with "<" or "{" and close with ">" or "}": a (link),
// b, c (colour), f (font by index or by face), i (italic or inline image), n, p (paragraph),
// r (raw), s (selected), u, x, y; "{<}", "{>}", "<{>" and "<}>" stand for the literal
// brackets; any other bracket, and tags of unknown letters, have no effect beyond their text.
//
// Contract: every line is laid out twice from the same saved state, once to measure (height,
// width) and once to draw, so both passes break at the same places. Runs sit on the line's
// baseline. Layout always advances: a run that does not fit at the start of a line still
// places one character, so no input can make it loop. Link rectangles go to the caller's
// arrays up to their capacity (a link broken over lines gets one rectangle per line). With
// DT_CALCRECT nothing is drawn and the rectangle becomes the text's extent.
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
        std::vector<tagTFontInfo*> fonts;
        std::vector<DWORD> colors;
        std::vector<int> paragraphs;
        bool bRaw = false;
        bool bSelected = false;
        bool bInLink = false;
        int iLinkSlot = -1;
        int nLinks = 0;
        int x = 0;
    };

    struct tagTLine
    {
        ELineEnd end = LINE_END_TEXT;
        int cyLine = 0;
        int xMax = 0;
    };

    static tagTTag ParseTag(const wchar_t* p, bool bRaw);
    static wchar_t LiteralBracket(const wchar_t* p);

    tagTLine LayoutLine(int yTop, int cyLineFixed, int xOffset, bool bMeasure, bool bDraw);
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
    void PopFont();
    void OpenLinkSlot(const CUIString& sText, int yTop, int cyLine, int xOffset);
    void CloseLinkSlot(int yTop, int cyLine, int xOffset);

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
    CUIString m_sLinkText; // text of the open link, for its continuation on the next line
    int m_nMaxImageBottom;
    HFONT m_hFontSelected;
    bool m_bMeasuring;
};

} // namespace SkinUI
