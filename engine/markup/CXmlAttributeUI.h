// CXmlAttributeUI: one attribute of a parsed skin document, read as the engine's wide texts and
// skin values (integers, booleans, colours, sizes, rectangles).
//
// Contract: holds a parser handle only; copied by value, owns nothing, valid while its document
// lives and the attribute is not removed. A null handle (empty()) reads as missing: every
// conversion then returns its default (colours return 0). Conversions never fail loudly: text
// that cannot be read gives the documented fallback.
//
// Not done: no ownership of the document, no caching of converted texts (each call converts).
#pragma once

#include <windows.h>
#include <pugixml.hpp>

#include "engine/core/CUIRect.h"
#include "engine/core/CUISize.h"
#include "engine/core/CUIString.h"

namespace SkinUI
{

class CXmlAttributeUI
{
public:
    CXmlAttributeUI() = default;
    explicit CXmlAttributeUI(pugi::xml_attribute attr) : m_attr(attr) {}

    bool empty() const { return m_attr.empty(); }
    explicit operator bool() const { return !m_attr.empty(); }
    bool operator==(const CXmlAttributeUI& r) const { return m_attr == r.m_attr; }
    bool operator!=(const CXmlAttributeUI& r) const { return m_attr != r.m_attr; }

    CUIString name() const;
    CUIString value() const;
    // Exact-case comparison of the name without converting it.
    bool name_is(const wchar_t* pstrName) const;
    CXmlAttributeUI next_attribute() const { return CXmlAttributeUI(m_attr.next_attribute()); }
    CXmlAttributeUI previous_attribute() const { return CXmlAttributeUI(m_attr.previous_attribute()); }

    CUIString as_string(const wchar_t* def = L"") const;
    // Leading white space, a sign, decimal or 0x hexadecimal digits; clamped to the type's range.
    int as_int(int def = 0) const;
    unsigned int as_uint(unsigned int def = 0) const;
    // True when the text starts with 1, t, T, y or Y.
    bool as_bool(bool def = false) const;
    // ARGB: characters up to ' ' and one '#' skipped, then hexadecimal; missing reads 0.
    DWORD as_uicolor(DWORD def = 0) const;
    CUISize as_size(CUISize def = CUISize()) const;
    CUIRect as_rect(CUIRect def = CUIRect()) const;
    float as_float(float def = 0) const;
    double as_double(double def = 0) const;

    bool set_name(const wchar_t* rhs);
    bool set_value(const wchar_t* rhs);

    pugi::xml_attribute internal() const { return m_attr; }

private:
    pugi::xml_attribute m_attr;
};

} // namespace SkinUI
