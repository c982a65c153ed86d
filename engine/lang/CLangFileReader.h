// CLangFileReader: reads a language file (a window's package or the string table) into a parsed
// document, from one of three sources: a module resource of a type (a number below 0x10000),
// the XML text itself (a text starting with '<'), or a skin file read like any skin markup
// (the skin archive when one is configured, else the resource folder).
//
// Contract: false for anything that cannot be read or parsed, the document then empty; reads are
// bounded like skin files. Never throws.
//
// Entries are the child elements of the root element "Language" with a given name that carry
// an "id"; the callers read their other attributes.
//
// Not done: no knowledge of the entries' attributes beyond "id".
#pragma once

#include "engine/core/STRINGorID.h"
#include "engine/markup/CXmlDocumentUI.h"
#include "engine/markup/CXmlNodeUI.h"

namespace SkinUI
{

class CLangFileReader
{
public:
    static bool Load(STRINGorID xml, const wchar_t* pstrType, CXmlDocumentUI& doc);
    // The first entry named pstrName under the document's "Language" element, or a null node.
    static CXmlNodeUI FirstEntry(const CXmlNodeUI& root, const wchar_t* pstrName, bool bNoCase);
    // The entry after node, or a null node.
    static CXmlNodeUI NextEntry(const CXmlNodeUI& node, const wchar_t* pstrName, bool bNoCase);
    // The same "Language" element test the callers report as loaded / not loaded.
    static bool HasLanguage(const CXmlNodeUI& root) { return !root.child(L"Language").empty(); }

private:
    static CXmlNodeUI FromHere(CXmlNodeUI node, const wchar_t* pstrName, bool bNoCase);
};

} // namespace SkinUI
