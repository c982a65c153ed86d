#include "tests/engine/markup/MarkupTestSupport.h"

#include "engine/markup/CDialogBuilder.h"
#include "tests/engine/resources/TestFiles.h"
#include "tests/support/ExeFolder.h"

namespace MarkupTest
{

namespace
{

void RecordUnknown(const wchar_t* pstrSkinFile, const wchar_t* pstrElement)
{
    ReportedUnknown().push_back(std::wstring(pstrSkinFile) + L"|" + pstrElement);
}

} // namespace

const std::vector<BYTE>& ArchiveBytes()
{
    static std::vector<BYTE> s_data =
        ResourceTest::ReadFileBytes(PathBesideExe(L"markup_data\\markup.zip").c_str());
    return s_data;
}

std::vector<std::wstring>& ReportedUnknown()
{
    static std::vector<std::wstring> s_reported;
    return s_reported;
}

void CMarkupTest::SetUp()
{
    SkinUI::CPaintManagerUI::Term();
    SkinUI::CPaintManagerUI::SetResourcePath(L"");
    ReportedUnknown().clear();
    SkinUI::CDialogBuilder::SetUnknownControlReporter(&RecordUnknown);
    const std::vector<BYTE>& zip = ArchiveBytes();
    ASSERT_FALSE(zip.empty()) << "markup.zip missing beside the test executable";
    SkinUI::CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned int>(zip.size()), L"");
}

void CMarkupTest::TearDown()
{
    SkinUI::CPaintManagerUI::Term();
    SkinUI::CPaintManagerUI::SetResourcePath(L"");
}

} // namespace MarkupTest
