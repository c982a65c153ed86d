// Timing of the skin-resource paths a window takes on first paint (not a test): opening the
// in-memory archive (end-record check and directory), member lookup and unpack, PNG decoding,
// and GetImageEx from a warm cache.
// Run: tools/wine-run --prefix build/wineprefix build/tests/engine/resources/resource_bench.exe
#include <windows.h>

#include <cstdio>
#include <vector>

#include "../TestFiles.h"
#include "tests/support/ExeFolder.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/resources/CImageLoader.h"
#include "engine/resources/CResourceReader.h"
#include "engine/resources/CZipArchive.h"

using namespace SkinUI;

namespace
{

double Now()
{
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

void Report(const char* what, double ms, int n)
{
    printf("%-52s %6d x  %9.3f ms total  %8.4f ms each\n", what, n, ms, ms / n);
}

} // namespace

int main()
{
    const std::wstring zipPath = PathBesideExe(L"resource_data\\skin.zip");
    static std::vector<BYTE> zip = ResourceTest::ReadFileBytes(zipPath.c_str());
    if (zip.empty())
    {
        printf("skin.zip not found: %ls\n", zipPath.c_str());
        return 1;
    }
    const int kOpens = 2000;
    double t0 = Now();
    for (int i = 0; i < kOpens; ++i)
        delete CZipArchive::OpenMemory(zip.data(), static_cast<DWORD>(zip.size()), nullptr);
    Report("open skin.zip from memory", Now() - t0, kOpens);

    CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned int>(zip.size()), L"");

    const int kReads = 2000;
    CByteBuffer bytes;
    t0 = Now();
    for (int i = 0; i < kReads; ++i)
        CResourceReader::ReadSkinResource(L"page_bk.png", bytes);
    Report("archive lookup + unpack page_bk.png", Now() - t0, kReads);
    printf("  (a PNG file of %lu bytes)\n", static_cast<unsigned long>(bytes.GetSize()));

    const int kDecodes = 100;
    t0 = Now();
    for (int i = 0; i < kDecodes; ++i)
    {
        tagTImageInfo* pImage =
            CImageLoader::LoadImageFromMemory(bytes.GetData(), bytes.GetSize(), 0, 0, 0, 0, nullptr);
        CImageLoader::FreeImage(pImage);
    }
    Report("decode page_bk.png 600x400 (from memory)", Now() - t0, kDecodes);

    {
        CPaintManagerUI manager;
        t0 = Now();
        manager.GetImageEx(L"page_bk.png");
        Report("GetImageEx first use (read + decode + cache)", Now() - t0, 1);
        const int kHits = 100000;
        t0 = Now();
        for (int i = 0; i < kHits; ++i)
            manager.GetImageEx(L"page_bk.png");
        Report("GetImageEx cached", Now() - t0, kHits);
    }
    CPaintManagerUI::Term();
    return 0;
}
