// CRenderEngine: the static drawing routines every control paints with: colour fills and
// gradients, lines and rectangles, images described by a draw description (9-slice corners,
// tiling, hole, fade, alignment), plain text through GDI or GDI+, and text with the inline
// HTML-like markup (fonts, colours, links, inline images, paragraphs).
//
// Contract: colours are 0xAARRGGBB. GDI routines (text, lines, rounded rectangles, stepped
// gradients) use only the RGB part; GDI+ routines (DrawColor, DrawRect, GDI+ text) honour the
// alpha. Every routine tolerates null inputs by doing nothing (or returning false / a zero
// size). Every part of a 9-slice image and every tile is drawn only where it meets the paint
// rectangle. AlphaBlend and GradientFill come from msimg32 in the system folder; without them
// a software blend and stepped gradient bands are used. GDI+ must have been started
// (CGdiplusSession) before the GDI+ routines are used. UI thread only.
//
// Stretched image parts drawn through a description are kept with the image record (copied,
// not stretched again, when drawn at the same size); DrawImage with a bare bitmap never caches.
//
// Not done: no image decoding or caching of its own (the loaders forward to CImageLoader, the
// paint manager's tables cache); the "hsl" key of a description has no effect; icon images and
// image HSL adjustment are not provided.
#pragma once

#include <windows.h>

#include "engine/core/CUIString.h"
#include "engine/core/STRINGorID.h"

namespace SkinUI
{

class CByteBuffer;
class CControlUI;
class CPaintManagerUI;
class CScaledBitmapCache;
class CStdPtrArray;
struct tagTDrawInfo;
struct tagTImageInfo;

class CRenderEngine
{
public:
    // Image loading, as the skin resources do it (CImageLoader); the records are the caller's
    // and go back through FreeImage.
    static tagTImageInfo* LoadImage(STRINGorID bitmap, const wchar_t* type = NULL, DWORD mask = 0,
                                    int width = 0, int height = 0, DWORD fillcolor = 0,
                                    CPaintManagerUI* pManager = NULL, HINSTANCE instance = NULL);
    static tagTImageInfo* LoadImage(const wchar_t* pStrImage, const wchar_t* type = NULL, DWORD mask = 0,
                                    int width = 0, int height = 0, DWORD fillcolor = 0,
                                    CPaintManagerUI* pManager = NULL, HINSTANCE instance = NULL);
    static tagTImageInfo* LoadImage(UINT nID, const wchar_t* type = NULL, DWORD mask = 0, int width = 0,
                                    int height = 0, DWORD fillcolor = 0, CPaintManagerUI* pManager = NULL,
                                    HINSTANCE instance = NULL);
    static tagTImageInfo* LoadImageFromMemory(const BYTE* pData, DWORD dwSize, DWORD mask, int width,
                                              int height, DWORD fillcolor, CPaintManagerUI* pManager);
    static DWORD LoadImage2Memory(STRINGorID bitmap, const wchar_t* type, CByteBuffer& out,
                                  HINSTANCE instance = NULL);
    static int LoadGifImageFromMemory(const BYTE* pData, DWORD dwSize, CStdPtrArray& frames);
    static void FreeImage(tagTImageInfo* bitmap, bool bDelete = true);

    static DWORD AdjustColor(DWORD dwColor, short H, short S, short L);
    // A 32-bit bottom-up DIB section; the caller owns the bitmap. Null for sizes below 1 or
    // above 32767, or when the section cannot be made.
    static HBITMAP CreateARGB32Bitmap(HDC hDC, int cx, int cy, BYTE** pBits);
    // The control (and its children) painted off-screen into a new 32-bit section of rc's
    // size (rc in client coordinates); a background with non-zero alpha is filled over the
    // copy. The caller owns the bitmap; null for a null control or an empty rectangle.
    static HBITMAP GenerateBitmap(CPaintManagerUI* pManager, CControlUI* pControl, RECT rc,
                                  DWORD dwFilterColor = 0);

    // 9-slice drawing of rcBmpPart of the bitmap into rc. The part is limited to the bitmap and
    // each corner to the sizes of rc and of the part (negative ones count as 0); nothing is
    // drawn into a rectangle whose size does not fit an int.
    static void DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint,
                          const RECT& rcBmpPart, const RECT& rcCorners, bool bAlpha, BYTE uFade = 255,
                          bool bHole = false, bool bTiledX = false, bool bTiledY = false);
    static bool DrawImageInfo(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                              const tagTDrawInfo* pDrawInfo, HINSTANCE instance = NULL);
    static bool DrawImageString(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                                const wchar_t* pStrImage, const wchar_t* pStrModify = NULL,
                                HINSTANCE instance = NULL);

    static void DrawColor(HDC hDC, const RECT& rc, DWORD color);
    static void DrawGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical,
                             int nSteps);

    static void DrawLine(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int nStyle = PS_SOLID);
    static void DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int nStyle = PS_SOLID);
    static void DrawRoundRect(HDC hDC, const RECT& rc, int nSize, int width, int height, DWORD dwPenColor,
                              int nStyle = PS_SOLID);

    // uStyle takes the DT_* flags; with DT_CALCRECT rc receives the measured rectangle.
    static void DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText,
                         DWORD dwTextColor, int iFont, UINT uStyle);
    static void DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText,
                         DWORD dwTextColor, int iFont, UINT uStyle, DWORD dwTextBKColor);
    // nLinkRects: capacity of pLinks/sLinks on entry, links found on return. On entry the arrays
    // may hold the previous call's links; the one under the mouse is drawn in the hover colour.
    static void DrawHtmlText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, const wchar_t* pstrText,
                             DWORD dwTextColor, RECT* pLinks, CUIString* sLinks, int& nLinkRects, int iFont,
                             UINT uStyle);
    static SIZE GetTextSize(HDC hDC, CPaintManagerUI* pManager, const wchar_t* pstrText, int iFont);

private:
    // DrawImage with the bitmap's size given (the image record's) and an optional cache of
    // stretched parts (the record's own).
    static void DrawImageParts(HDC hDC, HBITMAP hBitmap, SIZE szBitmap, CScaledBitmapCache* pScaled,
                               const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                               const RECT& rcCorners, bool bAlpha, BYTE uFade, bool bHole, bool bTiledX,
                               bool bTiledY);
};

} // namespace SkinUI
