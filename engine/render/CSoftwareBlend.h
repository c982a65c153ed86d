// CSoftwareBlend: the stand-in for msimg32's AlphaBlend where that entry point is missing.
// Stretches a part of a 32-bit bitmap (nearest pixel) over a destination rectangle and blends
// it source-over into the device context: with per-pixel alpha the source is taken as
// premultiplied, exactly as AlphaBlend with AC_SRC_ALPHA; a constant opacity (fade) applies
// on top.
//
// The source bitmap must not be selected into a device context (its pixels are read with
// GetDIBits). Only the part of the destination inside the DC's clip box is read and written, so the work
// is bounded by the target's size whatever the rectangles say. Not done: no halftone
// filtering, no mirrored (negative) rectangles, no bitmaps of other depths than 32 bits.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CSoftwareBlend
{
public:
    // False when nothing could be drawn (empty or invalid rectangles, not a 32-bit bitmap).
    static bool Blend(HDC hdcDest, const RECT& rcDest, HBITMAP hbmSrc, const RECT& rcSrc, BYTE uFade,
                      bool bPerPixelAlpha);
};

} // namespace SkinUI
