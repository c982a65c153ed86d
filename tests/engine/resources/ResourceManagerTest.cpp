// The resource index (first path wins, element names without case), the text map and GetText
// with and without a query interface.
#include "ResourceTestSupport.h"

#include <string>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/resources/CImageLoader.h"
#include "engine/resources/CResourceManager.h"

using namespace SkinUI;
using ResourceTest::ReadData;

namespace
{

class ResourceManager : public ResourceTest::CResourceTest
{
};

class CCountingQuery : public IQueryControlText
{
public:
    const wchar_t* QueryControlText(const wchar_t* lpstrId, const wchar_t*) override
    {
        ++m_nCalls;
        return wcscmp(lpstrId, L"asked") == 0 ? L"answer" : nullptr;
    }
    int m_nCalls = 0;
};

std::wstring Str(const wchar_t* p)
{
    return p != nullptr ? std::wstring(p) : std::wstring(L"<null>");
}

} // namespace

TEST_F(ResourceManager, IndexFromTheArchiveKeepsTheFirstPath)
{
    static std::vector<BYTE> zip = ReadData(L"skin.zip");
    CPaintManagerUI::SetResourceZip(zip.data(), zip.size(), L"");
    CResourceManager* pManager = CResourceManager::GetInstance();
    EXPECT_EQ(pManager, CResourceManager::GetInstance());
    ASSERT_TRUE(pManager->LoadResource(STRINGorID(L"res.xml")));
    EXPECT_EQ(L"page_home.png", Str(pManager->GetImagePath(L"logo")));
    EXPECT_EQ(L"MainFrame.xml", Str(pManager->GetXmlPath(L"main")));
    EXPECT_EQ(L"<null>", Str(pManager->GetImagePath(L"noPath")));
    EXPECT_EQ(L"<null>", Str(pManager->GetImagePath(L"LOGO")));

    // Images named by their index id load the indexed file.
    tagTImageInfo* pImage = CImageLoader::LoadImage(L"logo");
    ASSERT_NE(nullptr, pImage);
    EXPECT_TRUE(pImage->bAlpha);
    CImageLoader::FreeImage(pImage);

    // The installer's archive has no index: the load fails and changes nothing.
    EXPECT_FALSE(pManager->LoadResource(STRINGorID(L"missing.xml")));
    pManager->ResetResourceMap();
    EXPECT_EQ(L"<null>", Str(pManager->GetImagePath(L"logo")));
}

TEST_F(ResourceManager, IndexFromXmlText)
{
    CResourceManager* pManager = CResourceManager::GetInstance();
    EXPECT_TRUE(pManager->LoadResource(STRINGorID(
        L"<Index><RES><IMAGE id=\"a\" path=\"a.png\"/><xml id=\"b\" path=\"b.xml\"/></RES></Index>")));
    EXPECT_EQ(L"a.png", Str(pManager->GetImagePath(L"a")));
    EXPECT_EQ(L"b.xml", Str(pManager->GetXmlPath(L"b")));
    EXPECT_FALSE(pManager->LoadResource(STRINGorID(L"<broken")));
    EXPECT_FALSE(pManager->LoadResource(STRINGorID(130u)));
}

TEST_F(ResourceManager, TextsComeFromTheMapTheQueryOrTheId)
{
    CResourceManager* pManager = CResourceManager::GetInstance();
    EXPECT_EQ(L"", Str(pManager->GetText(nullptr)));
    EXPECT_EQ(L"plain id", Str(pManager->GetText(L"plain id")));

    ASSERT_TRUE(pManager->LoadLanguage(
        L"<Lang><Res><Text id=\"hello\" value=\"Hallo \u4f60\u597d\"/><Text id=\"x\"/></Res></Lang>"));
    EXPECT_EQ(L"Hallo \u4f60\u597d", Str(pManager->GetText(L"hello")));
    EXPECT_EQ(L"x", Str(pManager->GetText(L"x")));
    ASSERT_TRUE(pManager->LoadLanguage(L"<Lang><Res><Text id=\"hello\" value=\"Hi\"/></Res></Lang>"));
    EXPECT_EQ(L"Hi", Str(pManager->GetText(L"hello")));

    CCountingQuery query;
    pManager->SetTextQueryInterface(&query);
    EXPECT_EQ(L"answer", Str(pManager->GetText(L"asked")));
    EXPECT_EQ(L"answer", Str(pManager->GetText(L"asked")));
    EXPECT_EQ(1, query.m_nCalls); // the answer is kept
    EXPECT_EQ(L"unknown", Str(pManager->GetText(L"unknown")));
    EXPECT_EQ(L"Hi", Str(pManager->GetText(L"hello")));
    pManager->SetTextQueryInterface(nullptr);

    pManager->SetLanguage(L"English");
    EXPECT_EQ(L"English", Str(pManager->GetLanguage()));
    pManager->ResetTextMap();
    EXPECT_EQ(L"hello", Str(pManager->GetText(L"hello")));
    // Term destroys the instance; the next GetInstance makes a fresh one.
    CPaintManagerUI::Term();
    EXPECT_EQ(L"", Str(CResourceManager::GetInstance()->GetLanguage()));
}
