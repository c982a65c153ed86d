#include "engine/lang/CLangManagerUI.h"

#include <new>

#include "engine/lang/CLangFileReader.h"
#include "engine/markup/CXmlDocumentUI.h"

namespace SkinUI
{

CUIString CLangManagerUI::s_sLangPath;
CUIString CLangManagerUI::s_sLangName;
std::map<int, std::unique_ptr<tagStringTable>> CLangManagerUI::m_mStringTable;

CLangManagerUI::CLangManagerUI() : m_mPackages(83), m_mPackageNames(83) {}

CLangManagerUI::~CLangManagerUI()
{
    ResetPackage();
    for (int i = 0; i < m_mPackageNames.GetSize(); ++i)
        delete static_cast<CUIString*>(m_mPackageNames.Find(m_mPackageNames.GetAt(i), false));
    m_mPackageNames.RemoveAll();
}

void CLangManagerUI::SetLanguage(const wchar_t* pstrPath, const wchar_t* pstrName)
{
    s_sLangPath = pstrPath != nullptr ? pstrPath : L"";
    s_sLangName = pstrName != nullptr ? pstrName : L"";
    LoadStringTable();
}

CUIString CLangManagerUI::GetString(int id, const wchar_t* /*pstrText*/)
{
    auto it = m_mStringTable.find(id);
    return it != m_mStringTable.end() ? it->second->text1 : CUIString();
}

CUIString CLangManagerUI::GetStringExtra(int id, const wchar_t* /*pstrText*/)
{
    auto it = m_mStringTable.find(id);
    return it != m_mStringTable.end() ? it->second->text2 : CUIString();
}

void CLangManagerUI::ReleaseStringTable()
{
    m_mStringTable.clear();
}

CUIString CLangManagerUI::LangFolder()
{
    CUIString sPath = s_sLangPath;
    if (sPath.IsEmpty() || sPath[sPath.GetLength() - 1] != L'\\')
        sPath += L'\\';
    return sPath;
}

int CLangManagerUI::LoadStringTable()
{
    ReleaseStringTable();
    CUIString sFile = LangFolder() + L"StringTable.lng";
    return LoadStringTableResource(STRINGorID(sFile.GetData()));
}

int CLangManagerUI::LoadStringTableResource(STRINGorID xml, const wchar_t* pstrType)
{
    CXmlDocumentUI doc;
    if (!CLangFileReader::Load(xml, pstrType, doc))
        return 0;
    return LoadStringTableResource(doc);
}

int CLangManagerUI::LoadStringTableResource(const CXmlNodeUI& root)
{
    if (!CLangFileReader::HasLanguage(root))
        return 0;
    for (CXmlNodeUI node = CLangFileReader::FirstEntry(root, L"String", false); node;
         node = CLangFileReader::NextEntry(node, L"String", false))
    {
        const int nId = node.attribute(L"id").as_int();
        if (m_mStringTable.find(nId) != m_mStringTable.end())
            continue; // the first record of an id stays
        std::unique_ptr<tagStringTable> record(new (std::nothrow) tagStringTable);
        if (!record)
            return 0;
        record->id = nId;
        record->text1 = node.attribute(L"text1").value();
        record->text2 = node.attribute(L"text2").value();
        try
        {
            m_mStringTable.emplace(nId, std::move(record));
        }
        catch (const std::bad_alloc&)
        {
            return 0;
        }
    }
    return 1;
}

CUIString CLangManagerUI::PackageFileName(const wchar_t* pstrSkinFile)
{
    CUIString sName = pstrSkinFile != nullptr ? pstrSkinFile : L"";
    const int iDot = sName.ReverseFind(L'.');
    if (iDot >= 0)
        sName = sName.Left(iDot) + L".lng";
    return sName;
}

CLangPackageUI* CLangManagerUI::AddPackage(const wchar_t* pstrSkinFile)
{
    if (pstrSkinFile == nullptr || *pstrSkinFile == L'\0')
        return nullptr;
    if (m_mPackageNames.Find(pstrSkinFile) != nullptr)
        return nullptr;
    CUIString* pName = new (std::nothrow) CUIString(pstrSkinFile);
    if (pName == nullptr)
        return nullptr;
    if (!m_mPackageNames.Insert(pstrSkinFile, pName))
    {
        delete pName;
        return nullptr;
    }
    return _addPackage(pstrSkinFile);
}

CLangPackageUI* CLangManagerUI::_addPackage(const wchar_t* pstrSkinFile)
{
    if (pstrSkinFile == nullptr || m_mPackages.Find(pstrSkinFile) != nullptr)
        return nullptr;
    std::unique_ptr<CLangPackageUI> pPackage(new (std::nothrow) CLangPackageUI);
    if (!pPackage)
        return nullptr;
    pPackage->SetSkinFile(pstrSkinFile);
    CUIString sFile = LangFolder() + PackageFileName(pstrSkinFile);
    // A missing or broken file leaves the package empty; the controls then show their own texts.
    pPackage->LoadResource(STRINGorID(sFile.GetData()));
    if (!m_mPackages.Insert(pstrSkinFile, pPackage.get()))
        return nullptr;
    return pPackage.release();
}

CLangPackageUI* CLangManagerUI::GetPackage(const wchar_t* pstrSkinFile) const
{
    if (pstrSkinFile == nullptr)
        return nullptr;
    return static_cast<CLangPackageUI*>(m_mPackages.Find(pstrSkinFile));
}

void CLangManagerUI::ReloadLanguage()
{
    ResetPackage();
    for (int i = 0; i < m_mPackageNames.GetSize(); ++i)
    {
        const wchar_t* pstrName = m_mPackageNames.GetAt(i);
        if (pstrName != nullptr)
            _addPackage(pstrName);
    }
}

void CLangManagerUI::ResetPackage()
{
    for (int i = 0; i < m_mPackages.GetSize(); ++i)
        delete static_cast<CLangPackageUI*>(m_mPackages.Find(m_mPackages.GetAt(i), false));
    m_mPackages.RemoveAll();
}

} // namespace SkinUI
