#include "engine/lang/CLangFileReader.h"

#include "engine/resources/CByteBuffer.h"
#include "engine/resources/CResourceReader.h"

namespace SkinUI
{

bool CLangFileReader::Load(STRINGorID xml, const wchar_t* pstrType, CXmlDocumentUI& doc)
{
    doc.reset();
    if (xml.IsID())
    {
        // A module resource needs its type: FindResourceW with no type finds nothing useful.
        if (pstrType == nullptr)
            return false;
        CByteBuffer data;
        if (CResourceReader::ReadModuleResource(xml, pstrType, nullptr, data,
                                                CResourceReader::MAX_SKIN_FILE_SIZE) !=
            CResourceReader::READ_OK)
            return false;
        return doc.load_buffer(data.GetData(), data.GetSize());
    }
    if (xml.m_lpstr == nullptr || *xml.m_lpstr == L'\0')
        return false;
    if (*xml.m_lpstr == L'<')
        return doc.load_string(xml.m_lpstr);
    return doc.load_file(xml.m_lpstr);
}

CXmlNodeUI CLangFileReader::FirstEntry(const CXmlNodeUI& root, const wchar_t* pstrName, bool bNoCase)
{
    return FromHere(root.child(L"Language").first_child(), pstrName, bNoCase);
}

CXmlNodeUI CLangFileReader::NextEntry(const CXmlNodeUI& node, const wchar_t* pstrName, bool bNoCase)
{
    return FromHere(node.next_sibling(), pstrName, bNoCase);
}

CXmlNodeUI CLangFileReader::FromHere(CXmlNodeUI node, const wchar_t* pstrName, bool bNoCase)
{
    for (; node; node = node.next_sibling())
    {
        if (node.type() != node_element_ui)
            continue;
        const bool bName = bNoCase ? node.name_is_nocase(pstrName) : node.name_is(pstrName);
        if (bName && !node.attribute(L"id").empty())
            return node;
    }
    return CXmlNodeUI();
}

} // namespace SkinUI
