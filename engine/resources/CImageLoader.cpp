#include "engine/resources/CImageLoader.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include "engine/manager/CDPI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/resources/CResourceManager.h"
#include "engine/resources/CResourceReader.h"
#include "engine/resources/ImageCodecs.h"

namespace SkinUI
{

namespace
{

bool IsAcceptableSize(long long width, long long height)
{
    return width > 0 && height > 0 && width <= CImageLoader::MAX_IMAGE_DIMENSION &&
           height <= CImageLoader::MAX_IMAGE_DIMENSION && width * height <= CImageLoader::MAX_IMAGE_PIXELS;
}

// Owners of the decoders' results, so every exit frees them.
struct TStbPixels
{
    stbi_uc* p = nullptr;
    ~TStbPixels() { stbi_image_free(p); }
};
struct TSvgImage
{
    NSVGimage* p = nullptr;
    ~TSvgImage()
    {
        if (p != nullptr)
            nsvgDelete(p);
    }
};
struct TSvgRasterizer
{
    NSVGrasterizer* p = nsvgCreateRasterizer();
    ~TSvgRasterizer()
    {
        if (p != nullptr)
            nsvgDeleteRasterizer(p);
    }
};

// nanosvg colours are 0xAABBGGRR; the fill colour is 0xAARRGGBB and always drawn opaque.
unsigned int ToSvgColor(DWORD argb)
{
    unsigned int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    return r | (g << 8) | (b << 16) | 0xFF000000u;
}

tagTImageInfo* DecodeSvg(const BYTE* pData, DWORD dwSize, DWORD mask, int width, int height, DWORD fillcolor,
                         CPaintManagerUI* pManager)
{
    // nanosvg parses a zero-terminated text in place: give it a copy.
    CByteBuffer text;
    if (!text.Allocate(dwSize))
        return nullptr;
    std::memcpy(text.GetData(), pData, dwSize);
    TSvgImage svg;
    svg.p = nsvgParse(reinterpret_cast<char*>(text.GetData()), "px", 96.0f);
    if (svg.p == nullptr)
        return nullptr;
    const float kMaxSide = static_cast<float>(CImageLoader::MAX_IMAGE_DIMENSION);
    float fW = svg.p->width, fH = svg.p->height;
    if (!(fW >= 1.0f && fH >= 1.0f && fW <= kMaxSide && fH <= kMaxSide))
        return nullptr;

    float scale = 1.0f;
    int w = 0, h = 0;
    if (width > 0 && height > 0)
    {
        scale = static_cast<float>(width) / fW;
        float fScaledH = fH * scale;
        h = static_cast<int>(fScaledH);
        if (static_cast<float>(h) != fScaledH)
        {
            // Rounding cut a fraction: take the scale from the rounded height instead.
            scale = static_cast<float>(h) / fH;
            w = static_cast<int>(fW * scale);
        }
        else
        {
            w = width;
        }
    }
    else
    {
        if (pManager != nullptr)
        {
            CDPI* pDPI = pManager->GetDPIObj();
            w = pDPI->Scale(static_cast<int>(fW));
            h = pDPI->Scale(static_cast<int>(fH));
            scale = static_cast<float>(pDPI->GetScale()) / 100.0f;
        }
        else
        {
            w = static_cast<int>(fW);
            h = static_cast<int>(fH);
        }
    }
    if (!IsAcceptableSize(w, h))
        return nullptr;

    if (fillcolor != 0)
    {
        for (NSVGshape* shape = svg.p->shapes; shape != nullptr; shape = shape->next)
        {
            if (shape->fill.type == NSVG_PAINT_COLOR && shape->fill.color != 0)
                shape->fill.color = ToSvgColor(fillcolor);
        }
    }

    TSvgRasterizer rast;
    if (rast.p == nullptr)
        return nullptr;
    CByteBuffer pixels;
    if (!pixels.Allocate(static_cast<DWORD>(w) * static_cast<DWORD>(h) * 4))
        return nullptr;
    std::memset(pixels.GetData(), 0, pixels.GetSize());
    nsvgRasterize(rast.p, svg.p, 0.0f, 0.0f, scale, pixels.GetData(), w, h, w * 4);
    return CImageLoader::CreateImageFromRGBA(pixels.GetData(), w, h, mask);
}

} // namespace

tagTImageInfo::~tagTImageInfo()
{
    std::free(pSrcBits);
}

tagTImageInfo* CImageLoader::CreateImageFromRGBA(const BYTE* pRGBA, int width, int height, DWORD mask)
{
    if (pRGBA == nullptr || !IsAcceptableSize(width, height))
        return nullptr;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    void* pvBits = nullptr;
    CGdiObject<HBITMAP> hBitmap(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0));
    if (hBitmap.IsNull() || pvBits == nullptr)
        return nullptr;

    bool bAlpha = false;
    DWORD* pDest = static_cast<DWORD*>(pvBits);
    const size_t nPixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < nPixels; ++i)
    {
        const BYTE* s = pRGBA + i * 4;
        DWORD a = s[3], r = s[0], g = s[1], b = s[2];
        if (a < 255)
        {
            r = r * a / 255;
            g = g * a / 255;
            b = b * a / 255;
            bAlpha = true;
        }
        DWORD value = (a << 24) | (r << 16) | (g << 8) | b;
        if (value == mask)
        {
            value = 0;
            bAlpha = true;
        }
        pDest[i] = value;
    }

    tagTImageInfo* pImage = new (std::nothrow) tagTImageInfo;
    if (pImage == nullptr)
        return nullptr;
    pImage->hBitmap.Reset(hBitmap.Detach());
    pImage->nX = width;
    pImage->nY = height;
    pImage->bAlpha = bAlpha;
    pImage->dwMask = mask;
    pImage->delay = 0;
    return pImage;
}

tagTImageInfo* CImageLoader::LoadImageFromMemory(const BYTE* pData, DWORD dwSize, DWORD mask, int width,
                                                 int height, DWORD fillcolor, CPaintManagerUI* pManager)
{
    if (pData == nullptr || dwSize == 0 || dwSize > 0x7FFFFFFF)
        return nullptr;
    int x = 0, y = 0, comp = 0;
    if (stbi_info_from_memory(pData, static_cast<int>(dwSize), &x, &y, &comp))
    {
        if (!IsAcceptableSize(x, y))
            return nullptr;
        TStbPixels pixels;
        pixels.p = stbi_load_from_memory(pData, static_cast<int>(dwSize), &x, &y, &comp, 4);
        if (pixels.p != nullptr)
            return CreateImageFromRGBA(pixels.p, x, y, mask);
    }
    return DecodeSvg(pData, dwSize, mask, width, height, fillcolor, pManager);
}

int CImageLoader::LoadGifImageFromMemory(const BYTE* pData, DWORD dwSize, CStdPtrArray& frames)
{
    if (pData == nullptr || dwSize == 0 || dwSize > 0x7FFFFFFF)
        return 0;
    int x = 0, y = 0, comp = 0, z = 0;
    if (!stbi_info_from_memory(pData, static_cast<int>(dwSize), &x, &y, &comp) || !IsAcceptableSize(x, y))
        return 0;
    int* delays = nullptr;
    TStbPixels pixels;
    pixels.p = stbi_load_gif_from_memory(pData, static_cast<int>(dwSize), &delays, &x, &y, &z, &comp, 4);
    if (pixels.p == nullptr)
    {
        STBI_FREE(delays);
        return 0;
    }
    int nAdded = 0;
    if (IsAcceptableSize(x, y))
    {
        const size_t frameBytes = static_cast<size_t>(x) * static_cast<size_t>(y) * 4;
        for (int i = 0; i < z; ++i)
        {
            tagTImageInfo* pFrame = CreateImageFromRGBA(pixels.p + frameBytes * i, x, y, 0);
            if (pFrame == nullptr)
                break;
            pFrame->delay = delays != nullptr && delays[i] > 0 ? static_cast<DWORD>(delays[i]) : 0;
            if (!frames.Add(pFrame))
            {
                FreeImage(pFrame);
                break;
            }
            ++nAdded;
        }
    }
    STBI_FREE(delays);
    return nAdded;
}

unsigned long long CImageLoader::GetDecoderBytesRequested()
{
    return DecoderBytesRequested();
}

void CImageLoader::FreeImage(tagTImageInfo* bitmap, bool bDelete)
{
    if (bitmap == nullptr)
        return;
    // The copies are keyed by the bitmap's handle value, which GDI hands out again.
    bitmap->scaled.Clear();
    bitmap->hBitmap.Reset();
    // pBits belongs to whoever supplied it; only the saved copy is ours.
    std::free(bitmap->pSrcBits);
    bitmap->pSrcBits = nullptr;
    if (bDelete)
        delete bitmap;
}

DWORD CImageLoader::LoadImage2Memory(STRINGorID bitmap, const wchar_t* type, CByteBuffer& out,
                                     HINSTANCE instance)
{
    out.Free();
    if (type != nullptr && *type != L'\0')
    {
        if (CResourceReader::ReadModuleResource(bitmap, type, instance, out) != CResourceReader::READ_OK &&
            !bitmap.IsID() && bitmap.m_lpstr != nullptr)
            CResourceReader::ReadFile(bitmap.m_lpstr, out); // not in the module: its full path
        return out.GetSize();
    }
    if (bitmap.IsID() || bitmap.m_lpstr == nullptr || *bitmap.m_lpstr == L'\0')
        return 0;
    const wchar_t* pName = bitmap.m_lpstr;
    const wchar_t* pIndexed = CResourceManager::GetInstance()->GetImagePath(pName);
    if (pIndexed != nullptr && *pIndexed != L'\0')
        pName = pIndexed;
    CResourceReader::ReadImageOrFont(pName, out);
    return out.GetSize();
}

tagTImageInfo* CImageLoader::LoadImage(STRINGorID bitmap, const wchar_t* type, DWORD mask, int width,
                                       int height, DWORD fillcolor, CPaintManagerUI* pManager,
                                       HINSTANCE instance)
{
    CByteBuffer data;
    if (LoadImage2Memory(bitmap, type, data, instance) == 0)
        return nullptr;
    return LoadImageFromMemory(data.GetData(), data.GetSize(), mask, width, height, fillcolor, pManager);
}

tagTImageInfo* CImageLoader::LoadImage(const wchar_t* pStrImage, const wchar_t* type, DWORD mask, int width,
                                       int height, DWORD fillcolor, CPaintManagerUI* pManager,
                                       HINSTANCE instance)
{
    if (pStrImage == nullptr)
        return nullptr;
    return LoadImage(STRINGorID(pStrImage), type, mask, width, height, fillcolor, pManager, instance);
}

tagTImageInfo* CImageLoader::LoadImage(UINT nID, const wchar_t* type, DWORD mask, int width, int height,
                                       DWORD fillcolor, CPaintManagerUI* pManager, HINSTANCE instance)
{
    return LoadImage(STRINGorID(nID), type, mask, width, height, fillcolor, pManager, instance);
}

} // namespace SkinUI
