#include "engine/markup/CXmlNodeUI.h"

#include <cstring>

namespace SkinUI
{

namespace
{

inline char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares a parser name with a wide name; ASCII letters folded when asked.
bool SameName(const char* pUtf8, const wchar_t* pWide, bool bNoCase)
{
    if (pUtf8 == nullptr || pWide == nullptr)
        return false;
    CByteBuffer wide;
    if (!CXmlNodeUI::ToUtf8(pWide, wide))
        return false;
    const char* pOther = reinterpret_cast<const char*>(wide.GetData());
    if (pOther == nullptr)
        pOther = "";
    if (!bNoCase)
        return std::strcmp(pUtf8, pOther) == 0;
    for (;; ++pUtf8, ++pOther)
    {
        if (FoldAscii(*pUtf8) != FoldAscii(*pOther))
            return false;
        if (*pUtf8 == '\0')
            return true;
    }
}

// ASCII names (all of the markup vocabulary) compare without converting anything.
bool SameAsciiName(const char* pUtf8, const wchar_t* pWide, bool bNoCase, bool& bDecided)
{
    bDecided = true;
    for (;; ++pUtf8, ++pWide)
    {
        if (*pWide >= 0x80 || static_cast<unsigned char>(*pUtf8) >= 0x80)
        {
            bDecided = false;
            return false;
        }
        char a = *pUtf8, b = static_cast<char>(*pWide);
        if (bNoCase ? FoldAscii(a) != FoldAscii(b) : a != b)
        {
            // A later non-ASCII character cannot make them equal.
            return false;
        }
        if (a == '\0')
            return true;
    }
}

} // namespace

bool CXmlNodeUI::MatchName(const char* pUtf8, const wchar_t* pWide, bool bNoCase)
{
    if (pUtf8 == nullptr || pWide == nullptr)
        return false;
    bool bDecided = false;
    bool bSame = SameAsciiName(pUtf8, pWide, bNoCase, bDecided);
    return bDecided ? bSame : SameName(pUtf8, pWide, bNoCase);
}

CUIString CXmlNodeUI::FromUtf8(const char* p)
{
    CUIString s;
    if (p == nullptr || *p == '\0')
        return s;
    wchar_t szLocal[128];
    int n = ::MultiByteToWideChar(CP_UTF8, 0, p, -1, szLocal, 128);
    if (n > 0)
    {
        s.Assign(szLocal, n - 1);
        return s;
    }
    n = ::MultiByteToWideChar(CP_UTF8, 0, p, -1, nullptr, 0);
    if (n <= 1)
        return s;
    CByteBuffer buf;
    if (!buf.Allocate(static_cast<DWORD>(n) * sizeof(wchar_t)))
        return s;
    wchar_t* pWide = reinterpret_cast<wchar_t*>(buf.GetData());
    ::MultiByteToWideChar(CP_UTF8, 0, p, -1, pWide, n);
    s.Assign(pWide, n - 1);
    return s;
}

bool CXmlNodeUI::ToUtf8(const wchar_t* p, CByteBuffer& out)
{
    if (p == nullptr)
        p = L"";
    int n = ::WideCharToMultiByte(CP_UTF8, 0, p, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0 || !out.Allocate(static_cast<DWORD>(n)))
        return false;
    ::WideCharToMultiByte(CP_UTF8, 0, p, -1, reinterpret_cast<char*>(out.GetData()), n, nullptr, nullptr);
    return true;
}

CUIString CXmlNodeUI::name() const
{
    return FromUtf8(m_node.name());
}

CUIString CXmlNodeUI::value() const
{
    return FromUtf8(m_node.value());
}

bool CXmlNodeUI::name_is(const wchar_t* pstrName) const
{
    return !m_node.empty() && MatchName(m_node.name(), pstrName, false);
}

bool CXmlNodeUI::name_is_nocase(const wchar_t* pstrName) const
{
    return !m_node.empty() && MatchName(m_node.name(), pstrName, true);
}

CXmlNodeUI CXmlNodeUI::child(const wchar_t* pstrName) const
{
    for (pugi::xml_node n = m_node.first_child(); n; n = n.next_sibling())
    {
        if (MatchName(n.name(), pstrName, false))
            return CXmlNodeUI(n);
    }
    return CXmlNodeUI();
}

CXmlNodeUI CXmlNodeUI::next_sibling(const wchar_t* pstrName) const
{
    for (pugi::xml_node n = m_node.next_sibling(); n; n = n.next_sibling())
    {
        if (MatchName(n.name(), pstrName, false))
            return CXmlNodeUI(n);
    }
    return CXmlNodeUI();
}

CXmlNodeUI CXmlNodeUI::first_element() const
{
    for (pugi::xml_node n = m_node.first_child(); n; n = n.next_sibling())
    {
        if (n.type() == pugi::node_element)
            return CXmlNodeUI(n);
    }
    return CXmlNodeUI();
}

CUIString CXmlNodeUI::child_value() const
{
    return FromUtf8(m_node.child_value());
}

CXmlAttributeUI CXmlNodeUI::attribute(const wchar_t* pstrName) const
{
    for (pugi::xml_attribute a = m_node.first_attribute(); a; a = a.next_attribute())
    {
        if (MatchName(a.name(), pstrName, false))
            return CXmlAttributeUI(a);
    }
    return CXmlAttributeUI();
}

bool CXmlNodeUI::set_name(const wchar_t* rhs)
{
    CByteBuffer text;
    return ToUtf8(rhs, text) && m_node.set_name(reinterpret_cast<const char*>(text.GetData()));
}

bool CXmlNodeUI::set_value(const wchar_t* rhs)
{
    CByteBuffer text;
    return ToUtf8(rhs, text) && m_node.set_value(reinterpret_cast<const char*>(text.GetData()));
}

CXmlNodeUI CXmlNodeUI::append_child(xml_node_type_ui type)
{
    return CXmlNodeUI(m_node.append_child(static_cast<pugi::xml_node_type>(type)));
}

CXmlNodeUI CXmlNodeUI::append_child(const wchar_t* pstrName)
{
    CByteBuffer text;
    if (!ToUtf8(pstrName, text))
        return CXmlNodeUI();
    return CXmlNodeUI(m_node.append_child(reinterpret_cast<const char*>(text.GetData())));
}

CXmlNodeUI CXmlNodeUI::prepend_child(const wchar_t* pstrName)
{
    CByteBuffer text;
    if (!ToUtf8(pstrName, text))
        return CXmlNodeUI();
    return CXmlNodeUI(m_node.prepend_child(reinterpret_cast<const char*>(text.GetData())));
}

CXmlNodeUI CXmlNodeUI::insert_child_before(const wchar_t* pstrName, const CXmlNodeUI& node)
{
    CByteBuffer text;
    if (!ToUtf8(pstrName, text))
        return CXmlNodeUI();
    return CXmlNodeUI(m_node.insert_child_before(reinterpret_cast<const char*>(text.GetData()), node.m_node));
}

CXmlAttributeUI CXmlNodeUI::append_attribute(const wchar_t* pstrName)
{
    CByteBuffer text;
    if (!ToUtf8(pstrName, text))
        return CXmlAttributeUI();
    return CXmlAttributeUI(m_node.append_attribute(reinterpret_cast<const char*>(text.GetData())));
}

} // namespace SkinUI
