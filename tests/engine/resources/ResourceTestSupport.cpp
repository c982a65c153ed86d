#include "ResourceTestSupport.h"

#include "TestFiles.h"
#include "engine/manager/CPaintManagerUI.h"
#include "tests/support/ExeFolder.h"

namespace ResourceTest
{

std::wstring DataDir()
{
    return PathBesideExe(L"resource_data\\");
}

std::wstring DataPath(const wchar_t* name)
{
    return DataDir() + name;
}

std::vector<BYTE> ReadData(const wchar_t* name)
{
    return ReadFileBytes(DataPath(name).c_str());
}

DWORD PixelAt(const SkinUI::tagTImageInfo* pImage, int x, int y)
{
    DIBSECTION ds = {};
    if (pImage == nullptr || ::GetObjectW(pImage->hBitmap.Get(), sizeof(ds), &ds) != sizeof(ds))
        return 0xDEADBEEF;
    const DWORD* pRow = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(ds.dsBm.bmBits) +
                                                       static_cast<size_t>(y) * ds.dsBm.bmWidthBytes);
    return pRow[x];
}

void CResourceTest::SetUp()
{
    SkinUI::CPaintManagerUI::Term();
    SkinUI::CPaintManagerUI::SetResourcePath(L"");
}

void CResourceTest::TearDown()
{
    SkinUI::CPaintManagerUI::Term();
    SkinUI::CPaintManagerUI::SetResourcePath(L"");
}

} // namespace ResourceTest
