#include "engine/render/CHtmlTextRenderer.h"

#include <stdlib.h>
#include <wchar.h>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderClip.h"
#include "engine/render/CRenderEngine.h"
#include "engine/render/CSaturatedInt.h"
#include "engine/render/tagTDrawInfo.h"
#include "engine/resources/tagTFontInfo.h"
#include "engine/resources/tagTImageInfo.h"

namespace SkinUI
{

namespace
{

inline bool IsOpener(wchar_t ch)
{
    return ch == L'<' || ch == L'{';
}

inline bool IsCloser(wchar_t ch)
{
    return ch == L'>' || ch == L'}';
}

inline bool IsTagLetter(wchar_t ch)
{
    return ch >= L'a' && ch <= L'z';
}

inline bool IsAsciiLetter(wchar_t ch)
{
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z');
}

inline COLORREF ToColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// Reads a decimal number at the start of the text (after blanks); fallback when there is none.
int ReadNumber(const wchar_t*& p, int nFallback)
{
    while (*p == L' ' || *p == L'\t')
        ++p;
    wchar_t* pEnd = NULL;
    long n = wcstol(p, &pEnd, 10);
    if (pEnd == p)
        return nFallback;
    p = pEnd;
    return static_cast<int>(n);
}

// Contains the word, ASCII case ignored.
bool ContainsNoCase(const CUIString& sText, const wchar_t* pstrWord)
{
    CUIString sLower = sText;
    sLower.MakeLower();
    return sLower.Find(pstrWord) >= 0;
}

// A text's lines are bounded by its length; this only stops pathological markup early.
const int kMaxLines = 100000;

// The tag stacks: past MAX_TAG_DEPTH a push is only counted, and pops take the count down
// first, so openers and closers still pair up.
template <class T> void PushBounded(std::vector<T>& stack, int& nOverflow, const T& value)
{
    if (stack.size() >= static_cast<size_t>(CHtmlTextRenderer::MAX_TAG_DEPTH))
        ++nOverflow;
    else
        stack.push_back(value);
}

// False when nothing was popped (only the count went down, or only nKeep entries are left).
template <class T> bool PopBounded(std::vector<T>& stack, int& nOverflow, size_t nKeep)
{
    if (nOverflow > 0)
    {
        --nOverflow;
        return false;
    }
    if (stack.size() <= nKeep)
        return false;
    stack.pop_back();
    return true;
}

} // namespace

CHtmlTextRenderer::CHtmlTextRenderer(HDC hDC, CPaintManagerUI* pManager, RECT* pLinks, CUIString* sLinks,
                                     int& nLinkRects)
    : m_hDC(hDC), m_pManager(pManager), m_pLinks(pLinks), m_sLinks(sLinks), m_nLinkRects(nLinkRects),
      m_nLinkCapacity((pLinks != NULL && sLinks != NULL && nLinkRects > 0) ? nLinkRects : 0), m_uStyle(0),
      m_dwTextColor(0), m_bCalc(false), m_bSingleLine(false), m_pLastCloser(NULL), m_nFontsAdded(0),
      m_bLineHasText(false), m_nMaxImageBottom(0), m_hFontSelected(NULL), m_bMeasuring(false)
{
    ::SetRectEmpty(&m_rc);
}

wchar_t CHtmlTextRenderer::LiteralBracket(const wchar_t* p)
{
    if (p[0] == L'{' && (p[1] == L'<' || p[1] == L'>') && p[2] == L'}')
        return p[1];
    if (p[0] == L'<' && (p[1] == L'{' || p[1] == L'}') && p[2] == L'>')
        return p[1];
    return 0;
}

CHtmlTextRenderer::tagTTag CHtmlTextRenderer::ParseTag(const wchar_t* p, bool bRaw,
                                                       const wchar_t* pLastCloser)
{
    tagTTag tag;
    if (!IsOpener(p[0]) || pLastCloser == NULL || p >= pLastCloser)
        return tag; // no closing bracket follows
    if (p[1] == L'/')
    {
        if (!IsTagLetter(p[2]))
            return tag;
        if (bRaw && p[2] != L'r')
            return tag;
        // Whatever follows the letter up to the closing bracket belongs to the tag.
        const wchar_t* pClose = p + 3;
        while (*pClose != L'\0' && !IsCloser(*pClose))
            ++pClose;
        if (*pClose == L'\0')
            return tag; // never closed: the bracket is ordinary text
        tag.bValid = true;
        tag.bClosing = true;
        tag.chLetter = p[2];
        tag.pEnd = pClose + 1;
        return tag;
    }
    if (bRaw || !IsTagLetter(p[1]))
        return tag;
    if (IsCloser(p[2]))
    {
        tag.bValid = true;
        tag.chLetter = p[1];
        tag.pEnd = p + 3;
        return tag;
    }
    if (p[2] != L' ')
        return tag;
    const wchar_t* pArgs = p + 3;
    while (*pArgs == L' ')
        ++pArgs;
    const wchar_t* pClose = pArgs;
    while (*pClose != L'\0' && !IsCloser(*pClose))
        ++pClose;
    if (*pClose == L'\0')
        return tag; // never closed: the bracket is ordinary text
    tag.bValid = true;
    tag.chLetter = p[1];
    tag.pArgs = pArgs;
    tag.nArgs = static_cast<int>(pClose - pArgs);
    while (tag.nArgs > 0 && pArgs[tag.nArgs - 1] == L' ')
        --tag.nArgs;
    tag.pEnd = pClose + 1;
    return tag;
}

void CHtmlTextRenderer::EnsureMetrics(tagTFontInfo* pFont)
{
    if (pFont->tm.tmHeight != 0)
        return;
    HGDIOBJ hOld = ::SelectObject(m_hDC, pFont->hFont.Get());
    ::GetTextMetricsW(m_hDC, &pFont->tm);
    if (hOld != NULL && hOld != HGDI_ERROR)
        ::SelectObject(m_hDC, hOld);
}

void CHtmlTextRenderer::SelectFont(tagTFontInfo* pFont)
{
    EnsureMetrics(pFont);
    if (m_hFontSelected != pFont->hFont.Get())
    {
        ::SelectObject(m_hDC, pFont->hFont.Get());
        m_hFontSelected = pFont->hFont.Get();
    }
}

int CHtmlTextRenderer::LineHeightOf(tagTFontInfo* pFont) const
{
    // The spacing is read from the text and may be as large as an int holds.
    const int nParagraph = m_state.paragraphs.empty() ? 0 : m_state.paragraphs.back();
    return CSaturatedInt::Clamp(static_cast<long long>(pFont->tm.tmHeight) + pFont->tm.tmExternalLeading +
                                nParagraph);
}

tagTFontInfo* CHtmlTextRenderer::FindOrAddFont(const wchar_t* pstrFace, int nSize, bool bBold,
                                               bool bUnderline, bool bItalic)
{
    HFONT hFont = m_pManager->GetFont(pstrFace, nSize, bBold, bUnderline, bItalic);
    if (hFont == NULL)
    {
        // Added fonts live until the window's tables are emptied, so a text may not add many.
        if (m_nFontsAdded >= MAX_FONTS_PER_TEXT)
            return NULL;
        // A free id only: replacing a font would free a record that may be on the font stack
        // or selected into the DC.
        int id = -1;
        for (int n = 0; n < MAX_VARIANT_FONTS && id < 0; ++n)
        {
            const int candidate = FIRST_VARIANT_FONT_ID + n;
            tagTFontInfo* pUsed = m_pManager->GetFontInfo(candidate);
            if (pUsed == NULL || pUsed->id != candidate)
                id = candidate;
        }
        if (id < 0)
            return NULL;
        hFont = m_pManager->AddFont(id, pstrFace, nSize, bBold, bUnderline, bItalic);
        if (hFont != NULL)
            ++m_nFontsAdded;
    }
    tagTFontInfo* pFont = hFont != NULL ? m_pManager->GetFontInfo(hFont) : NULL;
    return (pFont != NULL && pFont->hFont.Get() == hFont) ? pFont : NULL;
}

tagTFontInfo* CHtmlTextRenderer::Variant(tagTFontInfo* pBase, bool bBold, bool bUnderline, bool bItalic)
{
    const bool b = pBase->bBold || bBold;
    const bool u = pBase->bUnderline || bUnderline;
    const bool i = pBase->bItalic || bItalic;
    if (b == pBase->bBold && u == pBase->bUnderline && i == pBase->bItalic)
        return pBase;
    tagTFontInfo* pFont = FindOrAddFont(pBase->sFontName, pBase->iSize, b, u, i);
    return pFont != NULL ? pFont : pBase;
}

tagTFontInfo* CHtmlTextRenderer::FontByFace(const wchar_t* pArgs, int nArgs)
{
    CUIString sArgs(pArgs, nArgs);
    int nFaceEnd = sArgs.Find(L' ');
    CUIString sFace = nFaceEnd < 0 ? sArgs : sArgs.Left(nFaceEnd);
    CUIString sRest = nFaceEnd < 0 ? CUIString() : sArgs.Mid(nFaceEnd);
    const wchar_t* p = sRest.GetData();
    int nSize = ReadNumber(p, 10);
    if (nSize <= 0 || nSize > 1000)
        nSize = 10;
    const bool bBold = ContainsNoCase(sRest, L"bold");
    const bool bUnderline = ContainsNoCase(sRest, L"underline");
    const bool bItalic = ContainsNoCase(sRest, L"italic");
    tagTFontInfo* pFont = FindOrAddFont(sFace, nSize, bBold, bUnderline, bItalic);
    return pFont != NULL ? pFont : CurrentFont();
}

void CHtmlTextRenderer::PopFont()
{
    // The starting font is never popped, so stray closing tags are harmless.
    tagTFontInfo* pEnding = m_state.fonts.back();
    if (!PopBounded(m_state.fonts, m_state.nFontOverflow, 1))
        return;
    tagTFontInfo* pRestored = m_state.fonts.back();
    EnsureMetrics(pEnding);
    EnsureMetrics(pRestored);
    if (pEnding->tm.tmItalic && !pRestored->tm.tmItalic)
    {
        // The italic overhang would touch the upright text that follows.
        SelectFont(pEnding);
        ABC abc;
        if (::GetCharABCWidthsW(m_hDC, L' ', L' ', &abc))
            m_state.x = CSaturatedInt::Add(m_state.x, abs(abc.abcC) / 2);
    }
}

void CHtmlTextRenderer::PushFont(tagTFontInfo* pFont)
{
    PushBounded(m_state.fonts, m_state.nFontOverflow, pFont);
}

void CHtmlTextRenderer::PushColor(DWORD dwColor)
{
    PushBounded(m_state.colors, m_state.nColorOverflow, dwColor);
}

void CHtmlTextRenderer::PopColor()
{
    PopBounded(m_state.colors, m_state.nColorOverflow, 1); // the starting colour stays
}

void CHtmlTextRenderer::PushParagraph(int nSpacing)
{
    PushBounded(m_state.paragraphs, m_state.nParagraphOverflow, nSpacing);
}

void CHtmlTextRenderer::PopParagraph()
{
    PopBounded(m_state.paragraphs, m_state.nParagraphOverflow, 0);
}

void CHtmlTextRenderer::OpenLinkSlot(const CUIString& sText, int yTop, int cyLine, int xOffset)
{
    const int x = CSaturatedInt::Add(m_state.x, xOffset);
    m_state.yLinkTop = yTop;
    m_state.xLinkLeft = x;
    m_state.xLinkRight = x;
    m_state.iLinkSlot = -1;
    if (m_state.nLinks >= m_nLinkCapacity)
        return;
    m_state.iLinkSlot = m_state.nLinks++;
    m_sLinks[m_state.iLinkSlot] = sText;
    RECT rc = {x, yTop, x, CSaturatedInt::Add(yTop, cyLine)};
    m_pLinks[m_state.iLinkSlot] = rc;
}

// Widens the open link's box to the current x (a line of the link starts or ends here).
void CHtmlTextRenderer::ExtendLink(int xOffset)
{
    const int x = CSaturatedInt::Add(m_state.x, xOffset);
    if (x < m_state.xLinkLeft)
        m_state.xLinkLeft = x;
    if (x > m_state.xLinkRight)
        m_state.xLinkRight = x;
}

void CHtmlTextRenderer::CloseLinkSlot(int yTop, int cyLine, int xOffset)
{
    ExtendLink(xOffset);
    if (m_state.iLinkSlot < 0)
        return;
    // One rectangle per link: from its start to here on one line, else the box around its lines.
    RECT& rc = m_pLinks[m_state.iLinkSlot];
    const bool bOneLine = m_state.yLinkTop == yTop;
    rc.left = bOneLine ? rc.left : m_state.xLinkLeft;
    rc.right = bOneLine ? CSaturatedInt::Add(m_state.x, xOffset) : m_state.xLinkRight;
    rc.top = m_state.yLinkTop;
    rc.bottom = CSaturatedInt::Add(yTop, cyLine);
    m_state.iLinkSlot = -1;
}

void CHtmlTextRenderer::Draw(RECT& rc, const wchar_t* pstrText, DWORD dwTextColor, int iFont, UINT uStyle)
{
    const int nCapacity = m_nLinkCapacity;
    m_nLinkRects = 0;
    if (m_hDC == NULL || m_pManager == NULL || pstrText == NULL || *pstrText == L'\0' || ::IsRectEmpty(&rc))
        return;

    tagTFontInfo* pBase = m_pManager->GetFontInfo(iFont);
    if (pBase == NULL)
        pBase = m_pManager->GetDefaultFontInfo();
    if (pBase == NULL || pBase->hFont.Get() == NULL)
        return;

    m_uStyle = uStyle;
    m_dwTextColor = dwTextColor;
    m_bCalc = (uStyle & DT_CALCRECT) != 0;
    m_bSingleLine = (uStyle & DT_SINGLELINE) != 0;

    // The link under the mouse, as recorded by the previous paint.
    if (!m_bCalc && nCapacity > 0)
    {
        POINT pt = m_pManager->GetMousePos();
        for (int i = 0; i < nCapacity; ++i)
        {
            if (::PtInRect(&m_pLinks[i], pt))
            {
                m_sHoverLink = m_sLinks[i];
                break;
            }
        }
    }

    CRenderClip clip;
    if (!m_bCalc)
        CRenderClip::GenerateClip(m_hDC, rc, clip);

    m_rc = rc;
    if ((uStyle & (DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) != 0 && !m_bCalc)
    {
        RECT rcText = {0, 0, 9999, 100};
        int nNoLinks = 0;
        CHtmlTextRenderer measure(m_hDC, m_pManager, NULL, NULL, nNoLinks);
        measure.Draw(rcText, pstrText, dwTextColor, iFont, uStyle | DT_CALCRECT);
        // The fonts the measurement added count for this text too, so drawing falls back to
        // the current font exactly where measuring did.
        m_nFontsAdded = measure.m_nFontsAdded;
        typedef CSaturatedInt Sat;
        const long long cxText = static_cast<long long>(rcText.right) - rcText.left;
        const long long cyText = static_cast<long long>(rcText.bottom) - rcText.top;
        if (m_bSingleLine)
        {
            if (uStyle & DT_CENTER)
            {
                m_rc.left =
                    Sat::Clamp(rc.left + (static_cast<long long>(rc.right) - rc.left) / 2 - cxText / 2);
                m_rc.right = Sat::Add(m_rc.left, cxText);
            }
            if (uStyle & DT_RIGHT)
                m_rc.left = Sat::Sub(rc.right, cxText);
        }
        if (uStyle & DT_VCENTER)
        {
            m_rc.top = Sat::Clamp(rc.top + (static_cast<long long>(rc.bottom) - rc.top) / 2 - cyText / 2);
            m_rc.bottom = Sat::Add(m_rc.top, cyText);
        }
        if (uStyle & DT_BOTTOM)
            m_rc.top = Sat::Sub(rc.bottom, cyText);
    }

    // The DC's font, colours and background mode are given back afterwards.
    HGDIOBJ hOldFont = ::GetCurrentObject(m_hDC, OBJ_FONT);
    const COLORREF clrOldText = ::GetTextColor(m_hDC);
    const COLORREF clrOldBk = ::GetBkColor(m_hDC);
    const int nOldBkMode = ::GetBkMode(m_hDC);
    ::SetBkMode(m_hDC, TRANSPARENT);
    ::SetTextColor(m_hDC, ToColorRef(dwTextColor));
    ::SetBkColor(m_hDC, ToColorRef(m_pManager->GetDefaultSelectedBkColor()));

    m_pLastCloser = NULL;
    for (const wchar_t* p = pstrText; *p != L'\0'; ++p)
    {
        if (IsCloser(*p))
            m_pLastCloser = p;
    }
    m_state = tagTState();
    m_state.p = pstrText;
    m_state.fonts.push_back(pBase);
    m_state.colors.push_back(dwTextColor);
    m_state.x = m_rc.left;
    m_nMaxImageBottom = m_rc.top;
    SelectFont(pBase);

    int y = m_rc.top;
    int nLastBottom = m_rc.top;
    int xMax = m_rc.left;
    for (int nLine = 0; nLine < kMaxLines; ++nLine)
    {
        const tagTState saved = m_state;
        const tagTLine measured = LayoutLine(y, 0, 0, true, false);
        m_state = saved;
        int xOffset = 0;
        if (!m_bSingleLine && !m_bCalc)
        {
            const long long cxFree = static_cast<long long>(m_rc.right) - measured.xMax;
            if (uStyle & DT_CENTER)
                xOffset = CSaturatedInt::Clamp(cxFree / 2);
            else if (uStyle & DT_RIGHT)
                xOffset = CSaturatedInt::Clamp(cxFree);
        }
        const tagTLine line = LayoutLine(y, measured.cyLine, xOffset, false, !m_bCalc);
        // A text ending in a line break gets no empty last line.
        const bool bEmptyLast = line.end == LINE_END_TEXT && nLine > 0 && m_state.p == saved.p;
        if (!bEmptyLast)
            nLastBottom = CSaturatedInt::Add(y, line.cyLine);
        if (line.xMax > xMax)
            xMax = line.xMax;
        if (line.end != LINE_BREAK || m_bSingleLine)
            break;
        if (m_state.p == saved.p && m_state.x == saved.x)
            break; // no progress: never loop
        y = CSaturatedInt::Add(y, line.cyLine);
        m_state.x = m_rc.left;
        if (!m_bCalc && y >= m_rc.bottom)
            break;
    }

    ::SelectObject(m_hDC, hOldFont);
    ::SetTextColor(m_hDC, clrOldText);
    ::SetBkColor(m_hDC, clrOldBk);
    ::SetBkMode(m_hDC, nOldBkMode);

    if (m_bCalc)
    {
        rc.bottom = nLastBottom > m_nMaxImageBottom ? nLastBottom : m_nMaxImageBottom;
        rc.right = xMax < rc.right ? xMax : rc.right;
    }
    m_nLinkRects = m_state.nLinks;
}

CHtmlTextRenderer::tagTLine CHtmlTextRenderer::LayoutLine(int yTop, int cyLineFixed, int xOffset,
                                                          bool bMeasure, bool bDraw)
{
    tagTLine line;
    m_bMeasuring = bMeasure;
    m_bLineHasText = false;
    EnsureMetrics(CurrentFont());
    // Measuring, the height grows with the fonts of the runs placed; an empty line keeps the
    // height of the font it starts with.
    const int cyEmptyLine = LineHeightOf(CurrentFont());
    int cyLine = bMeasure ? 0 : cyLineFixed;
    bool bHeightSet = false;
    int xMax = m_state.x;
    bool bAtStart = true;
    ELineEnd end = LINE_END_TEXT;
    if (m_state.bInLink)
        ExtendLink(xOffset);

    std::vector<wchar_t> run;
    std::vector<const wchar_t*> ends;
    for (;;)
    {
        const wchar_t* p = m_state.p;
        if (*p == L'\0')
        {
            end = LINE_END_TEXT;
            break;
        }
        if (*p == L'\n')
        {
            m_state.p = p + 1;
            end = LINE_BREAK;
            break;
        }
        if (*p == L'\r')
        {
            m_state.p = p + 1;
            continue;
        }
        const tagTTag tag = ParseTag(p, m_state.bRaw, m_pLastCloser);
        if (tag.bValid)
        {
            if (tag.chLetter == L'y' && !tag.bClosing)
                bHeightSet = true;
            if (!HandleTag(tag, yTop, cyLine, xMax, bAtStart, xOffset, bDraw, end))
                break;
            continue;
        }
        // A text run up to the next tag or line end, read only as far as this line can hold:
        // reading the whole rest of a long text on every line would make layout quadratic.
        run.clear();
        ends.clear();
        const long long cxAvail = static_cast<long long>(m_rc.right) - m_state.x;
        size_t nLimit = 64;
        bool bComplete = ReadRun(p, run, ends, nLimit);
        while (!bComplete)
        {
            SelectFont(CurrentFont());
            SIZE size = {0, 0};
            if (static_cast<long long>(run.size()) * CurrentFont()->tm.tmMaxCharWidth >= cxAvail &&
                (!::GetTextExtentPoint32W(m_hDC, run.data(), static_cast<int>(run.size()), &size) ||
                 size.cx > cxAvail))
                break; // the cut lies within what has been read
            nLimit *= 2;
            bComplete = ReadRun(p, run, ends, nLimit);
        }
        if (!PlaceRun(run, ends, yTop, cyLine, xMax, bAtStart, xOffset, bDraw, end))
            break;
    }
    if (bMeasure && !m_bLineHasText && !bHeightSet && cyEmptyLine > cyLine)
        cyLine = cyEmptyLine;
    if (m_state.bInLink)
    {
        if (end == LINE_BREAK)
            ExtendLink(xOffset);
        else
            CloseLinkSlot(yTop, cyLine, xOffset); // never closed: the link ends with the text
    }
    line.end = end;
    line.cyLine = cyLine;
    line.xMax = xMax;
    return line;
}

bool CHtmlTextRenderer::ReadRun(const wchar_t*& p, std::vector<wchar_t>& run,
                                std::vector<const wchar_t*>& ends, size_t nLimit) const
{
    while (*p != L'\0' && *p != L'\n' && *p != L'\r')
    {
        if (run.size() >= nLimit)
            return false;
        if (IsOpener(*p))
        {
            const wchar_t chLiteral = m_state.bRaw ? 0 : LiteralBracket(p);
            if (chLiteral != 0)
            {
                run.push_back(chLiteral);
                p += 3;
                ends.push_back(p);
                continue;
            }
            if (!run.empty() && ParseTag(p, m_state.bRaw, m_pLastCloser).bValid)
                return true;
        }
        run.push_back(*p);
        ++p;
        ends.push_back(p);
    }
    return true;
}

bool CHtmlTextRenderer::PlaceRun(const std::vector<wchar_t>& run, const std::vector<const wchar_t*>& ends,
                                 int yTop, int& cyLine, int& xMax, bool& bAtStart, int xOffset, bool bDraw,
                                 ELineEnd& end)
{
    if (run.empty())
        return true;
    tagTFontInfo* pFont = CurrentFont();
    SelectFont(pFont);
    const int n = static_cast<int>(run.size());
    const int cxAvail = CSaturatedInt::Sub(m_rc.right, m_state.x);
    int nCut = n;
    // Cheap estimate first; the exact fit is measured only near the right edge.
    if (static_cast<long long>(n) * pFont->tm.tmMaxCharWidth >= cxAvail)
    {
        int nFit = 0;
        SIZE szAll = {0, 0};
        if (!::GetTextExtentExPointW(m_hDC, run.data(), n, cxAvail > 0 ? cxAvail : 0, &nFit, NULL, &szAll))
            nFit = n;
        if (nFit < n)
        {
            nCut = nFit;
            if (m_uStyle & DT_WORDBREAK)
            {
                int i = nFit - 1;
                while (i >= 0 && run[i] != L' ' && IsAsciiLetter(run[i]))
                    --i;
                nCut = i >= 0 ? i + 1 : (bAtStart ? nFit : 0);
            }
            if (nCut == 0 && bAtStart)
                nCut = 1; // always advance
        }
    }
    const bool bEllipsis = nCut < n && (m_uStyle & DT_END_ELLIPSIS) != 0;
    int nDraw = nCut;
    if (bEllipsis)
        nDraw -= nDraw < 2 ? nDraw : 2;
    if (nCut == 0 && !bEllipsis)
    {
        end = LINE_BREAK;
        return false;
    }

    if (m_bMeasuring)
    {
        m_bLineHasText = true;
        const int cyRun = LineHeightOf(pFont);
        if (cyRun > cyLine)
            cyLine = cyRun;
    }
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, run.data(), nDraw, &size);
    if (bDraw)
    {
        const int yText = CSaturatedInt::Clamp(static_cast<long long>(yTop) + cyLine - pFont->tm.tmHeight -
                                               pFont->tm.tmExternalLeading);
        const int xText = CSaturatedInt::Add(m_state.x, xOffset);
        DWORD dwColor = m_state.colors.back();
        ::SetTextColor(m_hDC, ToColorRef(dwColor));
        ::SetBkMode(m_hDC, m_state.bSelected ? OPAQUE : TRANSPARENT);
        if (nDraw > 0)
            ::TextOutW(m_hDC, xText, yText, run.data(), nDraw);
        if (bEllipsis)
            ::TextOutW(m_hDC, CSaturatedInt::Add(xText, size.cx), yText, L"...", 3);
    }
    m_state.x = CSaturatedInt::Add(m_state.x, size.cx);
    if (bEllipsis)
    {
        SIZE szDots = {0, 0};
        ::GetTextExtentPoint32W(m_hDC, L"...", 3, &szDots);
        m_state.x = CSaturatedInt::Add(m_state.x, szDots.cx);
    }
    if (m_state.x > xMax)
        xMax = m_state.x;
    bAtStart = false;
    m_state.p = ends[(nCut > 0 ? nCut : 1) - 1];
    if (bEllipsis)
    {
        end = LINE_STOP;
        return false;
    }
    if (nCut < n)
    {
        end = LINE_BREAK;
        return false;
    }
    return true;
}

bool CHtmlTextRenderer::HandleTag(const tagTTag& tag, int yTop, int& cyLine, int& xMax, bool& bAtStart,
                                  int xOffset, bool bDraw, ELineEnd& end)
{
    CUIString sArgs(tag.pArgs, tag.nArgs);
    if (tag.bClosing)
    {
        m_state.p = tag.pEnd;
        switch (tag.chLetter)
        {
        case L'a':
            if (m_state.bInLink)
            {
                CloseLinkSlot(yTop, cyLine, xOffset);
                m_state.bInLink = false;
                PopColor();
                PopFont();
            }
            break;
        case L'b':
        case L'f':
        case L'i':
        case L'u':
            PopFont();
            break;
        case L'c':
            PopColor();
            break;
        case L'p':
            PopParagraph();
            end = LINE_BREAK; // also at the start of a line: the tag is consumed, so layout advances
            return false;
        case L'r':
            m_state.bRaw = false;
            break;
        case L's':
            m_state.bSelected = !m_state.bSelected;
            break;
        default:
            break;
        }
        return true;
    }

    switch (tag.chLetter)
    {
    case L'a':
    {
        if (m_state.bInLink)
        {
            // A link opened inside a link ends the outer one first.
            CloseLinkSlot(yTop, cyLine, xOffset);
            PopColor();
            PopFont();
        }
        DWORD dwColor = m_dwTextColor != 0 ? m_dwTextColor : m_pManager->GetDefaultLinkFontColor();
        if (!m_sHoverLink.IsEmpty() && m_sHoverLink == sArgs.GetData())
            dwColor = m_pManager->GetDefaultLinkHoverFontColor();
        PushColor(dwColor);
        PushFont(Variant(CurrentFont(), false, true, false));
        m_state.bInLink = true;
        OpenLinkSlot(sArgs, yTop, cyLine, xOffset);
        break;
    }
    case L'b':
        PushFont(Variant(CurrentFont(), true, false, false));
        break;
    case L'c':
    {
        const wchar_t* p = sArgs.GetData();
        if (*p == L'#')
            ++p;
        PushColor(wcstoul(p, NULL, 16));
        break;
    }
    case L'f':
    {
        const wchar_t* p = sArgs.GetData();
        if (*p >= L'0' && *p <= L'9')
        {
            tagTFontInfo* pFont = m_pManager->GetFontInfo(ReadNumber(p, 0));
            if (pFont == NULL)
                pFont = m_pManager->GetDefaultFontInfo();
            PushFont(pFont != NULL && pFont->hFont.Get() != NULL ? pFont : CurrentFont());
        }
        else if (!sArgs.IsEmpty())
        {
            PushFont(FontByFace(sArgs, sArgs.GetLength()));
        }
        else
        {
            PushFont(CurrentFont());
        }
        break;
    }
    case L'i':
        if (sArgs.IsEmpty())
        {
            PushFont(Variant(CurrentFont(), false, false, true));
        }
        else if (!PlaceImage(tag, yTop, cyLine, xMax, bAtStart, xOffset, bDraw))
        {
            end = LINE_BREAK;
            return false; // does not fit: the tag is read again on the next line
        }
        break;
    case L'n':
        if (!m_bSingleLine)
        {
            m_state.p = tag.pEnd;
            end = LINE_BREAK;
            return false;
        }
        break;
    case L'p':
        if (!bAtStart)
        {
            end = LINE_BREAK;
            return false; // the paragraph starts on the next line, with this tag
        }
        {
            const wchar_t* p = sArgs.GetData();
            PushParagraph(ReadNumber(p, 0));
        }
        break;
    case L'r':
        m_state.bRaw = true;
        break;
    case L's':
        m_state.bSelected = !m_state.bSelected;
        break;
    case L'u':
        PushFont(Variant(CurrentFont(), false, true, false));
        break;
    case L'x':
    {
        const wchar_t* p = sArgs.GetData();
        m_state.x = CSaturatedInt::Add(m_state.x, ReadNumber(p, 0));
        if (m_state.x > xMax)
            xMax = m_state.x;
        break;
    }
    case L'y':
    {
        const wchar_t* p = sArgs.GetData();
        const int cy = ReadNumber(p, 0);
        if (m_bMeasuring && cy >= 0)
            cyLine = cy;
        break;
    }
    default:
        break; // unknown letters are consumed without effect
    }
    m_state.p = tag.pEnd;
    return true;
}

bool CHtmlTextRenderer::PlaceImage(const tagTTag& tag, int yTop, int& cyLine, int& xMax, bool& bAtStart,
                                   int xOffset, bool bDraw)
{
    CUIString sArgs(tag.pArgs, tag.nArgs);
    CUIString sName;
    CUIString sResType;
    CUIString sNumbers;
    if (sArgs.Find(L'=') >= 0)
    {
        // Draw-description form: file/res/restype items, then the frame numbers.
        int nLastQuote = sArgs.ReverseFind(L'\'');
        tagTDrawInfo info;
        info.Parse(sArgs.Left(nLastQuote + 1), NULL, NULL);
        sName = info.m_sImageName;
        sResType = info.m_sResType;
        sNumbers = sArgs.Mid(nLastQuote + 1);
    }
    else
    {
        int nBlank = sArgs.Find(L' ');
        sName = nBlank < 0 ? sArgs : sArgs.Left(nBlank);
        if (nBlank >= 0)
            sNumbers = sArgs.Mid(nBlank);
    }
    const wchar_t* p = sNumbers.GetData();
    int nFrames = ReadNumber(p, 1);
    if (nFrames < 1)
        nFrames = 1;
    int iFrame = ReadNumber(p, 0);
    if (iFrame < 0 || iFrame >= nFrames)
        iFrame = 0;

    const tagTImageInfo* pImage =
        sName.IsEmpty() ? NULL
                        : m_pManager->GetImageEx(sName, sResType.IsEmpty() ? NULL : sResType.GetData());
    if (pImage == NULL || pImage->hBitmap.Get() == NULL)
        return true;
    const int cxFrame = pImage->nX / nFrames;
    const int cyImage = pImage->nY;
    if (cxFrame <= 0 || cyImage <= 0)
        return true;
    if (static_cast<long long>(m_state.x) + cxFrame > m_rc.right && !bAtStart && !m_bSingleLine)
        return false;

    // The line's height comes from its text: a taller image sits on the line's bottom and
    // reaches up, a shorter one is centred on the line.
    const int yImage =
        CSaturatedInt::Clamp(cyImage < cyLine ? yTop + (static_cast<long long>(cyLine) - cyImage) / 2
                                              : static_cast<long long>(yTop) + cyLine - cyImage);
    const int yImageBottom = CSaturatedInt::Add(yImage, cyImage);
    if (!m_bMeasuring && yImageBottom > m_nMaxImageBottom)
        m_nMaxImageBottom = yImageBottom;
    if (bDraw)
    {
        const int xImage = CSaturatedInt::Add(m_state.x, xOffset);
        RECT rcDest = {xImage, yImage, CSaturatedInt::Add(xImage, cxFrame), yImageBottom};
        RECT rcSource = {iFrame * cxFrame, 0, (iFrame + 1) * cxFrame, cyImage};
        RECT rcCorner = {0, 0, 0, 0};
        CRenderEngine::DrawImage(m_hDC, pImage->hBitmap.Get(), rcDest, m_rc, rcSource, rcCorner,
                                 pImage->bAlpha);
        m_hFontSelected = NULL; // be safe: the font is selected again before the next run
    }
    m_state.x = CSaturatedInt::Add(m_state.x, cxFrame);
    if (m_state.x > xMax)
        xMax = m_state.x;
    bAtStart = false;
    return true;
}

} // namespace SkinUI
