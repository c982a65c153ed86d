#include "tests/resources/SkinsTestSupport.h"

#include <cstring>

#include "engine/lang/CLangManagerUI.h"
#include "engine/markup/CDialogBuilder.h"
#include "engine/markup/CXmlDocumentUI.h"
#include "engine/resources/CResourceReader.h"

namespace SkinsTest
{

namespace
{

void RecordUnknown(const wchar_t* pstrSkinFile, const wchar_t* pstrElement)
{
    ReportedUnknown().push_back(std::wstring(pstrSkinFile) + L"|" + pstrElement);
}

DWORD Le32(const BYTE* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24);
}
WORD Le16(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

// Calls f(element) for the element and every element below it.
template <typename F> void ForEachElement(const SkinUI::CXmlNodeUI& node, F f)
{
    for (SkinUI::CXmlNodeUI n = node.first_child(); n; n = n.next_sibling())
    {
        if (n.type() != SkinUI::node_element_ui)
            continue;
        f(n);
        ForEachElement(n, f);
    }
}

bool LoadSkin(const wchar_t* pszSkinFile, SkinUI::CXmlDocumentUI& doc)
{
    std::vector<BYTE> bytes = ReadMember(pszSkinFile);
    return !bytes.empty() && doc.load_buffer(bytes.data(), bytes.size());
}

bool IsImageAttribute(const std::wstring& name)
{
    return name.size() >= 5 && name.compare(name.size() - 5, 5, L"image") == 0;
}

} // namespace

std::vector<std::wstring>& ReportedUnknown()
{
    static std::vector<std::wstring> s_reported;
    return s_reported;
}

const BYTE* ModuleResource(const wchar_t* pszType, const wchar_t* pszName, DWORD* pdwSize)
{
    *pdwSize = 0;
    HMODULE hModule = ::GetModuleHandleW(nullptr);
    HRSRC hRes = ::FindResourceW(hModule, pszName, pszType);
    if (hRes == nullptr)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    if (hData == nullptr)
        return nullptr;
    *pdwSize = ::SizeofResource(hModule, hRes);
    return static_cast<const BYTE*>(::LockResource(hData));
}

std::vector<std::string> ZipMemberNames(const BYTE* pData, DWORD dwSize)
{
    std::vector<std::string> names;
    if (pData == nullptr || dwSize < 22)
        return names;
    DWORD eocd = dwSize - 22; // the archive carries no comment
    if (Le32(pData + eocd) != 0x06054b50)
        return names;
    WORD count = Le16(pData + eocd + 10);
    DWORD offset = Le32(pData + eocd + 16);
    for (WORD i = 0; i < count && offset + 46 <= dwSize; ++i)
    {
        if (Le32(pData + offset) != 0x02014b50)
            break;
        WORD nameLen = Le16(pData + offset + 28);
        WORD extraLen = Le16(pData + offset + 30);
        WORD commentLen = Le16(pData + offset + 32);
        if (offset + 46 + nameLen > dwSize)
            break;
        names.emplace_back(reinterpret_cast<const char*>(pData + offset + 46), nameLen);
        offset += 46 + nameLen + extraLen + commentLen;
    }
    return names;
}

std::vector<BYTE> ReadMember(const wchar_t* pszName)
{
    SkinUI::CByteBuffer buffer;
    if (SkinUI::CResourceReader::ReadFromArchive(pszName, buffer) != SkinUI::CResourceReader::READ_OK)
        return {};
    return std::vector<BYTE>(buffer.GetData(), buffer.GetData() + buffer.GetSize());
}

std::set<std::wstring> ImageNamesIn(const wchar_t* pszSkinFile)
{
    std::set<std::wstring> names;
    SkinUI::CXmlDocumentUI doc;
    if (!LoadSkin(pszSkinFile, doc))
        return names;
    ForEachElement(
        doc,
        [&](const SkinUI::CXmlNodeUI& element)
        {
            for (SkinUI::CXmlAttributeUI a = element.first_attribute(); a; a = a.next_attribute())
            {
                std::wstring value = a.value().GetData();
                bool bItems = false;
                for (size_t at = value.find(L"file='"); at != std::wstring::npos;
                     at = value.find(L"file='", at))
                {
                    at += 6;
                    size_t end = value.find(L'\'', at);
                    names.insert(value.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at));
                    bItems = true;
                }
                if (!bItems && IsImageAttribute(a.name().GetData()) && value.find(L'=') == std::wstring::npos)
                    names.insert(value);
            }
        });
    return names;
}

std::set<int> ResourceIdsIn(const wchar_t* pszSkinFile)
{
    std::set<int> ids;
    SkinUI::CXmlDocumentUI doc;
    if (!LoadSkin(pszSkinFile, doc))
        return ids;
    ForEachElement(doc,
                   [&](const SkinUI::CXmlNodeUI& element)
                   {
                       SkinUI::CXmlAttributeUI a = element.attribute(L"resourceid");
                       if (a)
                           ids.insert(a.as_int());
                   });
    return ids;
}

const std::map<std::wstring, SIZE>& ListedImageSizes()
{
    static const std::map<std::wstring, SIZE> s_sizes = {
        {L"page_home.png", {600, 400}},     {L"page_install.png", {600, 400}},
        {L"page_finished.png", {600, 400}}, {L"page_home_chs.png", {600, 400}},
        {L"btn_setup.png", {160, 160}},     {L"btn_alter.png", {74, 128}},
        {L"btn_close.png", {14, 56}},       {L"btn_dlgclose.png", {14, 56}},
        {L"btn_dlgyes.png", {96, 128}},     {L"btn_dlgno.png", {96, 128}},
        {L"common_choose.png", {14, 28}},   {L"pro_bk.png", {520, 10}},
        {L"pro_loading.png", {520, 10}},    {L"png_question.png", {48, 48}},
        {L"png_message.png", {48, 48}},
    };
    return s_sizes;
}

void CSkinsTest::SetUp()
{
    SkinUI::CPaintManagerUI::Term();
    SkinUI::CPaintManagerUI::SetResourcePath(L"");
    ReportedUnknown().clear();
    SkinUI::CDialogBuilder::SetUnknownControlReporter(&RecordUnknown);
    DWORD dwSize = 0;
    const BYTE* pZip = ModuleResource(L"ZIPRES", MAKEINTRESOURCEW(130), &dwSize);
    ASSERT_NE(nullptr, pZip) << "the executable carries no ZIPRES 130";
    SkinUI::CPaintManagerUI::SetResourceZip(pZip, dwSize, L"");
}

void CSkinsTest::TearDown()
{
    SkinUI::CLangManagerUI::SetLanguage(L"", L"");
    SkinUI::CLangManagerUI::ReleaseStringTable();
    SkinUI::CPaintManagerUI::Term();
}

CBuiltSkin::CBuiltSkin(const wchar_t* pszSkinFile) : window(600, 400), pRoot(nullptr)
{
    manager.Init(window.Get());
    manager.SetDPI(96);
    SkinUI::CDialogBuilder builder;
    pRoot = builder.Create(pszSkinFile, nullptr, nullptr, &manager);
    if (pRoot == nullptr)
        return;
    manager.AttachDialog(pRoot);
    // The window's package of this skin, as the window classes make it (no second one when the
    // builder made it already).
    SkinUI::CLangManagerUI* pLang = manager.GetLangManager();
    if (pLang->GetPackage(pszSkinFile) == nullptr)
        pLang->AddPackage(pszSkinFile);
}

CBuiltSkin::~CBuiltSkin() {}

} // namespace SkinsTest
