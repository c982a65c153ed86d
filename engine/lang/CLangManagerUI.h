// CLangManagerUI: the language packages of one window (one per skin file it built) and the
// process-wide language settings: the language folder, the language name and the string table.
//
// Contract: a package file is the skin file's name with everything from its last '.' replaced
// by ".lng", read from the language folder; a missing or broken file still gives a (possibly
// empty) package, so controls fall back to their markup texts. Each skin name is added once per
// window (AddPackage answers null for a known one) and remembered, so ReloadLanguage reads every
// package afresh from the current folder. Packages handed out live until the next
// ReloadLanguage or the manager's end; texts are handed out as copies. SetLanguage reloads the
// string table only. The string table keeps the first record of each id. UI thread only; the
// process-wide state has no lock.
//
// Not done: no repainting after a reload (the caller invalidates its windows), no detection of
// the system language.
#pragma once

#include <map>
#include <memory>

#include "engine/core/CStdStringPtrMap.h"
#include "engine/core/CUIString.h"
#include "engine/core/STRINGorID.h"
#include "engine/lang/CLangPackageUI.h"
#include "engine/lang/tagStringTable.h"
#include "engine/markup/CXmlNodeUI.h"

namespace SkinUI
{

class CLangManagerUI
{
public:
    CLangManagerUI();
    ~CLangManagerUI();
    CLangManagerUI(const CLangManagerUI&) = delete;
    CLangManagerUI& operator=(const CLangManagerUI&) = delete;

    static void SetLanguage(const wchar_t* pstrPath, const wchar_t* pstrName);
    static CUIString GetLangPath() { return s_sLangPath; }
    static CUIString GetLangName() { return s_sLangName; }
    // text1 / text2 of the record, or the empty text. The second argument is accepted for
    // callers that pass a default, but it is not consulted.
    static CUIString GetString(int id, const wchar_t* pstrText = nullptr);
    static CUIString GetStringExtra(int id, const wchar_t* pstrText = nullptr);
    static void ReleaseStringTable();

    // The package of a skin file being built; null when this window already has one for it.
    CLangPackageUI* AddPackage(const wchar_t* pstrSkinFile);
    CLangPackageUI* GetPackage(const wchar_t* pstrSkinFile) const;
    void ReloadLanguage();

    // "MainFrame.xml" -> "MainFrame.lng"; a name without '.' is kept.
    static CUIString PackageFileName(const wchar_t* pstrSkinFile);

protected:
    static int LoadStringTable();
    static int LoadStringTableResource(const CXmlNodeUI& root);
    static int LoadStringTableResource(STRINGorID xml, const wchar_t* pstrType = nullptr);

    CLangPackageUI* _addPackage(const wchar_t* pstrSkinFile);
    void ResetPackage();

private:
    // The language folder with a trailing backslash.
    static CUIString LangFolder();

    static CUIString s_sLangPath;
    static CUIString s_sLangName;
    static std::map<int, std::unique_ptr<tagStringTable>> m_mStringTable;

    CStdStringPtrMap m_mPackages;     // skin file -> CLangPackageUI (owned)
    CStdStringPtrMap m_mPackageNames; // skin file -> CUIString copy (owned), reloaded by name
};

} // namespace SkinUI
