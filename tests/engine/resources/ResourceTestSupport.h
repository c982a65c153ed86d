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

// Every test starts and ends without archive, resource folder or shared tables.
class CResourceTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace ResourceTest
