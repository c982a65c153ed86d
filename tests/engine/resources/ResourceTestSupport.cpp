#include "ResourceTestSupport.h"

#include <cstdio>

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

CPlantedCurrentFolder::CPlantedCurrentFolder(bool bMakeCurrent)
{
    wchar_t szTemp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    wchar_t szName[64] = {};
    _snwprintf(szName, 63, L"zentrivo_planted_%lu\\", static_cast<unsigned long>(::GetCurrentProcessId()));
    m_sFolder = std::wstring(szTemp) + szName;
    ::CreateDirectoryW(m_sFolder.c_str(), nullptr);
    wchar_t szPrevious[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryW(MAX_PATH, szPrevious);
    m_sPrevious = szPrevious;
    if (bMakeCurrent)
        ::SetCurrentDirectoryW(m_sFolder.c_str());
}

CPlantedCurrentFolder::~CPlantedCurrentFolder()
{
    ::SetCurrentDirectoryW(m_sPrevious.c_str());
    for (const std::wstring& name : m_aPlanted)
        ::DeleteFileW(Path(name.c_str()).c_str());
    ::RemoveDirectoryW(m_sFolder.c_str());
}

bool CPlantedCurrentFolder::Plant(const wchar_t* name, const wchar_t* dataName)
{
    if (!::CopyFileW(DataPath(dataName).c_str(), Path(name).c_str(), FALSE))
        return false;
    m_aPlanted.push_back(name);
    return true;
}

bool CPlantedCurrentFolder::Remove(const wchar_t* name)
{
    return ::DeleteFileW(Path(name).c_str()) != FALSE;
}

std::wstring CPlantedCurrentFolder::Path(const wchar_t* name) const
{
    return m_sFolder + name;
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
