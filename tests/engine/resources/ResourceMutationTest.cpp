// Bounded mutation: thousands of archives, PNGs, GIFs and SVGs derived from valid ones by a
// deterministic generator. Each must be read or refused without a crash, a hang, a read
// outside its buffer or an unbounded allocation.
#include "ResourceTestSupport.h"

#include <memory>
#include <string>

#include "engine/resources/CImageLoader.h"
#include "engine/resources/CZipArchive.h"

using namespace SkinUI;
using ResourceTest::ReadData;

namespace
{

class CMutator
{
public:
    explicit CMutator(unsigned int seed) : m_state(seed) {}
    unsigned int Next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return m_state >> 8;
    }
    unsigned int Below(unsigned int n) { return n == 0 ? 0 : Next() % n; }

    std::vector<BYTE> Mutate(const std::vector<BYTE>& source)
    {
        std::vector<BYTE> data = source;
        int edits = 1 + static_cast<int>(Below(6));
        for (int i = 0; i < edits && !data.empty(); ++i)
        {
            size_t at = Below(static_cast<unsigned int>(data.size()));
            switch (Below(6))
            {
            case 0:
                data[at] ^= static_cast<BYTE>(1u << Below(8));
                break;
            case 1:
                data[at] = static_cast<BYTE>(Next());
                break;
            case 2:
                data[at] = Below(2) ? 0x00 : 0xFF;
                break;
            case 3:
                data.resize(at);
                break;
            case 4:
            { // a 32-bit field set to an extreme value
                static const DWORD values[] = {0, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFF};
                DWORD v = values[Below(5)];
                for (int b = 0; b < 4 && at + b < data.size(); ++b)
                    data[at + b] = static_cast<BYTE>(v >> (8 * b));
                break;
            }
            default:
            { // a run copied from elsewhere
                size_t from = Below(static_cast<unsigned int>(data.size()));
                size_t len = Below(64);
                for (size_t k = 0; k < len && at + k < data.size() && from + k < data.size(); ++k)
                    data[at + k] = data[from + k];
                break;
            }
            }
        }
        return data;
    }

private:
    unsigned int m_state;
};

// Returns the number of members unpacked successfully.
int ExerciseArchive(const std::vector<BYTE>& data, const char* password)
{
    std::unique_ptr<CZipArchive> zip(
        CZipArchive::OpenMemory(data.data(), static_cast<DWORD>(data.size()), password));
    if (!zip)
        return 0;
    int nUnpacked = 0;
    static const wchar_t* names[] = {L"page_home.png", L"img/Opaque.png", L"stored.txt", L"deflated.txt",
                                     L"res.xml",       L"secret.txt",     L"plain.txt",  L"empty.txt"};
    std::vector<BYTE> buffer;
    for (const wchar_t* name : names)
    {
        tagTZipEntry entry = {};
        if (zip->FindItem(name, &entry) != CZipArchive::ZR_OK)
            continue;
        // Honour the declared size only within a sane bound, as the resource reader does.
        DWORD size = entry.dwUncompressedSize <= (1u << 20) ? entry.dwUncompressedSize : 512;
        buffer.assign(size + 1, 0);
        if (CZipArchive::IsUnzipSuccess(zip->UnzipItem(entry.index, buffer.data(), size)))
            ++nUnpacked;
    }
    // Indices the archive does not have.
    BYTE small[16];
    zip->UnzipItem(-1, small, sizeof(small));
    zip->UnzipItem(zip->GetItemCount(), small, sizeof(small));
    return nUnpacked;
}

void ExerciseImage(const std::vector<BYTE>& data, int width, int height, DWORD fill)
{
    tagTImageInfo* pImage = CImageLoader::LoadImageFromMemory(data.data(), static_cast<DWORD>(data.size()),
                                                              0xFF000000, width, height, fill, nullptr);
    if (pImage != nullptr)
    {
        EXPECT_GT(pImage->nX, 0);
        EXPECT_LE(pImage->nX, CImageLoader::MAX_IMAGE_DIMENSION);
        CImageLoader::FreeImage(pImage);
    }
}

std::vector<BYTE> Text(const char* s)
{
    return std::vector<BYTE>(s, s + strlen(s));
}

} // namespace

TEST(ResourceMutation, MutatedArchivesAreReadOrRefused)
{
    CMutator mutator(0x5EED0001u);
    std::vector<BYTE> skin = ReadData(L"skin.zip");
    std::vector<BYTE> encrypted = ReadData(L"encrypted.zip");
    ASSERT_FALSE(skin.empty());
    ASSERT_FALSE(encrypted.empty());
    int nUnpacked = 0;
    for (int i = 0; i < 2000; ++i)
        nUnpacked += ExerciseArchive(mutator.Mutate(skin), nullptr);
    for (int i = 0; i < 500; ++i)
        nUnpacked += ExerciseArchive(mutator.Mutate(encrypted), "s3cret");
    // Most mutations leave some members intact: the unpack paths were really exercised.
    EXPECT_GT(nUnpacked, 1000);
}

TEST(ResourceMutation, MutatedImagesAreDecodedOrRefused)
{
    CMutator mutator(0x5EED0002u);
    std::vector<BYTE> png = ReadData(L"page_home.png");
    std::vector<BYTE> gif = ReadData(L"frames.gif");
    ASSERT_FALSE(png.empty());
    ASSERT_FALSE(gif.empty());
    for (int i = 0; i < 1500; ++i)
        ExerciseImage(mutator.Mutate(png), 0, 0, 0);
    for (int i = 0; i < 500; ++i)
    {
        std::vector<BYTE> data = mutator.Mutate(gif);
        ExerciseImage(data, 0, 0, 0);
        CStdPtrArray frames;
        int n = CImageLoader::LoadGifImageFromMemory(data.data(), static_cast<DWORD>(data.size()), frames);
        EXPECT_EQ(n, frames.GetSize());
        for (int f = 0; f < frames.GetSize(); ++f)
            CImageLoader::FreeImage(static_cast<tagTImageInfo*>(frames.GetAt(f)));
    }
}

TEST(ResourceMutation, MutatedSvgsAreRasterisedOrRefused)
{
    CMutator mutator(0x5EED0003u);
    std::vector<BYTE> svg =
        Text("<svg xmlns='http://www.w3.org/2000/svg' width='24' height='16' viewBox='0 0 24 16'>"
             "<g transform='translate(1,1) scale(0.9)'><path d='M2 2 L22 2 Q23 8 22 14 C12 18 6 10 2 14 Z'"
             " fill='#3366ff' stroke='#000' stroke-width='1.5'/><circle cx='12' cy='8' r='4'"
             " fill='url(#g)'/></g><defs><linearGradient id='g'><stop offset='0' stop-color='#fff'/>"
             "<stop offset='1' stop-color='#f00' stop-opacity='0.5'/></linearGradient></defs>"
             "<rect x='3' y='3' width='5' height='5' rx='1' fill='red' opacity='0.7'/></svg>");
    for (int i = 0; i < 1500; ++i)
    {
        int width = static_cast<int>(mutator.Below(3)) * 20;
        ExerciseImage(mutator.Mutate(svg), width, width, mutator.Below(2) ? 0xFF00FF00 : 0);
    }
}
