// CResourceManager: the process-wide resource index (image id -> path, skin id -> path) and
// text map (text id -> text), with an optional text query interface for missing texts.
//
// Contract: one instance, made on first GetInstance (thread-safe one-time initialisation) and
// destroyed by Release (CPaintManagerUI::Term calls it). LoadResource reads an index document:
// under "Res", "Image" and "Xml" elements with both "id" and "path" (element names without
// regard to case); an id already present keeps its first path. LoadLanguage reads "Text"
// elements ("id", "value") and replaces existing texts. GetText answers the map's text, else
// asks the query interface and keeps its answer, else the id itself; a null id gives "".
//
// Not done: no locking after construction (UI thread only).
#pragma once

#include <windows.h>
#include "engine/core/CStdStringPtrMap.h"
#include "engine/core/CUIString.h"
#include "engine/core/STRINGorID.h"
#include "engine/markup/CXmlDocumentUI.h"
#include "engine/resources/IQueryControlText.h"

namespace SkinUI
{

class CResourceManager
{
public:
    static CResourceManager* GetInstance();
    void Release();

    // A module resource of that type when given by number, XML text when the text starts
    // with '<', otherwise a skin file. False when nothing could be read or parsed.
    bool LoadResource(STRINGorID xml, const wchar_t* type = nullptr);
    // XML text in memory (any encoding the parser detects).
    bool LoadResourceFromMemory(const void* pData, DWORD dwSize);
    // The index's root element (or a document, whose first element is taken): its "Res"
    // children's "Image" and "Xml" entries.
    bool LoadResource(CXmlNodeUI root);

    const wchar_t* GetImagePath(const wchar_t* lpstrId);
    const wchar_t* GetXmlPath(const wchar_t* lpstrId);

    bool LoadLanguage(const wchar_t* pstrXml);
    const wchar_t* GetText(const wchar_t* lpstrId, const wchar_t* lpstrType = nullptr);
    void ReloadText();
    void ResetResourceMap();
    void ResetTextMap();

    void SetTextQueryInterface(IQueryControlText* pInterface) { m_pQueryInterface = pInterface; }
    void SetLanguage(const wchar_t* pstrLanguage) { m_sLanguage = pstrLanguage; }
    const wchar_t* GetLanguage() const { return m_sLanguage.GetData(); }

private:
    CResourceManager();
    ~CResourceManager();
    CResourceManager(const CResourceManager&) = delete;
    CResourceManager& operator=(const CResourceManager&) = delete;

    enum EDocKind
    {
        DOC_INDEX,
        DOC_LANGUAGE
    };
    bool LoadDocument(STRINGorID xml, const wchar_t* type, EDocKind kind);
    bool ReadEntries(CXmlNodeUI root, EDocKind kind);
    static bool AddOnce(CStdStringPtrMap& map, const wchar_t* key, const wchar_t* value);

    CStdStringPtrMap m_mTextResourceHashMap;
    IQueryControlText* m_pQueryInterface;
    CStdStringPtrMap m_mImageHashMap;
    CStdStringPtrMap m_mXmlHashMap;
    CXmlDocumentUI m_xml; // the index or language document last read
    CUIString m_sLanguage;

    static CResourceManager* s_pInstance;
};

} // namespace SkinUI
