#include "engine/resources/CResourceManager.h"

#include <new>
#include <pugixml.hpp>

#include "engine/resources/CByteBuffer.h"
#include "engine/resources/CResourceReader.h"
#include "engine/resources/OwnedValueMaps.h"

namespace SkinUI
{

namespace
{

// The parser works in UTF-8; the engine's texts are UTF-16.
CUIString FromUtf8(const char* p)
{
    CUIString s;
    if (p == nullptr || *p == '\0')
        return s;
    int n = ::MultiByteToWideChar(CP_UTF8, 0, p, -1, nullptr, 0);
    if (n <= 1)
        return s;
    CByteBuffer buf;
    if (!buf.Allocate(static_cast<DWORD>(n) * sizeof(wchar_t)))
        return s;
    wchar_t* pWide = reinterpret_cast<wchar_t*>(buf.GetData());
    ::MultiByteToWideChar(CP_UTF8, 0, p, -1, pWide, n);
    s = pWide;
    return s;
}

} // namespace

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
    return ParseDocument(pData, dwSize, DOC_INDEX);
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
    CByteBuffer data;
    if (xml.IsID())
    {
        if (type == nullptr || *type == L'\0')
            return false;
        if (CResourceReader::ReadModuleResource(
                xml, type, nullptr, data, CResourceReader::MAX_SKIN_FILE_SIZE) != CResourceReader::READ_OK)
            return false;
        return ParseDocument(data.GetData(), data.GetSize(), kind);
    }
    const wchar_t* pText = xml.m_lpstr;
    if (*pText == L'<')
    {
        size_t nBytes = wcslen(pText) * sizeof(wchar_t);
        return ParseDocument(pText, static_cast<DWORD>(nBytes), kind, true);
    }
    if (type != nullptr && *type != L'\0')
    {
        if (CResourceReader::ReadModuleResource(
                xml, type, nullptr, data, CResourceReader::MAX_SKIN_FILE_SIZE) != CResourceReader::READ_OK)
            return false;
    }
    else if (CResourceReader::ReadSkinResource(pText, data, CResourceReader::MAX_SKIN_FILE_SIZE) !=
             CResourceReader::READ_OK)
    {
        return false;
    }
    return ParseDocument(data.GetData(), data.GetSize(), kind);
}

bool CResourceManager::ParseDocument(const void* pData, DWORD dwSize, EDocKind kind, bool bWide)
{
    if (pData == nullptr || dwSize == 0)
        return false;
    pugi::xml_document doc;
    if (!doc.load_buffer(pData, dwSize, pugi::parse_default,
                         bWide ? pugi::encoding_utf16_le : pugi::encoding_auto))
        return false;
    for (pugi::xml_node root = doc.first_child(); root; root = root.next_sibling())
    {
        if (root.type() != pugi::node_element)
            continue;
        for (pugi::xml_node res = root.first_child(); res; res = res.next_sibling())
        {
            if (res.type() != pugi::node_element || _stricmp(res.name(), "Res") != 0)
                continue;
            for (pugi::xml_node item = res.first_child(); item; item = item.next_sibling())
            {
                if (item.type() != pugi::node_element)
                    continue;
                const char* pName = item.name();
                if (kind == DOC_INDEX)
                {
                    pugi::xml_attribute id = item.attribute("id");
                    pugi::xml_attribute path = item.attribute("path");
                    if (!id || !path)
                        continue;
                    if (_stricmp(pName, "Image") == 0)
                        AddOnce(m_mImageHashMap, FromUtf8(id.value()), FromUtf8(path.value()));
                    else if (_stricmp(pName, "Xml") == 0)
                        AddOnce(m_mXmlHashMap, FromUtf8(id.value()), FromUtf8(path.value()));
                }
                else if (_stricmp(pName, "Text") == 0)
                {
                    pugi::xml_attribute id = item.attribute("id");
                    pugi::xml_attribute value = item.attribute("value");
                    if (!id || !value)
                        continue;
                    SetOwnedText(m_mTextResourceHashMap, FromUtf8(id.value()), FromUtf8(value.value()));
                }
            }
        }
        break; // only the root element counts
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
