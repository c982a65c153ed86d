#include "engine/render/CSoftwareBlend.h"

#include <vector>

#include "engine/resources/CGdiObject.h"
#include "engine/core/CGdiSelection.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CMemoryDC.h"

namespace SkinUI
{

namespace
{

// Top-down copy of a 32-bit bitmap's pixels.
struct tagTPixelView
{
    const DWORD* pBits = nullptr;
    int nWidth = 0;
    int nHeight = 0;
    std::vector<DWORD> copy;

    const DWORD* Row(int y) const { return pBits + static_cast<size_t>(y) * nWidth; }
};

bool ReadPixels(HBITMAP hbm, tagTPixelView& view)
{
    BITMAP bm;
    if (::GetObjectW(hbm, sizeof(bm), &bm) != sizeof(bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = -bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    view.copy.resize(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    CMemoryDC dc(NULL);
    if (dc.Get() == NULL || ::GetDIBits(dc, hbm, 0, bm.bmHeight, view.copy.data(), &bmi, DIB_RGB_COLORS) == 0)
        return false;
    view.pBits = view.copy.data();
    view.nWidth = bm.bmWidth;
    view.nHeight = bm.bmHeight;
    return true;
}

} // namespace

bool CSoftwareBlend::Blend(HDC hdcDest, const RECT& rcDest, HBITMAP hbmSrc, const RECT& rcSrc, BYTE uFade,
                           bool bPerPixelAlpha)
{
    if (hdcDest == NULL || hbmSrc == NULL)
        return false;
    const int cxDest = rcDest.right - rcDest.left;
    const int cyDest = rcDest.bottom - rcDest.top;
    if (cxDest <= 0 || cyDest <= 0)
        return false;

    tagTPixelView src;
    if (!ReadPixels(hbmSrc, src))
        return false;
    RECT rcPart = rcSrc;
    if (rcPart.left < 0)
        rcPart.left = 0;
    if (rcPart.top < 0)
        rcPart.top = 0;
    if (rcPart.right > src.nWidth)
        rcPart.right = src.nWidth;
    if (rcPart.bottom > src.nHeight)
        rcPart.bottom = src.nHeight;
    const int cxSrc = rcPart.right - rcPart.left;
    const int cySrc = rcPart.bottom - rcPart.top;
    if (cxSrc <= 0 || cySrc <= 0)
        return false;

    // Only what can be seen is read back and blended.
    RECT rcClip = {0, 0, 0, 0};
    if (::GetClipBox(hdcDest, &rcClip) == ERROR)
        return false;
    RECT rcWork;
    if (!::IntersectRect(&rcWork, &rcDest, &rcClip))
        return true;
    const int cxWork = rcWork.right - rcWork.left;
    const int cyWork = rcWork.bottom - rcWork.top;

    BYTE* pbWork = NULL;
    CGdiObject<HBITMAP> hbmWork(CRenderEngine::CreateARGB32Bitmap(hdcDest, cxWork, cyWork, &pbWork));
    CMemoryDC dcWork(hdcDest);
    if (hbmWork.IsNull() || pbWork == NULL || dcWork.Get() == NULL)
        return false;
    CGdiSelection selWork(dcWork, hbmWork);
    ::BitBlt(dcWork, 0, 0, cxWork, cyWork, hdcDest, rcWork.left, rcWork.top, SRCCOPY);
    ::GdiFlush();

    DWORD* pDst = reinterpret_cast<DWORD*>(pbWork);
    const unsigned fade = uFade;
    for (int y = 0; y < cyWork; ++y)
    {
        const int yDest = rcWork.top + y - rcDest.top;
        const int ySrc = rcPart.top + static_cast<int>(static_cast<long long>(yDest) * cySrc / cyDest);
        const DWORD* pRow = src.Row(ySrc);
        DWORD* pOut = pDst + static_cast<size_t>(cyWork - 1 - y) * cxWork; // bottom-up rows
        for (int x = 0; x < cxWork; ++x)
        {
            const int xDest = rcWork.left + x - rcDest.left;
            const int xSrc = rcPart.left + static_cast<int>(static_cast<long long>(xDest) * cxSrc / cxDest);
            const DWORD s = pRow[xSrc];
            const DWORD d = pOut[x];
            const unsigned sa = bPerPixelAlpha ? (s >> 24) : 255u;
            const unsigned keep = 255u * 255u - sa * fade; // share of the destination, scaled 255*255
            DWORD out = 0;
            for (int shift = 0; shift < 24; shift += 8)
            {
                const unsigned sc = (s >> shift) & 0xFF;
                const unsigned dc = (d >> shift) & 0xFF;
                // A premultiplied source colour already carries its own alpha: only fade applies.
                unsigned v = (sc * fade * 255u + dc * keep + 255u * 255u / 2) / (255u * 255u);
                if (v > 255)
                    v = 255;
                out |= static_cast<DWORD>(v) << shift;
            }
            const unsigned da = d >> 24;
            unsigned a = (sa * fade * 255u + da * keep + 255u * 255u / 2) / (255u * 255u);
            if (a > 255)
                a = 255;
            pOut[x] = out | (static_cast<DWORD>(a) << 24);
        }
    }
    ::BitBlt(hdcDest, rcWork.left, rcWork.top, cxWork, cyWork, dcWork, 0, 0, SRCCOPY);
    return true;
}

} // namespace SkinUI
