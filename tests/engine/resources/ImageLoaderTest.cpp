// Image decoding: premultiplied top-down DIB sections, has-alpha and mask rules, GIF frames,
// SVG sizes, DPI and fill colour, and refusal of images too large to be real.
#include "ResourceTestSupport.h"

#include <string>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CImageLoader.h"

using namespace SkinUI;
using ResourceTest::PixelAt;
using ResourceTest::ReadData;

namespace
{

tagTImageInfo* Decode(const std::vector<BYTE>& data, DWORD mask = 0, int width = 0, int height = 0,
                      DWORD fill = 0, CPaintManagerUI* pManager = nullptr)
{
    return CImageLoader::LoadImageFromMemory(data.data(), static_cast<DWORD>(data.size()), mask, width,
                                             height, fill, pManager);
}

std::vector<BYTE> Text(const std::string& s)
{
    return std::vector<BYTE>(s.begin(), s.end());
}

// A red rectangle filling a picture of the given size.
std::vector<BYTE> RedSvg(const char* width, const char* height)
{
    return Text(std::string("<svg xmlns='http://www.w3.org/2000/svg' width='") + width + "' height='" +
                height + "'><rect x='0' y='0' width='" + width + "' height='" + height +
                "' fill='#ff0000'/></svg>");
}

struct TImage
{
    explicit TImage(tagTImageInfo* p) : p(p) {}
    ~TImage() { CImageLoader::FreeImage(p); }
    tagTImageInfo* operator->() const { return p; }
    tagTImageInfo* p;
};

} // namespace

TEST(ImageLoader, PartlyTransparentPngIsPremultipliedAndMarked)
{
    TImage image(Decode(ReadData(L"page_home.png")));
    ASSERT_NE(nullptr, image.p);
    EXPECT_EQ(2, image->nX);
    EXPECT_EQ(2, image->nY);
    EXPECT_TRUE(image->bAlpha);
    EXPECT_EQ(0u, image->delay);
    EXPECT_EQ(nullptr, image->pBits);
    DIBSECTION ds = {};
    ASSERT_EQ(static_cast<int>(sizeof(ds)), ::GetObjectW(image->hBitmap.Get(), sizeof(ds), &ds));
    EXPECT_EQ(32, ds.dsBm.bmBitsPixel);
    // Rows are read from the start of the pixel memory, so these also prove the DIB top-down.
    // (255,0,0,128) -> 255*128/255 = 128; the opaque and the fully transparent ones as stated.
    EXPECT_EQ(0x80800000u, PixelAt(image.p, 0, 0));
    EXPECT_EQ(0xFF00FF00u, PixelAt(image.p, 1, 0));
    EXPECT_EQ(0x00000000u, PixelAt(image.p, 0, 1));
    EXPECT_EQ(0xFF0A141Eu, PixelAt(image.p, 1, 1));
}

TEST(ImageLoader, OpaquePngIsNotMarkedUnlessTheMaskHits)
{
    std::vector<BYTE> data = ReadData(L"opaque.png");
    TImage plain(Decode(data));
    ASSERT_NE(nullptr, plain.p);
    EXPECT_FALSE(plain->bAlpha);
    EXPECT_EQ(0xFFC86432u, PixelAt(plain.p, 0, 0));
    EXPECT_EQ(0xFF010203u, PixelAt(plain.p, 1, 0));

    TImage masked(Decode(data, 0xFF010203));
    ASSERT_NE(nullptr, masked.p);
    EXPECT_TRUE(masked->bAlpha);
    EXPECT_EQ(0xFF010203u, masked->dwMask);
    EXPECT_EQ(0u, PixelAt(masked.p, 1, 0));
    EXPECT_EQ(0xFFC86432u, PixelAt(masked.p, 0, 0));
}

TEST(ImageLoader, GifFramesKeepTheirDelays)
{
    std::vector<BYTE> data = ReadData(L"frames.gif");
    CStdPtrArray frames;
    ASSERT_EQ(3, CImageLoader::LoadGifImageFromMemory(data.data(), data.size(), frames));
    const DWORD colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    for (int i = 0; i < 3; ++i)
    {
        tagTImageInfo* pFrame = static_cast<tagTImageInfo*>(frames.GetAt(i));
        EXPECT_EQ(3, pFrame->nX);
        EXPECT_EQ(2, pFrame->nY);
        EXPECT_EQ(static_cast<DWORD>(100 * (i + 1)), pFrame->delay);
        EXPECT_EQ(colours[i], PixelAt(pFrame, 2, 1));
        CImageLoader::FreeImage(pFrame);
    }
    // As a still image, a GIF is its first frame.
    TImage first(Decode(data));
    ASSERT_NE(nullptr, first.p);
    EXPECT_EQ(0xFFFF0000u, PixelAt(first.p, 0, 0));
    EXPECT_EQ(0, CImageLoader::LoadGifImageFromMemory(nullptr, 0, frames));
}

TEST(ImageLoader, SvgSizesFollowTheRequestTheScaleOrTheFile)
{
    TImage own(Decode(RedSvg("20", "10")));
    ASSERT_NE(nullptr, own.p);
    EXPECT_EQ(20, own->nX);
    EXPECT_EQ(10, own->nY);
    EXPECT_EQ(0xFFFF0000u, PixelAt(own.p, 10, 5));
    EXPECT_FALSE(own->bAlpha);

    // Width given: the height follows the aspect ratio; the given height only has to be > 0.
    TImage wide(Decode(RedSvg("20", "10"), 0, 30, 1));
    ASSERT_NE(nullptr, wide.p);
    EXPECT_EQ(30, wide->nX);
    EXPECT_EQ(15, wide->nY);
    // 3x2 at width 10: height 6.67 -> 6, scale again from 6 -> width 9.
    TImage rounded(Decode(RedSvg("3", "2"), 0, 10, 10));
    ASSERT_NE(nullptr, rounded.p);
    EXPECT_EQ(9, rounded->nX);
    EXPECT_EQ(6, rounded->nY);

    // Without a size, a manager's DPI scale applies.
    CPaintManagerUI manager;
    manager.GetDPIObj()->SetScale(144);
    TImage scaled(Decode(RedSvg("20", "10"), 0, 0, 0, 0, &manager));
    ASSERT_NE(nullptr, scaled.p);
    EXPECT_EQ(30, scaled->nX);
    EXPECT_EQ(15, scaled->nY);
    EXPECT_EQ(0xFFFF0000u, PixelAt(scaled.p, 29, 14));
    CPaintManagerUI::Term();
}

TEST(ImageLoader, SvgFillColourRepaintsPlainFillsOpaque)
{
    std::vector<BYTE> svg = Text("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                                 "<rect x='0' y='0' width='5' height='10' fill='#ff0000'/>"
                                 "<rect x='5' y='0' width='5' height='10' fill='none' stroke='none'/></svg>");
    TImage filled(Decode(svg, 0, 0, 0, 0x400000FF));
    ASSERT_NE(nullptr, filled.p);
    EXPECT_EQ(0xFF0000FFu, PixelAt(filled.p, 2, 5)); // the fill's alpha is not used
    EXPECT_EQ(0u, PixelAt(filled.p, 8, 5));          // the unfilled half stays transparent
    EXPECT_TRUE(filled->bAlpha);
}

TEST(ImageLoader, RefusesBrokenAndOversizedImages)
{
    EXPECT_EQ(nullptr, Decode(std::vector<BYTE>()));
    EXPECT_EQ(nullptr, Decode(Text("definitely not an image")));
    EXPECT_EQ(nullptr, Decode(RedSvg("1e9", "1e9")));
    EXPECT_EQ(nullptr, Decode(RedSvg("0", "10")));
    EXPECT_EQ(nullptr, Decode(RedSvg("20", "10"), 0, 100000, 5));

    // A header claiming 60000 x 60000 pixels, and a real, decodable picture one pixel wider
    // than accepted: both refused before any decoder runs, so the decoders ask for less
    // memory than the picture's pixels would take (a decode would ask for 2 MB here).
    std::vector<BYTE> png = ReadData(L"opaque.png");
    ASSERT_GT(png.size(), 24u);
    for (int i = 16; i < 24; i += 4)
    {
        png[i] = 0;
        png[i + 1] = 0;
        png[i + 2] = 0xEA;
        png[i + 3] = 0x60;
    }
    std::vector<BYTE> wide = ReadData(L"too_wide.png");
    ASSERT_FALSE(wide.empty());
    CStdPtrArray frames;
    const unsigned long long before = CImageLoader::GetDecoderBytesRequested();
    EXPECT_EQ(nullptr, Decode(png));
    EXPECT_EQ(nullptr, Decode(wide));
    EXPECT_EQ(0, CImageLoader::LoadGifImageFromMemory(wide.data(), wide.size(), frames));
    EXPECT_LT(CImageLoader::GetDecoderBytesRequested() - before, 8193ull * 64 * 4);
    // The same counter does see a decode.
    const unsigned long long beforeSmall = CImageLoader::GetDecoderBytesRequested();
    TImage small(Decode(ReadData(L"opaque.png")));
    ASSERT_NE(nullptr, small.p);
    EXPECT_GE(CImageLoader::GetDecoderBytesRequested() - beforeSmall, 2u * 2 * 4);

    // A PNG cut anywhere before its 12-byte end chunk gives no image; the loader reads only
    // the bytes it is given even when the rest of the file follows them in memory.
    std::vector<BYTE> full = ReadData(L"page_home.png");
    ASSERT_GT(full.size(), 12u);
    for (size_t cut = 0; cut + 12 <= full.size(); ++cut)
    {
        tagTImageInfo* pCut =
            CImageLoader::LoadImageFromMemory(full.data(), static_cast<DWORD>(cut), 0, 0, 0, 0, nullptr);
        EXPECT_EQ(nullptr, pCut) << "cut to " << cut << " of " << full.size();
        CImageLoader::FreeImage(pCut);
    }
    TImage whole(Decode(full));
    EXPECT_NE(nullptr, whole.p);

    CImageLoader::FreeImage(nullptr);
    EXPECT_EQ(nullptr, CImageLoader::CreateImageFromRGBA(nullptr, 2, 2, 0));
}

TEST(ImageLoader, FreeingTheBitmapDropsItsScaledCopies)
{
    // GDI hands out freed handle values again: copies keyed by the old bitmap must not survive
    // it, nor keep their memory.
    tagTImageInfo* p = Decode(ReadData(L"opaque.png"));
    ASSERT_NE(nullptr, p);
    const RECT rcAll = {0, 0, p->nX, p->nY};
    HBITMAP hCopy = CRenderEngine::CreateARGB32Bitmap(nullptr, 8, 8, nullptr);
    ASSERT_EQ(hCopy, p->scaled.Add(p->hBitmap.Get(), rcAll, 8, 8, hCopy));
    ASSERT_EQ(OBJ_BITMAP, static_cast<int>(::GetObjectType(hCopy)));
    CImageLoader::FreeImage(p, false);
    EXPECT_EQ(nullptr, p->hBitmap.Get());
    EXPECT_EQ(0, p->scaled.GetSize());
    EXPECT_EQ(0u, ::GetObjectType(hCopy)); // deleted, not just forgotten
    CImageLoader::FreeImage(p, true);
}

class ImageLoading : public ResourceTest::CResourceTest
{
};

TEST_F(ImageLoading, LoadsByNameFromTheArchiveAndTheFolder)
{
    static std::vector<BYTE> zip = ReadData(L"skin.zip");
    CPaintManagerUI::SetResourceZip(zip.data(), zip.size(), L"");
    TImage fromZip(CImageLoader::LoadImage(L"PAGE_HOME.png"));
    ASSERT_NE(nullptr, fromZip.p);
    EXPECT_TRUE(fromZip->bAlpha);
    TImage nested(CImageLoader::LoadImage(L"img\\Opaque.png"));
    ASSERT_NE(nullptr, nested.p);
    EXPECT_FALSE(nested->bAlpha);
    EXPECT_EQ(nullptr, CImageLoader::LoadImage(L"missing.png"));
    // A number without a resource type names nothing.
    EXPECT_EQ(nullptr, CImageLoader::LoadImage(130u));

    CByteBuffer bytes;
    EXPECT_EQ(ReadData(L"page_home.png").size(),
              CImageLoader::LoadImage2Memory(STRINGorID(L"page_home.png"), nullptr, bytes));
    EXPECT_EQ(0u, CImageLoader::LoadImage2Memory(STRINGorID(L"missing.png"), nullptr, bytes));

    // A named image of a resource type that the module lacks is still read from its path;
    // a number has no path to fall back to.
    std::wstring path = ResourceTest::DataPath(L"opaque.png");
    TImage typed(CImageLoader::LoadImage(path.c_str(), L"PNG"));
    ASSERT_NE(nullptr, typed.p);
    EXPECT_FALSE(typed->bAlpha);
    EXPECT_EQ(nullptr, CImageLoader::LoadImage(999u, L"PNG"));
}
