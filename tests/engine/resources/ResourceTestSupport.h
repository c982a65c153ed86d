// Helpers of the skin-resource tests: the generated data folder next to the executable, file
// bytes, DIB pixels, and a fixture that leaves the process-wide resource settings clean.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "engine/resources/tagTImageInfo.h"

namespace ResourceTest
{

// Folder of the generated test data, ending in '\'.
std::wstring DataDir();
std::wstring DataPath(const wchar_t* name);
std::vector<BYTE> ReadData(const wchar_t* name);
// 0xAARRGGBB of a pixel of a decoded image (its top-down DIB section).
DWORD PixelAt(const SkinUI::tagTImageInfo* pImage, int x, int y);

// A scratch folder for one test, holding files copied from the data folder, made the current
// directory when asked; the previous current directory is restored and the folder removed
// afterwards.
class CPlantedCurrentFolder
{
public:
    explicit CPlantedCurrentFolder(bool bMakeCurrent = true);
    ~CPlantedCurrentFolder();
    CPlantedCurrentFolder(const CPlantedCurrentFolder&) = delete;
    CPlantedCurrentFolder& operator=(const CPlantedCurrentFolder&) = delete;

    // Copies the data file dataName into the folder as name; false when that failed.
    bool Plant(const wchar_t* name, const wchar_t* dataName);
    bool Remove(const wchar_t* name);
    std::wstring Path(const wchar_t* name) const; // fully qualified

private:
    std::wstring m_sFolder; // ends in '\'
    std::wstring m_sPrevious;
    std::vector<std::wstring> m_aPlanted;
};

// Every test starts and ends without archive, resource folder or shared tables.
class CResourceTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace ResourceTest
