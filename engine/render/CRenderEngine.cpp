#include "engine/render/CRenderEngine.h"

#include <gdiplus.h>
#include <limits.h>
#include <math.h>
#include <stdlib.h>
#include <wchar.h>

#include "engine/core/CGdiSelection.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CHtmlTextRenderer.h"
#include "engine/render/CMsimg32.h"
#include "engine/render/CSaturatedInt.h"
#include "engine/render/CSoftwareBlend.h"
#include "engine/render/tagTDrawInfo.h"
#include "engine/resources/CGdiObject.h"
#include "engine/resources/CImageLoader.h"
#include "engine/resources/CMemoryDC.h"
#include "engine/resources/CScaledBitmapCache.h"

namespace SkinUI
{

namespace
{

inline COLORREF ToColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

inline int Width(const RECT& rc)
{
    return rc.right - rc.left;
}

inline int Height(const RECT& rc)
{
    return rc.bottom - rc.top;
}

inline bool HasArea(const RECT& rc)
{
    return rc.right > rc.left && rc.bottom > rc.top;
}

// Size of the tile starting at nPos: a whole tile, or what is left up to nEnd.
inline int TileExtent(LONG nEnd, long long nPos, int nTile)
{
    const long long nLeft = nEnd - nPos;
    return nLeft < nTile ? static_cast<int>(nLeft) : nTile;
}

inline LONG ClampTo(LONG n, LONG nLow, LONG nHigh)
{
    return n < nLow ? nLow : (n > nHigh ? nHigh : n);
}

// The numbers of a 9-slice drawing made safe for int arithmetic: the source lies inside the
// bitmap, each corner is at most as wide as both the target and the source, and the target's
// size fits an int. Every part computed from them then lies inside the target and the source.
// False when there is nothing to draw.
bool SanitizeImageParts(SIZE szBitmap, const RECT& rcDest, const RECT& rcBmpPart, const RECT& rcCorners,
                        RECT& rcSource, RECT& rcCornerOut)
{
    const long long cxDest = static_cast<long long>(rcDest.right) - rcDest.left;
    const long long cyDest = static_cast<long long>(rcDest.bottom) - rcDest.top;
    // GDI takes sizes as int: a target wider than that cannot be drawn at all.
    if (cxDest <= 0 || cyDest <= 0 || cxDest > INT_MAX || cyDest > INT_MAX)
        return false;
    const LONG cxImage = szBitmap.cx > 0 ? szBitmap.cx : 0;
    const LONG cyImage = szBitmap.cy > 0 ? szBitmap.cy : 0;
    rcSource.left = ClampTo(rcBmpPart.left, 0, cxImage);
    rcSource.right = ClampTo(rcBmpPart.right, rcSource.left, cxImage);
    rcSource.top = ClampTo(rcBmpPart.top, 0, cyImage);
    rcSource.bottom = ClampTo(rcBmpPart.bottom, rcSource.top, cyImage);
    const LONG cxMax = static_cast<LONG>(cxDest < Width(rcSource) ? cxDest : Width(rcSource));
    const LONG cyMax = static_cast<LONG>(cyDest < Height(rcSource) ? cyDest : Height(rcSource));
    rcCornerOut.left = ClampTo(rcCorners.left, 0, cxMax);
    rcCornerOut.right = ClampTo(rcCorners.right, 0, cxMax);
    rcCornerOut.top = ClampTo(rcCorners.top, 0, cyMax);
    rcCornerOut.bottom = ClampTo(rcCorners.bottom, 0, cyMax);
    return true;
}

// Draws one part of an image: blended (per-pixel alpha when bAlpha, constant fade on top) or
// copied, and only when it meets the paint rectangle.
class CImagePartPainter
{
public:
    CImagePartPainter(HDC hDC, HDC hdcImage, HBITMAP hBitmap, const RECT& rcPaint, bool bBlend, bool bAlpha,
                      BYTE uFade, CScaledBitmapCache* pScaled)
        : m_hDC(hDC), m_hdcImage(hdcImage), m_hBitmap(hBitmap), m_rcPaint(rcPaint), m_bBlend(bBlend),
          m_bAlpha(bAlpha), m_uFade(uFade), m_pfnAlphaBlend(CMsimg32::AlphaBlend()), m_pScaled(pScaled)
    {
    }

    void Draw(const RECT& rcDest, const RECT& rcSrc) const
    {
        if (!HasArea(rcDest) || !HasArea(rcSrc))
            return;
        RECT rcTemp;
        if (!::IntersectRect(&rcTemp, &rcDest, &m_rcPaint))
            return;
        if (m_bBlend)
        {
            if (m_pfnAlphaBlend != NULL)
            {
                BLENDFUNCTION bf = {AC_SRC_OVER, 0, m_uFade, static_cast<BYTE>(m_bAlpha ? AC_SRC_ALPHA : 0)};
                m_pfnAlphaBlend(m_hDC, rcDest.left, rcDest.top, Width(rcDest), Height(rcDest), m_hdcImage,
                                rcSrc.left, rcSrc.top, Width(rcSrc), Height(rcSrc), bf);
            }
            else
            {
                CSoftwareBlend::Blend(m_hDC, rcDest, m_hBitmap, rcSrc, m_uFade, m_bAlpha);
            }
        }
        else if (Width(rcDest) == Width(rcSrc) && Height(rcDest) == Height(rcSrc))
        {
            ::BitBlt(m_hDC, rcDest.left, rcDest.top, Width(rcDest), Height(rcDest), m_hdcImage, rcSrc.left,
                     rcSrc.top, SRCCOPY);
        }
        else if (!DrawScaledCopy(rcDest, rcSrc, rcTemp))
        {
            ::StretchBlt(m_hDC, rcDest.left, rcDest.top, Width(rcDest), Height(rcDest), m_hdcImage,
                         rcSrc.left, rcSrc.top, Width(rcSrc), Height(rcSrc), SRCCOPY);
        }
    }

    // The middle part: stretched, or repeated at source size along the tiled directions.
    // Tiles start with the first one that reaches the paint rectangle, so a 1-pixel tile over
    // a huge area costs no more than the visible tiles.
    void DrawMiddle(const RECT& rcDest, const RECT& rcSrc, bool bTiledX, bool bTiledY) const
    {
        if (!HasArea(rcDest) || !HasArea(rcSrc))
            return;
        if (!bTiledX && !bTiledY)
        {
            Draw(rcDest, rcSrc);
            return;
        }
        // The caller keeps every part's size within int; positions relative to the paint
        // rectangle and the next tile's start are still taken in 64 bits, where they cannot wrap.
        const int cxTile = Width(rcSrc);
        const int cyTile = Height(rcSrc);
        long long xStart = rcDest.left;
        long long xEnd = rcDest.right;
        long long yStart = rcDest.top;
        long long yEnd = rcDest.bottom;
        if (bTiledX)
        {
            if (m_rcPaint.left > xStart)
                xStart += (m_rcPaint.left - xStart) / cxTile * cxTile;
            if (m_rcPaint.right < xEnd)
                xEnd = m_rcPaint.right;
        }
        if (bTiledY)
        {
            if (m_rcPaint.top > yStart)
                yStart += (m_rcPaint.top - yStart) / cyTile * cyTile;
            if (m_rcPaint.bottom < yEnd)
                yEnd = m_rcPaint.bottom;
        }
        if (bTiledX && bTiledY)
        {
            for (long long y = yStart; y < yEnd; y += cyTile)
            {
                const int cy = TileExtent(rcDest.bottom, y, cyTile);
                for (long long x = xStart; x < xEnd; x += cxTile)
                {
                    const int cx = TileExtent(rcDest.right, x, cxTile);
                    RECT rcD = {static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x + cx),
                                static_cast<LONG>(y + cy)};
                    RECT rcS = {rcSrc.left, rcSrc.top, rcSrc.left + cx, rcSrc.top + cy};
                    Draw(rcD, rcS);
                }
            }
        }
        else if (bTiledX)
        {
            for (long long x = xStart; x < xEnd; x += cxTile)
            {
                const int cx = TileExtent(rcDest.right, x, cxTile);
                RECT rcD = {static_cast<LONG>(x), rcDest.top, static_cast<LONG>(x + cx), rcDest.bottom};
                RECT rcS = {rcSrc.left, rcSrc.top, rcSrc.left + cx, rcSrc.bottom};
                Draw(rcD, rcS);
            }
        }
        else
        {
            for (long long y = yStart; y < yEnd; y += cyTile)
            {
                const int cy = TileExtent(rcDest.bottom, y, cyTile);
                RECT rcD = {rcDest.left, static_cast<LONG>(y), rcDest.right, static_cast<LONG>(y + cy)};
                RECT rcS = {rcSrc.left, rcSrc.top, rcSrc.right, rcSrc.top + cy};
                Draw(rcD, rcS);
            }
        }
    }

private:
    // A halftone stretch is slow (hundreds of milliseconds for a page under Wine), so the
    // stretched part is made once per size and then copied over the visible area. False when
    // there is no cache or the copy cannot be made; the caller then stretches directly.
    bool DrawScaledCopy(const RECT& rcDest, const RECT& rcSrc, const RECT& rcVisible) const
    {
        if (m_pScaled == NULL)
            return false;
        const int cx = Width(rcDest);
        const int cy = Height(rcDest);
        HBITMAP hScaled = m_pScaled->Find(m_hBitmap, rcSrc, cx, cy);
        if (hScaled == NULL)
        {
            if (!CScaledBitmapCache::Fits(cx, cy))
                return false;
            CGdiObject<HBITMAP> hNew(CRenderEngine::CreateARGB32Bitmap(m_hDC, cx, cy, NULL));
            if (hNew.IsNull())
                return false;
            {
                CMemoryDC dcNew(m_hDC);
                if (dcNew.Get() == NULL)
                    return false;
                dcNew.Select(hNew);
                ::SetStretchBltMode(dcNew, HALFTONE);
                ::SetBrushOrgEx(dcNew, 0, 0, NULL);
                if (!::StretchBlt(dcNew, 0, 0, cx, cy, m_hdcImage, rcSrc.left, rcSrc.top, Width(rcSrc),
                                  Height(rcSrc), SRCCOPY))
                    return false;
            }
            hScaled = m_pScaled->Add(m_hBitmap, rcSrc, cx, cy, hNew.Detach());
            if (hScaled == NULL)
                return false;
        }
        CMemoryDC dcScaled(m_hDC);
        if (dcScaled.Get() == NULL)
            return false;
        dcScaled.Select(hScaled);
        return ::BitBlt(m_hDC, rcVisible.left, rcVisible.top, Width(rcVisible), Height(rcVisible), dcScaled,
                        rcVisible.left - rcDest.left, rcVisible.top - rcDest.top, SRCCOPY) != FALSE;
    }

    HDC m_hDC;
    HDC m_hdcImage;
    HBITMAP m_hBitmap;
    RECT m_rcPaint;
    bool m_bBlend;
    bool m_bAlpha;
    BYTE m_uFade;
    CMsimg32::PFN_ALPHABLEND m_pfnAlphaBlend;
    CScaledBitmapCache* m_pScaled; // borrowed from the image record; null: no caching
};

// Colour of band i of n, running from c1 (i = 0) to c2 (i = n - 1).
COLORREF BandColor(DWORD c1, DWORD c2, int i, int n)
{
    const int shifts[3] = {16, 8, 0};
    int ch[3];
    for (int k = 0; k < 3; ++k)
    {
        const int a = static_cast<int>((c1 >> shifts[k]) & 0xFF);
        const int b = static_cast<int>((c2 >> shifts[k]) & 0xFF);
        ch[k] = n > 1 ? a + (b - a) * i / (n - 1) : a;
    }
    return RGB(ch[0], ch[1], ch[2]);
}

// An opaque gradient over rc: one GradientFill, or solid bands when msimg32 lacks it.
void FillGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical, int nSteps)
{
    CMsimg32::PFN_GRADIENTFILL pfnGradientFill = CMsimg32::GradientFill();
    if (pfnGradientFill != NULL)
    {
        TRIVERTEX vert[2];
        vert[0].x = rc.left;
        vert[0].y = rc.top;
        vert[0].Red = static_cast<COLOR16>(((dwFirst >> 16) & 0xFF) << 8);
        vert[0].Green = static_cast<COLOR16>(((dwFirst >> 8) & 0xFF) << 8);
        vert[0].Blue = static_cast<COLOR16>((dwFirst & 0xFF) << 8);
        vert[0].Alpha = 0xFF00;
        vert[1].x = rc.right;
        vert[1].y = rc.bottom;
        vert[1].Red = static_cast<COLOR16>(((dwSecond >> 16) & 0xFF) << 8);
        vert[1].Green = static_cast<COLOR16>(((dwSecond >> 8) & 0xFF) << 8);
        vert[1].Blue = static_cast<COLOR16>((dwSecond & 0xFF) << 8);
        vert[1].Alpha = 0xFF00;
        GRADIENT_RECT gradient = {0, 1};
        pfnGradientFill(hDC, vert, 2, &gradient, 1, bVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
        return;
    }
    int nBands = 2;
    if (nSteps >= 64)
        nBands = 64;
    else if (nSteps >= 32)
        nBands = 32;
    else if (nSteps >= 16)
        nBands = 16;
    else if (nSteps >= 8)
        nBands = 8;
    else if (nSteps >= 4)
        nBands = 4;
    const int nExtent = bVertical ? Height(rc) : Width(rc);
    for (int i = 0; i < nBands; ++i)
    {
        const int nFrom = static_cast<int>(static_cast<long long>(nExtent) * i / nBands);
        const int nTo = static_cast<int>(static_cast<long long>(nExtent) * (i + 1) / nBands);
        if (nTo <= nFrom)
            continue;
        RECT rcBand = rc;
        if (bVertical)
        {
            rcBand.top = rc.top + nFrom;
            rcBand.bottom = rc.top + nTo;
        }
        else
        {
            rcBand.left = rc.left + nFrom;
            rcBand.right = rc.left + nTo;
        }
        CGdiObject<HBRUSH> hBrush(::CreateSolidBrush(BandColor(dwFirst, dwSecond, i, nBands)));
        if (!hBrush.IsNull())
            ::FillRect(hDC, &rcBand, hBrush);
    }
}

// The "&#x" rule of the GDI text path: of the up to four characters after it (a trailing blank
// and ";" dropped), the leading hexadecimal digits give the code unit; 0 when there are none.
wchar_t ReadHexCharReference(const wchar_t* pstrText)
{
    const wchar_t* p = wcsstr(pstrText, L"&#x");
    if (p == NULL)
        return 0;
    p += 3;
    int n = 0;
    while (n < 4 && p[n] != L'\0')
        ++n;
    while (n > 0 && (p[n - 1] == L' ' || p[n - 1] == L';'))
        --n;
    unsigned int code = 0;
    for (int i = 0; i < n && iswxdigit(p[i]); ++i)
        code = code * 16 + static_cast<unsigned int>(p[i] <= L'9' ? p[i] - L'0' : (p[i] | 0x20) - L'a' + 10);
    return static_cast<wchar_t>(code);
}

HFONT FontOf(CPaintManagerUI* pManager, int iFont)
{
    HFONT hFont = pManager->GetFont(iFont);
    if (hFont == NULL)
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    return hFont;
}

} // namespace

tagTImageInfo* CRenderEngine::LoadImage(STRINGorID bitmap, const wchar_t* type, DWORD mask, int width,
                                        int height, DWORD fillcolor, CPaintManagerUI* pManager,
                                        HINSTANCE instance)
{
    return CImageLoader::LoadImage(bitmap, type, mask, width, height, fillcolor, pManager, instance);
}

tagTImageInfo* CRenderEngine::LoadImage(const wchar_t* pStrImage, const wchar_t* type, DWORD mask, int width,
                                        int height, DWORD fillcolor, CPaintManagerUI* pManager,
                                        HINSTANCE instance)
{
    return CImageLoader::LoadImage(pStrImage, type, mask, width, height, fillcolor, pManager, instance);
}

tagTImageInfo* CRenderEngine::LoadImage(UINT nID, const wchar_t* type, DWORD mask, int width, int height,
                                        DWORD fillcolor, CPaintManagerUI* pManager, HINSTANCE instance)
{
    return CImageLoader::LoadImage(nID, type, mask, width, height, fillcolor, pManager, instance);
}

tagTImageInfo* CRenderEngine::LoadImageFromMemory(const BYTE* pData, DWORD dwSize, DWORD mask, int width,
                                                  int height, DWORD fillcolor, CPaintManagerUI* pManager)
{
    return CImageLoader::LoadImageFromMemory(pData, dwSize, mask, width, height, fillcolor, pManager);
}

DWORD CRenderEngine::LoadImage2Memory(STRINGorID bitmap, const wchar_t* type, CByteBuffer& out,
                                      HINSTANCE instance)
{
    return CImageLoader::LoadImage2Memory(bitmap, type, out, instance);
}

int CRenderEngine::LoadGifImageFromMemory(const BYTE* pData, DWORD dwSize, CStdPtrArray& frames)
{
    return CImageLoader::LoadGifImageFromMemory(pData, dwSize, frames);
}

void CRenderEngine::FreeImage(tagTImageInfo* bitmap, bool bDelete)
{
    CImageLoader::FreeImage(bitmap, bDelete);
}

DWORD CRenderEngine::AdjustColor(DWORD dwColor, short H, short S, short L)
{
    if (H == 180 && S == 100 && L == 100)
        return dwColor;
    const double r = ((dwColor >> 16) & 0xFF) / 255.0;
    const double g = ((dwColor >> 8) & 0xFF) / 255.0;
    const double b = (dwColor & 0xFF) / 255.0;
    const double dMax = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const double dMin = r < g ? (r < b ? r : b) : (g < b ? g : b);
    double h = 0.0;
    double s = 0.0;
    double l = (dMax + dMin) / 2.0;
    const double d = dMax - dMin;
    if (d > 0.0)
    {
        s = l > 0.5 ? d / (2.0 - dMax - dMin) : d / (dMax + dMin);
        if (dMax == r)
            h = (g - b) / d + (g < b ? 6.0 : 0.0);
        else if (dMax == g)
            h = (b - r) / d + 2.0;
        else
            h = (r - g) / d + 4.0;
        h *= 60.0;
    }
    h += H - 180;
    while (h <= 0.0)
        h += 360.0;
    while (h > 360.0)
        h -= 360.0;
    s *= S / 100.0;
    l *= L / 100.0;
    if (s > 1.0)
        s = 1.0;
    if (s < 0.0)
        s = 0.0;
    if (l > 1.0)
        l = 1.0;
    if (l < 0.0)
        l = 0.0;

    double rgb[3];
    if (s == 0.0)
    {
        rgb[0] = rgb[1] = rgb[2] = l;
    }
    else
    {
        const double q = l < 0.5 ? l * (1.0 + s) : l + s - l * s;
        const double p = 2.0 * l - q;
        const double hk = h / 360.0;
        const double offsets[3] = {1.0 / 3.0, 0.0, -1.0 / 3.0};
        for (int k = 0; k < 3; ++k)
        {
            double t = hk + offsets[k];
            if (t < 0.0)
                t += 1.0;
            if (t > 1.0)
                t -= 1.0;
            if (t < 1.0 / 6.0)
                rgb[k] = p + (q - p) * 6.0 * t;
            else if (t < 0.5)
                rgb[k] = q;
            else if (t < 2.0 / 3.0)
                rgb[k] = p + (q - p) * (2.0 / 3.0 - t) * 6.0;
            else
                rgb[k] = p;
        }
    }
    DWORD dwResult = dwColor & 0xFF000000;
    const int shifts[3] = {16, 8, 0};
    for (int k = 0; k < 3; ++k)
    {
        int v = static_cast<int>(floor(rgb[k] * 255.0 + 0.5));
        if (v < 0)
            v = 0;
        if (v > 255)
            v = 255;
        dwResult |= static_cast<DWORD>(v) << shifts[k];
    }
    return dwResult;
}

HBITMAP CRenderEngine::CreateARGB32Bitmap(HDC hDC, int cx, int cy, BYTE** pBits)
{
    if (pBits != NULL)
        *pBits = NULL;
    if (cx <= 0 || cy <= 0 || cx > 32767 || cy > 32767)
        return NULL;
    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(cx) * cy * 4;
    void* pvBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pvBits, NULL, 0);
    if (pBits != NULL)
        *pBits = hBitmap != NULL ? static_cast<BYTE*>(pvBits) : NULL;
    return hBitmap;
}

void CRenderEngine::DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint,
                              const RECT& rcBmpPart, const RECT& rcCorners, bool bAlpha, BYTE uFade,
                              bool bHole, bool bTiledX, bool bTiledY)
{
    // A bare bitmap has no record that knows its size.
    BITMAP bm;
    if (hBitmap == NULL || ::GetObjectW(hBitmap, sizeof(bm), &bm) != sizeof(bm))
        return;
    const SIZE szBitmap = {bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight};
    DrawImageParts(hDC, hBitmap, szBitmap, NULL, rc, rcPaint, rcBmpPart, rcCorners, bAlpha, uFade, bHole,
                   bTiledX, bTiledY);
}

void CRenderEngine::DrawImageParts(HDC hDC, HBITMAP hBitmap, SIZE szBitmap, CScaledBitmapCache* pScaled,
                                   const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                                   const RECT& rcCorners, bool bAlpha, BYTE uFade, bool bHole, bool bTiledX,
                                   bool bTiledY)
{
    if (hDC == NULL || hBitmap == NULL)
        return;
    // Descriptions come from skin text: hostile numbers are bounded before any part is formed.
    RECT rcSource;
    RECT rcCorner;
    if (!SanitizeImageParts(szBitmap, rc, rcBmpPart, rcCorners, rcSource, rcCorner))
        return;
    CMemoryDC dcImage(hDC);
    if (dcImage.Get() == NULL)
        return;
    const bool bBlend = bAlpha || uFade < 255;
    // The software blend reads the bitmap's pixels itself; it must not be selected then.
    if (!bBlend || CMsimg32::AlphaBlend() != NULL)
        dcImage.Select(hBitmap);
    ::SetStretchBltMode(hDC, HALFTONE);
    ::SetBrushOrgEx(hDC, 0, 0, NULL);

    const RECT& s = rcSource;
    const RECT& c = rcCorner;
    const bool bNoCorners = c.left == 0 && c.top == 0 && c.right == 0 && c.bottom == 0;

    if (!bBlend && bNoCorners && Width(rc) == Width(s) && Height(rc) == Height(s))
    {
        // Unscaled opaque image: only the invalid area is copied.
        RECT rcTemp;
        if (::IntersectRect(&rcTemp, &rc, &rcPaint))
        {
            ::BitBlt(hDC, rcTemp.left, rcTemp.top, Width(rcTemp), Height(rcTemp), dcImage,
                     s.left + (rcTemp.left - rc.left), s.top + (rcTemp.top - rc.top), SRCCOPY);
        }
        return;
    }

    CImagePartPainter painter(hDC, dcImage, hBitmap, rcPaint, bBlend, bAlpha, uFade, pScaled);
    if (!bHole)
    {
        RECT rcDest = {rc.left + c.left, rc.top + c.top, rc.right - c.right, rc.bottom - c.bottom};
        RECT rcSrc = {s.left + c.left, s.top + c.top, s.right - c.right, s.bottom - c.bottom};
        painter.DrawMiddle(rcDest, rcSrc, bTiledX, bTiledY);
    }
    if (c.left > 0 && c.top > 0)
    {
        painter.Draw({rc.left, rc.top, rc.left + c.left, rc.top + c.top},
                     {s.left, s.top, s.left + c.left, s.top + c.top});
    }
    if (c.top > 0)
    {
        painter.Draw({rc.left + c.left, rc.top, rc.right - c.right, rc.top + c.top},
                     {s.left + c.left, s.top, s.right - c.right, s.top + c.top});
    }
    if (c.right > 0 && c.top > 0)
    {
        painter.Draw({rc.right - c.right, rc.top, rc.right, rc.top + c.top},
                     {s.right - c.right, s.top, s.right, s.top + c.top});
    }
    if (c.left > 0)
    {
        painter.Draw({rc.left, rc.top + c.top, rc.left + c.left, rc.bottom - c.bottom},
                     {s.left, s.top + c.top, s.left + c.left, s.bottom - c.bottom});
    }
    if (c.right > 0)
    {
        painter.Draw({rc.right - c.right, rc.top + c.top, rc.right, rc.bottom - c.bottom},
                     {s.right - c.right, s.top + c.top, s.right, s.bottom - c.bottom});
    }
    if (c.left > 0 && c.bottom > 0)
    {
        painter.Draw({rc.left, rc.bottom - c.bottom, rc.left + c.left, rc.bottom},
                     {s.left, s.bottom - c.bottom, s.left + c.left, s.bottom});
    }
    if (c.bottom > 0)
    {
        painter.Draw({rc.left + c.left, rc.bottom - c.bottom, rc.right - c.right, rc.bottom},
                     {s.left + c.left, s.bottom - c.bottom, s.right - c.right, s.bottom});
    }
    if (c.right > 0 && c.bottom > 0)
    {
        painter.Draw({rc.right - c.right, rc.bottom - c.bottom, rc.right, rc.bottom},
                     {s.right - c.right, s.bottom - c.bottom, s.right, s.bottom});
    }
}

bool CRenderEngine::DrawImageInfo(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                                  const tagTDrawInfo* pDrawInfo, HINSTANCE instance)
{
    if (hDC == NULL || pManager == NULL || pDrawInfo == NULL)
        return false;
    // Descriptions come from skin text: every sum saturates instead of wrapping around.
    typedef CSaturatedInt Sat;
    const RECT& rcDest = pDrawInfo->m_rcDest;
    RECT rc = rcItem;
    if (rcDest.left != 0 || rcDest.top != 0 || rcDest.right != 0 || rcDest.bottom != 0)
    {
        rc.left = Sat::Add(rcItem.left, rcDest.left);
        rc.top = Sat::Add(rcItem.top, rcDest.top);
        rc.right = Sat::Add(rcItem.left, rcDest.right);
        if (rc.right > rcItem.right)
            rc.right = rcItem.right;
        rc.bottom = Sat::Add(rcItem.top, rcDest.bottom);
        if (rc.bottom > rcItem.bottom)
            rc.bottom = rcItem.bottom;
    }
    const long long dw = static_cast<long long>(rcDest.right) - rcDest.left;
    const long long dh = static_cast<long long>(rcDest.bottom) - rcDest.top;
    const UINT uAlign = pDrawInfo->m_uAlign;
    if (uAlign & tagTDrawInfo::ALIGN_RIGHT)
    {
        rc.right = rcItem.right;
        rc.left = Sat::Sub(rcItem.right, dw);
    }
    else if (uAlign & tagTDrawInfo::ALIGN_CENTER)
    {
        rc.left = Sat::Add(rcItem.left, (static_cast<long long>(rcItem.right) - rcItem.left - dw) / 2);
        rc.right = Sat::Add(rc.left, dw);
    }
    if (uAlign & tagTDrawInfo::ALIGN_BOTTOM)
    {
        rc.bottom = rcItem.bottom;
        rc.top = Sat::Sub(rcItem.bottom, dh);
    }
    else if (uAlign & tagTDrawInfo::ALIGN_VCENTER)
    {
        rc.top = Sat::Add(rcItem.top, (static_cast<long long>(rcItem.bottom) - rcItem.top - dh) / 2);
        rc.bottom = Sat::Add(rc.top, dh);
    }
    const RECT& rcPad = pDrawInfo->m_rcPadding;
    const long long dx = static_cast<long long>(rcPad.left) - rcPad.right;
    const long long dy = static_cast<long long>(rcPad.top) - rcPad.bottom;
    rc.left = Sat::Add(rc.left, dx);
    rc.right = Sat::Add(rc.right, dx);
    rc.top = Sat::Add(rc.top, dy);
    rc.bottom = Sat::Add(rc.bottom, dy);
    if (rc.right > rcItem.right)
        rc.right = rcItem.right;
    if (rc.bottom > rcItem.bottom)
        rc.bottom = rcItem.bottom;

    if (pDrawInfo->m_sImageName.IsEmpty())
        return false;
    const tagTImageInfo* pImage = pManager->GetImageEx(
        pDrawInfo->m_sImageName, pDrawInfo->m_sResType.IsEmpty() ? NULL : pDrawInfo->m_sResType.GetData(),
        pDrawInfo->m_dwMask, pDrawInfo->m_nWidth, pDrawInfo->m_nHeight, pDrawInfo->m_dwFillColor, false,
        instance);
    if (pImage == NULL)
        return false;

    RECT rcSource = pDrawInfo->m_rcSource;
    if (rcSource.left == 0 && rcSource.top == 0 && rcSource.right == 0 && rcSource.bottom == 0)
    {
        rcSource.right = pImage->nX;
        rcSource.bottom = pImage->nY;
    }

    RECT rcTemp;
    if (!::IntersectRect(&rcTemp, &rc, &rcItem))
        return true;
    if (!::IntersectRect(&rcTemp, &rc, &rcPaint))
        return true;
    const bool bAlpha = pManager->IsLayered() ? true : pImage->bAlpha;
    // The record knows the bitmap's size; DrawImageParts limits the source part to it.
    const SIZE szBitmap = {pImage->nX, pImage->nY};
    DrawImageParts(hDC, pImage->hBitmap, szBitmap, &pImage->scaled, rc, rcPaint, rcSource,
                   pDrawInfo->m_rcCorner, bAlpha, pDrawInfo->m_uFade, pDrawInfo->m_bHole,
                   pDrawInfo->m_bTiledX, pDrawInfo->m_bTiledY);
    return true;
}

bool CRenderEngine::DrawImageString(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem,
                                    const RECT& rcPaint, const wchar_t* pStrImage, const wchar_t* pStrModify,
                                    HINSTANCE instance)
{
    if (hDC == NULL || pManager == NULL)
        return false;
    return DrawImageInfo(hDC, pManager, rcItem, rcPaint, pManager->GetDrawInfo(pStrImage, pStrModify),
                         instance);
}

void CRenderEngine::DrawColor(HDC hDC, const RECT& rc, DWORD color)
{
    if (hDC == NULL || color <= 0x00FFFFFF || !HasArea(rc))
        return;
    Gdiplus::Graphics graphics(hDC);
    Gdiplus::SolidBrush brush(Gdiplus::Color(static_cast<Gdiplus::ARGB>(color)));
    graphics.FillRectangle(&brush, static_cast<INT>(rc.left), static_cast<INT>(rc.top), Width(rc),
                           Height(rc));
}

void CRenderEngine::DrawGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical,
                                 int nSteps)
{
    if (hDC == NULL || !HasArea(rc))
        return;
    const DWORD dwAlpha = ((dwFirst >> 24) + (dwSecond >> 24)) >> 1;
    if (dwAlpha == 0)
        return;
    if (dwAlpha >= 255)
    {
        FillGradient(hDC, rc, dwFirst, dwSecond, bVertical, nSteps);
        return;
    }
    // Translucent: the visible part is drawn off-screen and blended with the mean alpha.
    RECT rcClip = {0, 0, 0, 0};
    ::GetClipBox(hDC, &rcClip);
    RECT rcWork;
    if (!::IntersectRect(&rcWork, &rc, &rcClip))
        return;
    BYTE* pBits = NULL;
    CGdiObject<HBITMAP> hBitmap(CreateARGB32Bitmap(hDC, Width(rcWork), Height(rcWork), &pBits));
    if (hBitmap.IsNull())
        return;
    {
        CMemoryDC dcWork(hDC);
        if (dcWork.Get() == NULL)
            return;
        dcWork.Select(hBitmap);
        RECT rcShifted = rc;
        ::OffsetRect(&rcShifted, -rcWork.left, -rcWork.top);
        FillGradient(dcWork, rcShifted, dwFirst, dwSecond, bVertical, nSteps);
        CMsimg32::PFN_ALPHABLEND pfnAlphaBlend = CMsimg32::AlphaBlend();
        if (pfnAlphaBlend != NULL)
        {
            BLENDFUNCTION bf = {AC_SRC_OVER, 0, static_cast<BYTE>(dwAlpha), 0};
            pfnAlphaBlend(hDC, rcWork.left, rcWork.top, Width(rcWork), Height(rcWork), dcWork, 0, 0,
                          Width(rcWork), Height(rcWork), bf);
            return;
        }
    }
    RECT rcSrc = {0, 0, Width(rcWork), Height(rcWork)};
    CSoftwareBlend::Blend(hDC, rcWork, hBitmap, rcSrc, static_cast<BYTE>(dwAlpha), false);
}

void CRenderEngine::DrawLine(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int nStyle)
{
    if (hDC == NULL)
        return;
    CGdiObject<HPEN> hPen(::CreatePen(nStyle, nSize, ToColorRef(dwPenColor)));
    if (hPen.IsNull())
        return;
    CGdiSelection selPen(hDC, hPen);
    POINT ptOld;
    ::MoveToEx(hDC, rc.left, rc.top, &ptOld);
    ::LineTo(hDC, rc.right, rc.bottom);
    ::MoveToEx(hDC, ptOld.x, ptOld.y, NULL);
}

void CRenderEngine::DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int /*nStyle*/)
{
    if (hDC == NULL || nSize <= 0)
        return;
    Gdiplus::Graphics graphics(hDC);
    Gdiplus::Pen pen(Gdiplus::Color(static_cast<Gdiplus::ARGB>(dwPenColor)),
                     static_cast<Gdiplus::REAL>(nSize));
    pen.SetAlignment(Gdiplus::PenAlignmentInset);
    graphics.DrawRectangle(&pen, static_cast<INT>(rc.left), static_cast<INT>(rc.top), Width(rc) - 1,
                           Height(rc) - 1);
}

void CRenderEngine::DrawRoundRect(HDC hDC, const RECT& rc, int nSize, int width, int height, DWORD dwPenColor,
                                  int nStyle)
{
    if (hDC == NULL)
        return;
    CGdiObject<HPEN> hPen(::CreatePen(nStyle, nSize, ToColorRef(dwPenColor)));
    if (hPen.IsNull())
        return;
    CGdiSelection selPen(hDC, hPen);
    CGdiSelection selBrush(hDC, ::GetStockObject(NULL_BRUSH));
    ::RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, width, height);
}

void CRenderEngine::DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText,
                             DWORD dwTextColor, int iFont, UINT uStyle)
{
    if (hDC == NULL || pManager == NULL || pstrText == NULL || *pstrText == L'\0')
        return;
    if (pManager->IsLayered() || pManager->IsUseGdiplusText())
    {
        Gdiplus::Graphics graphics(hDC);
        Gdiplus::Font font(hDC, FontOf(pManager, iFont));
        int trh = pManager->GetGdiplusTextRenderingHint();
        if (trh < 0 || trh > 5)
            trh = 0;
        graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(trh));
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);

        Gdiplus::RectF rectF(static_cast<Gdiplus::REAL>(rc.left), static_cast<Gdiplus::REAL>(rc.top),
                             static_cast<Gdiplus::REAL>(Width(rc)), static_cast<Gdiplus::REAL>(Height(rc)));
        Gdiplus::SolidBrush brush(
            Gdiplus::Color(0xFE, (dwTextColor >> 16) & 0xFF, (dwTextColor >> 8) & 0xFF, dwTextColor & 0xFF));
        Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
        if (uStyle & DT_END_ELLIPSIS)
            format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
        INT flags = format.GetFormatFlags();
        if (uStyle & DT_NOCLIP)
            flags |= Gdiplus::StringFormatFlagsNoClip;
        if (uStyle & DT_SINGLELINE)
            flags |= Gdiplus::StringFormatFlagsNoWrap;
        format.SetFormatFlags(flags);
        if (uStyle & DT_CENTER)
            format.SetAlignment(Gdiplus::StringAlignmentCenter);
        else if (uStyle & DT_RIGHT)
            format.SetAlignment(Gdiplus::StringAlignmentFar);
        else
            format.SetAlignment(Gdiplus::StringAlignmentNear);
        if (uStyle & DT_VCENTER)
            format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        else if (uStyle & DT_BOTTOM)
            format.SetLineAlignment(Gdiplus::StringAlignmentFar);
        else
            format.SetLineAlignment(Gdiplus::StringAlignmentNear);

        if (uStyle & DT_CALCRECT)
        {
            Gdiplus::RectF bounds;
            graphics.MeasureString(pstrText, -1, &font, rectF, &format, &bounds);
            rc.right = rc.left + static_cast<LONG>(bounds.Width + 1);
            rc.bottom = rc.top + static_cast<LONG>(bounds.Height + 1);
        }
        else
        {
            graphics.DrawString(pstrText, -1, &font, rectF, &format, &brush);
        }
        return;
    }

    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ToColorRef(dwTextColor));
    CGdiSelection selFont(hDC, FontOf(pManager, iFont));
    if (wcsstr(pstrText, L"&#x") != NULL)
    {
        // An icon-font glyph given by its code: only that one character is drawn.
        wchar_t szGlyph[2] = {ReadHexCharReference(pstrText), L'\0'};
        if (szGlyph[0] != L'\0')
            ::DrawTextW(hDC, szGlyph, 1, &rc, uStyle);
        return;
    }
    ::DrawTextW(hDC, pstrText, -1, &rc, uStyle);
}

void CRenderEngine::DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText,
                             DWORD dwTextColor, int iFont, UINT uStyle, DWORD dwTextBKColor)
{
    if (hDC == NULL || pManager == NULL || pstrText == NULL || *pstrText == L'\0')
        return;
    DrawColor(hDC, rc, dwTextBKColor);
    DrawText(hDC, pManager, rc, pstrText, dwTextColor, iFont, uStyle);
}

void CRenderEngine::DrawHtmlText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText,
                                 DWORD dwTextColor, RECT* pLinks, CUIString* sLinks, int& nLinkRects,
                                 int iFont, UINT uStyle)
{
    CHtmlTextRenderer renderer(hDC, pManager, pLinks, sLinks, nLinkRects);
    renderer.Draw(rc, pstrText, dwTextColor, iFont, uStyle);
}

SIZE CRenderEngine::GetTextSize(HDC hDC, CPaintManagerUI* pManager, const wchar_t* pstrText, int iFont)
{
    SIZE size = {0, 0};
    if (hDC == NULL || pManager == NULL || pstrText == NULL || *pstrText == L'\0')
        return size;
    CGdiSelection selFont(hDC, FontOf(pManager, iFont));
    ::GetTextExtentPoint32W(hDC, pstrText, static_cast<int>(wcslen(pstrText)), &size);
    return size;
}

} // namespace SkinUI
