// tagTImageInfo: one decoded image: a 32-bit top-down DIB section with premultiplied pixels.
//
// Contract: the record owns hBitmap (the pixels of images decoded here belong to the DIB
// section, so pBits is null for them) and pSrcBits (a malloc'd copy kept only for images
// that take part in the hue/saturation/lightness adjustment). bAlpha is true when some pixel
// is not fully opaque or was made transparent by the mask colour. delay is 0 for still
// images and the frame's delay in milliseconds for animation frames. scaled holds copies of
// parts of hBitmap stretched by the render engine; whoever replaces hBitmap clears it.
//
// Not done: decoding and freeing are CImageLoader's work (FreeImage).
#pragma once

#include <windows.h>
#include "engine/core/CUIString.h"
#include "engine/resources/CGdiObject.h"
#include "engine/resources/CScaledBitmapCache.h"

namespace SkinUI
{

struct tagTImageInfo
{
    tagTImageInfo()
        : pBits(nullptr), pSrcBits(nullptr), nX(0), nY(0), bAlpha(false), bUseHSL(false), dwMask(0), delay(0)
    {
    }
    ~tagTImageInfo();
    tagTImageInfo(const tagTImageInfo&) = delete;
    tagTImageInfo& operator=(const tagTImageInfo&) = delete;

    CGdiObject<HBITMAP> hBitmap;
    LPBYTE pBits;    // caller-owned pixels (never freed here); null for decoded images
    LPBYTE pSrcBits; // saved pixel copy for HSL adjustment (malloc'd, owned)
    int nX;
    int nY;
    bool bAlpha;
    bool bUseHSL;
    CUIString sResType;
    DWORD dwMask;
    DWORD delay;
    // Scaled copies of parts of hBitmap made while drawing; they go with the record.
    mutable CScaledBitmapCache scaled;
};

} // namespace SkinUI
