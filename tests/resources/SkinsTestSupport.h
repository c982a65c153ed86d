// Helpers of the skin tests: the test executable carries the installer's own resources, so the
// skin archive under test is this module's "ZIPRES" 130, read the way the installer reads it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "tests/support/CTestWindow.h"

namespace SkinsTest
{

// The bytes of this module's resource (null and 0 when it is missing).
const BYTE* ModuleResource(const wchar_t* pszType, const wchar_t* pszName, DWORD* pdwSize);

// Member names of a ZIP image, read from its central directory in stored order.
std::vector<std::string> ZipMemberNames(const BYTE* pData, DWORD dwSize);

// The bytes of an archive member through the engine's reader (empty when it cannot be read).
std::vector<BYTE> ReadMember(const wchar_t* pszName);

// Image names a skin file refers to: every file='...' in any attribute value (styles included)
// and the plain names of image attributes without key='value' items.
std::set<std::wstring> ImageNamesIn(const wchar_t* pszSkinFile);

// Every resourceid a skin file gives a control.
std::set<int> ResourceIdsIn(const wchar_t* pszSkinFile);

// Listed image sizes, by member name.
const std::map<std::wstring, SIZE>& ListedImageSizes();

// Each test starts with this module's archive as the in-memory skin archive, no resource
// folder and unknown elements recorded rather than shown.
class CSkinsTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// A paint manager on a hidden window at 100 %, with a skin built and attached.
struct CBuiltSkin
{
    explicit CBuiltSkin(const wchar_t* pszSkinFile);
    ~CBuiltSkin();
    SkinUI::CControlUI* Find(const wchar_t* pszName) const { return manager.FindControl(pszName); }
    CTestWindow window;
    SkinUI::CPaintManagerUI manager;
    SkinUI::CControlUI* pRoot;
};

// Reported unknown elements ("file|element").
std::vector<std::wstring>& ReportedUnknown();

} // namespace SkinsTest
