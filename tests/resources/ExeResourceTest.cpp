// The executable's own resources besides the archive: the application icon group, the
// version block and the manifest asking for elevation, DPI awareness and Common Controls 6.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/resources/SkinsTestSupport.h"

using namespace SkinsTest;

namespace
{

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* pszKey)
{
    wchar_t szPath[128] = {};
    _snwprintf(szPath, 127, L"\\StringFileInfo\\040904B0\\%s", pszKey);
    void* pValue = nullptr;
    UINT cch = 0;
    if (!::VerQueryValueW(block.data(), szPath, &pValue, &cch) || pValue == nullptr)
        return L"";
    return static_cast<const wchar_t*>(pValue);
}

} // namespace

TEST(ExeResources, IconGroup131HoldsFourSizesAndLoads)
{
    DWORD dwSize = 0;
    const BYTE* pGroup = ModuleResource(RT_GROUP_ICON, MAKEINTRESOURCEW(131), &dwSize);
    ASSERT_NE(nullptr, pGroup);
    ASSERT_GE(dwSize, 6u + 4 * 14);
    EXPECT_EQ(4, pGroup[4]);
    std::vector<int> widths;
    for (int i = 0; i < 4; ++i)
        widths.push_back(pGroup[6 + 14 * i] == 0 ? 256 : pGroup[6 + 14 * i]);
    EXPECT_EQ((std::vector<int>{16, 32, 48, 256}), widths);
    HICON hIcon = static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(131), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(nullptr, hIcon);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hIcon, &info));
    BITMAP bm = {};
    ::GetObjectW(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(32, bm.bmWidth);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(hIcon);
}

TEST(ExeResources, VersionBlockNamesProductAndCompany)
{
    DWORD dwSize = 0;
    const BYTE* pVersion = ModuleResource(RT_VERSION, MAKEINTRESOURCEW(1), &dwSize);
    ASSERT_NE(nullptr, pVersion);
    std::vector<BYTE> block(pVersion, pVersion + dwSize); // VerQueryValue wants writable memory
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT cb = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&pFixed), &cb));
    EXPECT_EQ(0xFEEF04BDu, pFixed->dwSignature);
    EXPECT_EQ(0x00010000u, pFixed->dwProductVersionMS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), pFixed->dwFileType);
    EXPECT_EQ(L"Zentrivo", VersionString(block, L"ProductName"));
    EXPECT_EQ(L"tolvane", VersionString(block, L"CompanyName"));
    EXPECT_EQ(L"1.0.0.0", VersionString(block, L"ProductVersion"));
}

TEST(ExeResources, ManifestAsksForAdministratorDpiAwarenessAndCommonControls6)
{
    DWORD dwSize = 0;
    const BYTE* pManifest = ModuleResource(RT_MANIFEST, MAKEINTRESOURCEW(1), &dwSize);
    ASSERT_NE(nullptr, pManifest);
    std::string text(reinterpret_cast<const char*>(pManifest), dwSize);
    EXPECT_NE(std::string::npos, text.find("level=\"requireAdministrator\" uiAccess=\"false\""));
    EXPECT_NE(std::string::npos, text.find(">true</dpiAware>"));
    size_t controls = text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"");
    EXPECT_NE(std::string::npos, controls);
    EXPECT_NE(std::string::npos, text.find("publicKeyToken=\"6595b64144ccf1df\"", controls));
}
