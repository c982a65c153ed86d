#include "engine/lang/CLangPackageUI.h"

#include <new>

#include "engine/lang/CLangFileReader.h"
#include "engine/markup/CXmlDocumentUI.h"

namespace SkinUI
{

void CLangPackageUI::SetSkinFile(const wchar_t* pstrSkinFile)
{
    m_sSkinFile = pstrSkinFile != nullptr ? pstrSkinFile : L"";
}

int CLangPackageUI::LoadResource(STRINGorID xml, const wchar_t* pstrType)
{
    CXmlDocumentUI doc;
    if (!CLangFileReader::Load(xml, pstrType, doc))
        return 0;
    return LoadResource(doc);
}

int CLangPackageUI::LoadResource(const CXmlNodeUI& root)
{
    if (!CLangFileReader::HasLanguage(root))
        return 0;
    for (CXmlNodeUI node = CLangFileReader::FirstEntry(root, L"Text", true); node;
         node = CLangFileReader::NextEntry(node, L"Text", true))
    {
        const int nId = node.attribute(L"id").as_int();
        if (CXmlAttributeUI text = node.attribute(L"text"))
            AddText(nId, text.value());
        if (CXmlAttributeUI tip = node.attribute(L"tooltip"))
            AddToolTip(nId, tip.value());
        if (CXmlAttributeUI tipValue = node.attribute(L"tipvalue"))
            AddTipValue(nId, tipValue.value());
    }
    return 1;
}

void CLangPackageUI::ResetResource()
{
    m_mTexts.clear();
    m_mToolTips.clear();
    m_mTipValues.clear();
}

int CLangPackageUI::Add(TextMap& map, int id, const wchar_t* pstrText)
{
    if (map.find(id) != map.end())
        return 0;
    std::unique_ptr<CUIString> text(new (std::nothrow) CUIString(pstrText != nullptr ? pstrText : L""));
    if (!text)
        return 0;
    try
    {
        map.emplace(id, std::move(text));
    }
    catch (const std::bad_alloc&)
    {
        return 0; // out of memory: the text is simply missing, the control shows its own
    }
    return 1;
}

CUIString CLangPackageUI::Get(const TextMap& map, int id)
{
    TextMap::const_iterator it = map.find(id);
    return it != map.end() ? *it->second : CUIString();
}

} // namespace SkinUI
