// CXmlNodeUI: one node of a parsed skin document (element, text, comment, ...), with the
// traversal the builder, the resource index and the language packages use, and pugixml's
// editing operations.
//
// Contract: holds a parser handle only; copied by value, owns nothing, valid while its document
// lives and the node is not removed. A null handle (empty()) stands for no node: traversal from
// it gives null nodes, names and values are empty. Names are compared with exact case. Texts go
// in and out as UTF-16; the parser keeps UTF-8 internally and each call converts.
//
// Not done: no XPath, no case-insensitive lookups (callers walk the children for those).
#pragma once

#include <windows.h>
#include <pugixml.hpp>

#include "engine/core/CUIString.h"
#include "engine/markup/CXmlAttributeUI.h"
#include "engine/resources/CByteBuffer.h"

namespace SkinUI
{

enum xml_node_type_ui
{
    node_null_ui = 0,
    node_document_ui = 1,
    node_element_ui = 2,
    node_pcdata_ui = 3,
    node_cdata_ui = 4,
    node_comment_ui = 5,
    node_pi_ui = 6,
    node_declaration_ui = 7,
    node_doctype_ui = 8
};

class CXmlNodeUI
{
public:
    CXmlNodeUI() = default;
    explicit CXmlNodeUI(pugi::xml_node node) : m_node(node) {}

    bool empty() const { return m_node.empty(); }
    explicit operator bool() const { return !m_node.empty(); }
    bool operator==(const CXmlNodeUI& r) const { return m_node == r.m_node; }
    bool operator!=(const CXmlNodeUI& r) const { return m_node != r.m_node; }

    xml_node_type_ui type() const { return static_cast<xml_node_type_ui>(m_node.type()); }
    CUIString name() const;
    CUIString value() const;
    // Exact-case comparison of the name without converting it.
    bool name_is(const wchar_t* pstrName) const;
    // The same, ASCII letters folded (element names of the markup vocabulary).
    bool name_is_nocase(const wchar_t* pstrName) const;
    bool has_children() const { return !m_node.first_child().empty(); }
    bool has_attributes() const { return !m_node.first_attribute().empty(); }

    CXmlNodeUI parent() const { return CXmlNodeUI(m_node.parent()); }
    CXmlNodeUI root() const { return CXmlNodeUI(m_node.root()); }
    CXmlNodeUI first_child() const { return CXmlNodeUI(m_node.first_child()); }
    CXmlNodeUI last_child() const { return CXmlNodeUI(m_node.last_child()); }
    CXmlNodeUI next_sibling() const { return CXmlNodeUI(m_node.next_sibling()); }
    CXmlNodeUI previous_sibling() const { return CXmlNodeUI(m_node.previous_sibling()); }
    CXmlNodeUI child(const wchar_t* pstrName) const;
    CXmlNodeUI next_sibling(const wchar_t* pstrName) const;
    // The first child that is an element (the root element of a document).
    CXmlNodeUI first_element() const;
    CUIString child_value() const;

    CXmlAttributeUI first_attribute() const { return CXmlAttributeUI(m_node.first_attribute()); }
    CXmlAttributeUI last_attribute() const { return CXmlAttributeUI(m_node.last_attribute()); }
    CXmlAttributeUI attribute(const wchar_t* pstrName) const;

    // Editing (not used for skins).
    bool set_name(const wchar_t* rhs);
    bool set_value(const wchar_t* rhs);
    CXmlNodeUI append_child(xml_node_type_ui type = node_element_ui);
    CXmlNodeUI append_child(const wchar_t* pstrName);
    CXmlNodeUI prepend_child(const wchar_t* pstrName);
    CXmlNodeUI insert_child_before(const wchar_t* pstrName, const CXmlNodeUI& node);
    CXmlAttributeUI append_attribute(const wchar_t* pstrName);
    bool remove_child(const CXmlNodeUI& node) { return m_node.remove_child(node.m_node); }
    bool remove_attribute(const CXmlAttributeUI& attr) { return m_node.remove_attribute(attr.internal()); }

    pugi::xml_node internal() const { return m_node; }

    // Conversions between the engine's UTF-16 and the parser's UTF-8. ToUtf8 leaves a
    // zero-terminated text in out (false only when memory is short).
    static CUIString FromUtf8(const char* p);
    static bool ToUtf8(const wchar_t* p, CByteBuffer& out);
    // A parser name against a wide name; ASCII letters folded when bNoCase.
    static bool MatchName(const char* pUtf8, const wchar_t* pWide, bool bNoCase);

protected:
    pugi::xml_node m_node;
};

} // namespace SkinUI
