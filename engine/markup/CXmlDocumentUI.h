// CXmlDocumentUI: a parsed skin document (skin files, the resource index, language packages),
// loaded from a skin file, a byte buffer or wide XML text.
//
// Contract: owns the parser's document; the node part of the object is the document node once
// something loaded (a null node before and after a failed load). Documents are parsed with
// processing instructions, comments, CDATA, escapes, end-of-line normalisation, attribute
// white-space conversion, declarations and document types. Byte buffers have their encoding
// detected (byte-order marks, the pattern of a leading '<', Latin-1 from the declaration, UTF-8
// otherwise). load_file reads through the skin resources: the member of the configured archive
// (back-slashes as slashes, ASCII case folded) or the file under the resource folder, at most
// MAX_FILE_SIZE bytes. A failed load leaves the document empty and GetError holding the reason.
//
// Not done: saving does not go back into an archive; no incremental or streamed parsing.
#pragma once

#include <windows.h>
#include <pugixml.hpp>

#include "engine/core/CUIString.h"
#include "engine/markup/CXmlNodeUI.h"

namespace SkinUI
{

class CXmlDocumentUI : public CXmlNodeUI
{
public:
    enum : unsigned int
    {
        PARSE_OPTIONS = 0x377
    };
    enum : DWORD
    {
        MAX_FILE_SIZE = 4 * 1024 * 1024
    };

    CXmlDocumentUI();
    ~CXmlDocumentUI();
    CXmlDocumentUI(const CXmlDocumentUI&) = delete;
    CXmlDocumentUI& operator=(const CXmlDocumentUI&) = delete;

    bool load_file(const wchar_t* pstrName);
    bool load_buffer(const void* pData, size_t nSize);
    bool load_string(const wchar_t* pstrXml);
    bool save_file(const wchar_t* pstrPath) const;
    bool save_to_default_file() const;
    void reset();

    const wchar_t* GetError() const { return m_sError.GetData(); }

private:
    bool Fail(const wchar_t* pstrReason);
    bool Finish(const pugi::xml_parse_result& result);

    pugi::xml_document m_doc;
    CUIString m_sFileName;
    CUIString m_sError;
};

} // namespace SkinUI
