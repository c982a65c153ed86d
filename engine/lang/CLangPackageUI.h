// CLangPackageUI: the translated texts of one skin file in the current language: texts,
// tooltips and edit-field placeholders ("tipvalue"), each keyed by the controls' resource id.
//
// Contract: owns copies of its texts. The first text stored under an id wins (later duplicates
// are refused). Getters return copies, the empty text for an unknown id, so a caller never
// holds on to storage a reload frees. Loading a broken or missing file leaves whatever was
// already stored and reports 0.
//
// Not done: no language switching of its own (CLangManagerUI replaces whole packages), no
// lookup by control name.
#pragma once

#include <map>
#include <memory>

#include "engine/core/CUIString.h"
#include "engine/core/STRINGorID.h"
#include "engine/markup/CXmlNodeUI.h"

namespace SkinUI
{

class CLangPackageUI
{
public:
    CLangPackageUI() = default;
    CLangPackageUI(const CLangPackageUI&) = delete;
    CLangPackageUI& operator=(const CLangPackageUI&) = delete;

    void SetSkinFile(const wchar_t* pstrSkinFile);
    CUIString GetSkinFile() const { return m_sSkinFile; }

    // A file (module resource number + type, the XML text itself, or a skin file name); 1 when
    // it was read and parsed, else 0.
    int LoadResource(STRINGorID xml, const wchar_t* pstrType = nullptr);
    // The "Text" children of the document's "Language" element; 0 without one.
    int LoadResource(const CXmlNodeUI& root);

    int AddText(int id, const wchar_t* pstrText) { return Add(m_mTexts, id, pstrText); }
    int AddToolTip(int id, const wchar_t* pstrText) { return Add(m_mToolTips, id, pstrText); }
    int AddTipValue(int id, const wchar_t* pstrText) { return Add(m_mTipValues, id, pstrText); }

    CUIString GetText(int id) const { return Get(m_mTexts, id); }
    CUIString GetToolTip(int id) const { return Get(m_mToolTips, id); }
    CUIString GetTipValue(int id) const { return Get(m_mTipValues, id); }

    void ResetResource();

private:
    typedef std::map<int, std::unique_ptr<CUIString>> TextMap;
    static int Add(TextMap& map, int id, const wchar_t* pstrText);
    static CUIString Get(const TextMap& map, int id);

    CUIString m_sSkinFile;
    TextMap m_mTexts;
    TextMap m_mToolTips;
    TextMap m_mTipValues;
};

} // namespace SkinUI
