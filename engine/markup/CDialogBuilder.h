// CDialogBuilder: builds a window's control tree from a skin document: hands the resources at
// the top of the skin (fonts, images, styles, default attribute lists, font files) and, once per
// paint manager, the Window element's settings to the manager, then creates one control per
// element in document order and returns the first one made at the top level.
//
// Contract: one builder per build; it keeps the parsed document alive while it lives. Create
// returns null when the skin cannot be read or parsed or holds no element (GetError of the
// document says why). Controls are made by the control factory ("C" + element name + "UI", any
// letter case), then by the callback. A control's children are built and added to it before it
// joins its parent and before its own attributes: first the manager's default attribute list
// for its element name, then "style", then the rest in document order. An element naming no
// known class is reported through the unknown-control reporter (a message box unless replaced)
// and skipped with everything inside it. Include builds another skin into the current parent
// "count" times; includes nest at most MAX_INCLUDE_DEPTH deep and a build makes at most
// MAX_INCLUDES of them, and elements nest at most MAX_NESTING deep (deeper ones are skipped), so
// a skin that includes itself or nests without end still ends. Controls that cannot join the
// tree are deleted, never leaked.
//
// A skin read from a file gets the manager's language package for that file (the language
// manager's AddPackage: none for a file this window already built); controls are told their
// skin file only when there is a package, so they can look their texts up in it.
//
// Not done: plug-in libraries and designer modes do not exist here; skins given as XML text or
// as a resource number have no package. UI thread only.
#pragma once

#include <windows.h>

#include "engine/core/CUIString.h"
#include "engine/core/STRINGorID.h"
#include "engine/markup/CXmlDocumentUI.h"

namespace SkinUI
{

class CControlUI;
class CPaintManagerUI;
class CLangPackageUI;
class IContainerUI;
class IDialogBuilderCallback;

class CDialogBuilder
{
public:
    enum
    {
        MAX_INCLUDE_DEPTH = 16,
        MAX_INCLUDES = 1024,
        MAX_NESTING = 256
    };

    // Told about an element whose class is unknown: the skin file (may be empty) and the name.
    typedef void (*UnknownControlReporter)(const wchar_t* pstrSkinFile, const wchar_t* pstrElement);

    CDialogBuilder();
    CDialogBuilder(const CDialogBuilder&) = delete;
    CDialogBuilder& operator=(const CDialogBuilder&) = delete;

    void SetInstance(HINSTANCE instance) { m_instance = instance; }

    // The skin is a file name (resource folder or archive), a resource number of the given type,
    // or XML text starting with '<'.
    CControlUI* Create(STRINGorID xml, const wchar_t* type = nullptr,
                       IDialogBuilderCallback* pCallback = nullptr, CPaintManagerUI* pManager = nullptr,
                       CControlUI* pParent = nullptr);
    // Builds from the document already loaded.
    CControlUI* Create(IDialogBuilderCallback* pCallback = nullptr, CPaintManagerUI* pManager = nullptr,
                       CControlUI* pParent = nullptr, CLangPackageUI* pPackage = nullptr);

    CXmlDocumentUI* GetMarkup() { return &m_xml; }
    const wchar_t* GetLastErrorMessage() const { return m_xml.GetError(); }

    // Replaces how unknown elements are reported; returns the previous reporter. Null restores
    // the message box.
    static UnknownControlReporter SetUnknownControlReporter(UnknownControlReporter pReporter);

private:
    CControlUI* _Parse(const CXmlNodeUI& parentNode, CControlUI* pParent, CPaintManagerUI* pManager,
                       CLangPackageUI* pPackage, int nDepth);
    CControlUI* CreateControlFor(const CUIString& sName);
    void BuildInclude(const CXmlNodeUI& node, CControlUI* pParent, CPaintManagerUI* pManager, int nDepth);
    void ApplyControlAttributes(const CXmlNodeUI& node, const CUIString& sName, CControlUI* pControl,
                                CPaintManagerUI* pManager);
    static void ApplyResourceElement(const CXmlNodeUI& node, CPaintManagerUI* pManager);
    static void ApplyWindowAttribute(const CXmlAttributeUI& attr, CPaintManagerUI* pManager);
    static CLangPackageUI* FindLanguagePackage(CPaintManagerUI* pManager, const wchar_t* pstrSkin);
    static void ShowCreateControlFailed(const wchar_t* pstrSkinFile, const wchar_t* pstrElement);

    CXmlDocumentUI m_xml;
    IDialogBuilderCallback* m_pCallback;
    const wchar_t* m_pstrtype; // borrowed; set when the skin came from a module resource
    HINSTANCE m_instance;

    CUIString m_sSkinFile; // the skin reference a package would be kept under
    int m_nBaseDepth;      // element depth of the include element that made this builder
    int m_nIncludeDepth;   // how many includes lead to this builder
    int m_nOwnIncludes;    // includes made by a whole build (top-level builder only)
    int* m_pIncludes;      // the top-level builder's count

    static UnknownControlReporter s_pUnknownControlReporter;
};

} // namespace SkinUI
