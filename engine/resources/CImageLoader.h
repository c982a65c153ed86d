// CImageLoader: decodes skin images into tagTImageInfo records: raster formats through
// stb_image, SVG through nanosvg, animated GIFs frame by frame.
//
// Contract: the pixels become a 32-bit top-down DIB section; red and blue are swapped, a pixel
// of alpha 255 is copied, any other is premultiplied (channel * alpha / 255) and marks the
// image has-alpha; a resulting 0xAARRGGBB value equal to the mask becomes 0 and marks it
// has-alpha too. SVGs are rasterised at the requested width (aspect kept, height rounded
// down, width recomputed from the rounded height), else at the manager's DPI scale, else at
// scale 1; a non-zero fill colour repaints every plainly coloured fill, fully opaque. Images
// larger than MAX_IMAGE_DIMENSION on a side or MAX_IMAGE_PIXELS in all are refused before
// their pixels are allocated (the decoders are not even started). Names go through
// CResourceManager's image index, then the skin resources (CResourceReader), then the name
// itself when it is a fully qualified path.
//
// Not done: no caching (the paint manager's image tables cache), no HSL adjustment.
#pragma once

#include <windows.h>
#include "engine/core/CStdPtrArray.h"
#include "engine/core/STRINGorID.h"
#include "engine/resources/CByteBuffer.h"
#include "engine/resources/tagTImageInfo.h"

namespace SkinUI
{

class CPaintManagerUI;

class CImageLoader
{
public:
    enum
    {
        MAX_IMAGE_DIMENSION = 8192
    };
    enum
    {
        MAX_IMAGE_PIXELS = 4096 * 4096
    };

    static tagTImageInfo* LoadImage(STRINGorID bitmap, const wchar_t* type = nullptr, DWORD mask = 0,
                                    int width = 0, int height = 0, DWORD fillcolor = 0,
                                    CPaintManagerUI* pManager = nullptr, HINSTANCE instance = nullptr);
    static tagTImageInfo* LoadImage(const wchar_t* pStrImage, const wchar_t* type = nullptr, DWORD mask = 0,
                                    int width = 0, int height = 0, DWORD fillcolor = 0,
                                    CPaintManagerUI* pManager = nullptr, HINSTANCE instance = nullptr);
    static tagTImageInfo* LoadImage(UINT nID, const wchar_t* type = nullptr, DWORD mask = 0, int width = 0,
                                    int height = 0, DWORD fillcolor = 0, CPaintManagerUI* pManager = nullptr,
                                    HINSTANCE instance = nullptr);

    static tagTImageInfo* LoadImageFromMemory(const BYTE* pData, DWORD dwSize, DWORD mask, int width,
                                              int height, DWORD fillcolor, CPaintManagerUI* pManager);

    // The undecoded bytes of an image (same search as LoadImage); returns the byte count,
    // 0 when nothing could be read.
    static DWORD LoadImage2Memory(STRINGorID bitmap, const wchar_t* type, CByteBuffer& out,
                                  HINSTANCE instance = nullptr);

    // Appends one record per frame (each with its delay) to frames; returns the number added.
    static int LoadGifImageFromMemory(const BYTE* pData, DWORD dwSize, CStdPtrArray& frames);

    // Deletes the bitmap, its scaled copies and the saved pixel copy; deletes the record when
    // bDelete.
    static void FreeImage(tagTImageInfo* bitmap, bool bDelete = true);

    // Bytes the raster decoders have asked for since the process started (decoding statistics
    // for tests and benchmarks).
    static unsigned long long GetDecoderBytesRequested();

    // RGBA rows (top first) to a record, following the pixel rules above.
    static tagTImageInfo* CreateImageFromRGBA(const BYTE* pRGBA, int width, int height, DWORD mask);
};

} // namespace SkinUI
