#include "engine/resources/CResourceManager.h"

#include <new>

#include "engine/resources/CByteBuffer.h"
#include "engine/resources/CResourceReader.h"
#include "engine/resources/OwnedValueMaps.h"

namespace SkinUI
{

CResourceManager* CResourceManager::s_pInstance = nullptr;

CResourceManager::CResourceManager()
    : m_mTextResourceHashMap(83), m_pQueryInterface(nullptr), m_mImageHashMap(83), m_mXmlHashMap(83)
{
}

CResourceManager::~CResourceManager()
{
    ResetTextMap();
    ResetResourceMap();
}

CResourceManager* CResourceManager::GetInstance()
{
    // The first creation is a thread-safe one-time initialisation; after Release the UI
    // thread may make a new instance.
    static bool s_bMade = (s_pInstance = new CResourceManager, true);
    (void)s_bMade;
    if (s_pInstance == nullptr)
        s_pInstance = new CResourceManager;
    return s_pInstance;
}

void CResourceManager::Release()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
    delete this;
}

bool CResourceManager::AddOnce(CStdStringPtrMap& map, const wchar_t* key, const wchar_t* value)
{
    if (map.Find(key, false) != nullptr)
        return false; // the first path stays
    CUIString* pValue = new (std::nothrow) CUIString(value);
    if (pValue == nullptr)
        return false;
    if (!map.Insert(key, pValue))
    {
        delete pValue;
        return false;
    }
    return true;
}

bool CResourceManager::LoadResource(STRINGorID xml, const wchar_t* type)
{
    return LoadDocument(xml, type, DOC_INDEX);
}

bool CResourceManager::LoadResourceFromMemory(const void* pData, DWORD dwSize)
{
    if (pData == nullptr || dwSize == 0 || !m_xml.load_buffer(pData, dwSize))
        return false;
    return ReadEntries(m_xml, DOC_INDEX);
}

bool CResourceManager::LoadResource(CXmlNodeUI root)
{
    return ReadEntries(root, DOC_INDEX);
}

bool CResourceManager::LoadLanguage(const wchar_t* pstrXml)
{
    if (pstrXml == nullptr)
        return false;
    return LoadDocument(STRINGorID(pstrXml), nullptr, DOC_LANGUAGE);
}

bool CResourceManager::LoadDocument(STRINGorID xml, const wchar_t* type, EDocKind kind)
{
    if (xml.m_lpstr == nullptr)
        return false;
    bool bLoaded = false;
    if (xml.IsID() || (type != nullptr && *type != L'\0' && *xml.m_lpstr != L'<'))
    {
        // A module resource of that type.
        if (type == nullptr || *type == L'\0')
            return false;
        CByteBuffer data;
        if (CResourceReader::ReadModuleResource(xml, type, nullptr, data, CXmlDocumentUI::MAX_FILE_SIZE) !=
            CResourceReader::READ_OK)
            return false;
        bLoaded = m_xml.load_buffer(data.GetData(), data.GetSize());
    }
    else if (*xml.m_lpstr == L'<')
        bLoaded = m_xml.load_string(xml.m_lpstr);
    else
        bLoaded = m_xml.load_file(xml.m_lpstr);
    return bLoaded && ReadEntries(m_xml, kind);
}

bool CResourceManager::ReadEntries(CXmlNodeUI root, EDocKind kind)
{
    if (root.type() == node_document_ui)
        root = root.first_element();
    if (root.type() != node_element_ui)
        return false;
    for (CXmlNodeUI res = root.first_child(); !res.empty(); res = res.next_sibling())
    {
        if (res.type() != node_element_ui || !res.name_is_nocase(L"Res"))
            continue;
        for (CXmlNodeUI item = res.first_child(); !item.empty(); item = item.next_sibling())
        {
            if (item.type() != node_element_ui)
                continue;
            if (kind == DOC_INDEX)
            {
                CXmlAttributeUI id = item.attribute(L"id");
                CXmlAttributeUI path = item.attribute(L"path");
                if (id.empty() || path.empty())
                    continue;
                if (item.name_is_nocase(L"Image"))
                    AddOnce(m_mImageHashMap, id.value(), path.value());
                else if (item.name_is_nocase(L"Xml"))
                    AddOnce(m_mXmlHashMap, id.value(), path.value());
            }
            else if (item.name_is_nocase(L"Text"))
            {
                CXmlAttributeUI id = item.attribute(L"id");
                CXmlAttributeUI value = item.attribute(L"value");
                if (id.empty() || value.empty())
                    continue;
                SetOwnedText(m_mTextResourceHashMap, id.value(), value.value());
            }
        }
    }
    return true;
}

const wchar_t* CResourceManager::GetImagePath(const wchar_t* lpstrId)
{
    if (lpstrId == nullptr)
        return nullptr;
    const CUIString* pPath = static_cast<const CUIString*>(m_mImageHashMap.Find(lpstrId));
    return pPath != nullptr ? pPath->GetData() : nullptr;
}

const wchar_t* CResourceManager::GetXmlPath(const wchar_t* lpstrId)
{
    if (lpstrId == nullptr)
        return nullptr;
    const CUIString* pPath = static_cast<const CUIString*>(m_mXmlHashMap.Find(lpstrId));
    return pPath != nullptr ? pPath->GetData() : nullptr;
}

const wchar_t* CResourceManager::GetText(const wchar_t* lpstrId, const wchar_t* lpstrType)
{
    if (lpstrId == nullptr)
        return L"";
    const CUIString* pText = static_cast<const CUIString*>(m_mTextResourceHashMap.Find(lpstrId));
    if (pText == nullptr && m_pQueryInterface != nullptr)
    {
        const wchar_t* pAnswer = m_pQueryInterface->QueryControlText(lpstrId, lpstrType);
        if (pAnswer != nullptr)
        {
            SetOwnedText(m_mTextResourceHashMap, lpstrId, pAnswer);
            pText = static_cast<const CUIString*>(m_mTextResourceHashMap.Find(lpstrId));
        }
    }
    return pText != nullptr ? pText->GetData() : lpstrId;
}

void CResourceManager::ReloadText()
{
    // Ask the query interface again for every text it can answer.
    if (m_pQueryInterface == nullptr)
        return;
    for (int i = 0; i < m_mTextResourceHashMap.GetSize(); ++i)
    {
        CUIString sKey = m_mTextResourceHashMap.GetAt(i);
        const wchar_t* pAnswer = m_pQueryInterface->QueryControlText(sKey, nullptr);
        if (pAnswer == nullptr)
            continue;
        CUIString* pText = static_cast<CUIString*>(m_mTextResourceHashMap.Find(sKey, false));
        if (pText != nullptr)
            *pText = pAnswer;
    }
}

void CResourceManager::ResetResourceMap()
{
    DeleteAllValues<CUIString>(m_mImageHashMap);
    DeleteAllValues<CUIString>(m_mXmlHashMap);
}

void CResourceManager::ResetTextMap()
{
    DeleteAllValues<CUIString>(m_mTextResourceHashMap);
}

} // namespace SkinUI
