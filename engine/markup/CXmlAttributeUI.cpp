#include "engine/markup/CXmlAttributeUI.h"

#include <cwchar>

#include "engine/markup/CXmlNodeUI.h"

namespace SkinUI
{

CUIString CXmlAttributeUI::name() const
{
    return CXmlNodeUI::FromUtf8(m_attr.name());
}

CUIString CXmlAttributeUI::value() const
{
    return CXmlNodeUI::FromUtf8(m_attr.value());
}

bool CXmlAttributeUI::name_is(const wchar_t* pstrName) const
{
    return !m_attr.empty() && CXmlNodeUI::MatchName(m_attr.name(), pstrName, false);
}

CUIString CXmlAttributeUI::as_string(const wchar_t* def) const
{
    if (m_attr.empty())
        return CUIString(def != nullptr ? def : L"");
    return value();
}

int CXmlAttributeUI::as_int(int def) const
{
    return m_attr.as_int(def);
}

unsigned int CXmlAttributeUI::as_uint(unsigned int def) const
{
    return m_attr.as_uint(def);
}

bool CXmlAttributeUI::as_bool(bool def) const
{
    return m_attr.as_bool(def);
}

DWORD CXmlAttributeUI::as_uicolor(DWORD /*def*/) const
{
    // A missing colour is "no colour" (0), whatever the caller's default.
    if (m_attr.empty())
        return 0;
    CUIString sValue = value();
    const wchar_t* p = sValue.GetData();
    while (*p != L'\0' && *p <= L' ')
        ++p;
    if (*p == L'#')
        ++p;
    wchar_t* pEnd = nullptr;
    return static_cast<DWORD>(wcstoul(p, &pEnd, 16));
}

CUISize CXmlAttributeUI::as_size(CUISize def) const
{
    if (m_attr.empty())
        return def;
    CUISize size;
    return size.FromString(value()) ? size : def;
}

CUIRect CXmlAttributeUI::as_rect(CUIRect def) const
{
    if (m_attr.empty())
        return def;
    CUIRect rc;
    return rc.FromString(value()) ? rc : def;
}

float CXmlAttributeUI::as_float(float def) const
{
    return m_attr.as_float(def);
}

double CXmlAttributeUI::as_double(double def) const
{
    return m_attr.as_double(def);
}

bool CXmlAttributeUI::set_name(const wchar_t* rhs)
{
    CByteBuffer text;
    return CXmlNodeUI::ToUtf8(rhs, text) && m_attr.set_name(reinterpret_cast<const char*>(text.GetData()));
}

bool CXmlAttributeUI::set_value(const wchar_t* rhs)
{
    CByteBuffer text;
    return CXmlNodeUI::ToUtf8(rhs, text) && m_attr.set_value(reinterpret_cast<const char*>(text.GetData()));
}

} // namespace SkinUI
