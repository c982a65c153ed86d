#include "engine/markup/CXmlDocumentUI.h"

#include <cwchar>

#include "engine/resources/CByteBuffer.h"
#include "engine/resources/CResourceReader.h"

namespace SkinUI
{

CXmlDocumentUI::CXmlDocumentUI() = default;

CXmlDocumentUI::~CXmlDocumentUI() = default;

void CXmlDocumentUI::reset()
{
    m_doc.reset();
    m_node = pugi::xml_node();
}

bool CXmlDocumentUI::Fail(const wchar_t* pstrReason)
{
    reset();
    m_sError = pstrReason;
    return false;
}

bool CXmlDocumentUI::Finish(const pugi::xml_parse_result& result)
{
    if (!result)
    {
        // A partly parsed tree is never handed out.
        CUIString sReason = FromUtf8(result.description());
        return Fail(sReason);
    }
    m_node = m_doc;
    m_sError.Empty();
    return true;
}

bool CXmlDocumentUI::load_buffer(const void* pData, size_t nSize)
{
    if (pData == nullptr)
        return Fail(L"File is empty");
    reset();
    return Finish(m_doc.load_buffer(pData, nSize, PARSE_OPTIONS, pugi::encoding_auto));
}

bool CXmlDocumentUI::load_string(const wchar_t* pstrXml)
{
    if (pstrXml == nullptr)
        return Fail(L"File is empty");
    reset();
    size_t nBytes = wcslen(pstrXml) * sizeof(wchar_t);
    return Finish(m_doc.load_buffer(pstrXml, nBytes, PARSE_OPTIONS, pugi::encoding_wchar));
}

bool CXmlDocumentUI::load_file(const wchar_t* pstrName)
{
    m_sFileName = pstrName;
    CByteBuffer data;
    switch (CResourceReader::ReadSkinResource(pstrName, data, MAX_FILE_SIZE))
    {
    case CResourceReader::READ_OK:
        break;
    case CResourceReader::READ_EMPTY:
        return Fail(L"File is empty");
    case CResourceReader::READ_TOO_LARGE:
        return Fail(L"File too large");
    case CResourceReader::READ_SHORT:
        return Fail(L"Could not read file");
    case CResourceReader::READ_NO_ARCHIVE:
        return Fail(L"Error opening zip file");
    case CResourceReader::READ_NOT_IN_ARCHIVE:
        return Fail(L"Could not find ziped file");
    case CResourceReader::READ_UNZIP_FAILED:
        return Fail(L"Could not unzip file");
    case CResourceReader::READ_NO_MEMORY:
        return Fail(L"Could not allocate memory");
    case CResourceReader::READ_OPEN_FAILED:
    default:
        return Fail(L"Error opening file");
    }
    return load_buffer(data.GetData(), data.GetSize());
}

bool CXmlDocumentUI::save_file(const wchar_t* pstrPath) const
{
    if (pstrPath == nullptr || *pstrPath == L'\0' || m_node.empty())
        return false;
    return m_doc.save_file(pstrPath, "\t", pugi::format_default, pugi::encoding_utf8);
}

bool CXmlDocumentUI::save_to_default_file() const
{
    return save_file(m_sFileName);
}

} // namespace SkinUI
