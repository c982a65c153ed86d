// CTestDib: a 32-bit memory DIB section (CRenderEngine::CreateARGB32Bitmap) selected into its own memory DC,
// for render tests and the benchmark to draw into and read pixels back from.
//
// Not done: no scaling or format conversion; Pixel() returns 0x00RRGGBB (alpha masked off,
// since GDI leaves the top byte undefined).
#pragma once

#include <windows.h>

#include "engine/render/CRenderEngine.h"
#include "engine/resources/CGdiObject.h"
#include "engine/resources/CMemoryDC.h"

namespace SkinUI
{

class CTestDib
{
public:
    CTestDib(int cx, int cy) : m_cx(cx), m_cy(cy), m_pBits(nullptr)
    {
        BYTE* pBits = nullptr;
        m_hBitmap.Reset(CRenderEngine::CreateARGB32Bitmap(nullptr, cx, cy, &pBits));
        m_pBits = reinterpret_cast<DWORD*>(pBits);
        m_dc.Select(m_hBitmap);
        Fill(0x000000);
    }

    HDC DC() const { return m_dc.Get(); }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    RECT Bounds() const { return RECT{0, 0, m_cx, m_cy}; }

    // rgb is 0x00RRGGBB; alpha set to 0xFF.
    void Fill(DWORD rgb)
    {
        ::GdiFlush();
        for (int i = 0; i < m_cx * m_cy; ++i)
            m_pBits[i] = 0xFF000000 | rgb;
    }
    DWORD Pixel(int x, int y) const
    {
        ::GdiFlush();
        return m_pBits[(m_cy - 1 - y) * m_cx + x] & 0x00FFFFFF; // bottom-up rows
    }
    // Number of pixels in the rectangle that differ from rgb.
    int CountNot(const RECT& rc, DWORD rgb) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (Pixel(x, y) != rgb)
                    ++n;
        return n;
    }
    int Count(const RECT& rc, DWORD rgb) const
    {
        return (rc.right - rc.left) * (rc.bottom - rc.top) - CountNot(rc, rgb);
    }
    // Pixel-exact comparison of the same area of two surfaces.
    bool SameAs(const CTestDib& other) const
    {
        for (int y = 0; y < m_cy && y < other.m_cy; ++y)
            for (int x = 0; x < m_cx && x < other.m_cx; ++x)
                if (Pixel(x, y) != other.Pixel(x, y))
                    return false;
        return true;
    }
    // Leftmost and rightmost columns holding a pixel other than the background (-1 when none).
    void InkColumns(DWORD background, int& left, int& right) const
    {
        left = right = -1;
        for (int x = 0; x < m_cx; ++x)
            for (int y = 0; y < m_cy; ++y)
                if (Pixel(x, y) != background)
                {
                    if (left < 0)
                        left = x;
                    right = x;
                    break;
                }
    }

private:
    int m_cx;
    int m_cy;
    DWORD* m_pBits;
    CGdiObject<HBITMAP> m_hBitmap;
    CMemoryDC m_dc;
};

} // namespace SkinUI
