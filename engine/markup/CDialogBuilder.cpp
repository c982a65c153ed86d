#include "engine/markup/CDialogBuilder.h"

#include "engine/lang/CLangManagerUI.h"

#include <new>

#include "engine/controls/CControlUI.h"
#include "engine/controls/IContainerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/markup/CControlFactory.h"
#include "engine/manager/CShadowUI.h"
#include "engine/markup/IDialogBuilderCallback.h"
#include "engine/resources/CByteBuffer.h"
#include "engine/resources/CResourceManager.h"
#include "engine/resources/CResourceReader.h"

namespace SkinUI
{

CDialogBuilder::UnknownControlReporter CDialogBuilder::s_pUnknownControlReporter =
    &CDialogBuilder::ShowCreateControlFailed;

CDialogBuilder::CDialogBuilder()
    : m_pCallback(nullptr), m_pstrtype(nullptr), m_instance(nullptr), m_nBaseDepth(0), m_nIncludeDepth(0),
      m_nOwnIncludes(0), m_pIncludes(&m_nOwnIncludes)
{
}

CDialogBuilder::UnknownControlReporter
CDialogBuilder::SetUnknownControlReporter(UnknownControlReporter pReporter)
{
    UnknownControlReporter pPrevious = s_pUnknownControlReporter;
    s_pUnknownControlReporter = pReporter != nullptr ? pReporter : &CDialogBuilder::ShowCreateControlFailed;
    return pPrevious;
}

void CDialogBuilder::ShowCreateControlFailed(const wchar_t* pstrSkinFile, const wchar_t* pstrElement)
{
    CUIString sText;
    sText.Format(L"CDialogBuilder::_Parse Error\r\nFile: %s\r\nControl: %s", pstrSkinFile, pstrElement);
    ::MessageBoxW(nullptr, sText, L"Create Control Failed", MB_OK);
}

CLangPackageUI* CDialogBuilder::FindLanguagePackage(CPaintManagerUI* pManager, const wchar_t* pstrSkin)
{
    // One package per skin file and window: a second build of the same file gets none.
    if (pManager == nullptr || pstrSkin == nullptr || *pstrSkin == L'\0')
        return nullptr;
    CLangManagerUI* pLangManager = pManager->GetLangManager();
    return pLangManager != nullptr ? pLangManager->AddPackage(pstrSkin) : nullptr;
}

CControlUI* CDialogBuilder::Create(STRINGorID xml, const wchar_t* type, IDialogBuilderCallback* pCallback,
                                   CPaintManagerUI* pManager, CControlUI* pParent)
{
    if (xml.m_lpstr == nullptr)
        return nullptr;
    const wchar_t* pstrXml = xml.m_lpstr;
    if (!xml.IsID() && *pstrXml != L'<')
    {
        // The resource index may map the name to another path.
        const wchar_t* pstrPath = CResourceManager::GetInstance()->GetXmlPath(pstrXml);
        if (pstrPath != nullptr && *pstrPath != L'\0')
            pstrXml = pstrPath;
    }
    if (xml.IsID())
    {
        CByteBuffer data;
        if (CResourceReader::ReadModuleResource(xml, type, m_instance, data, CXmlDocumentUI::MAX_FILE_SIZE) !=
            CResourceReader::READ_OK)
            return nullptr;
        if (!m_xml.load_buffer(data.GetData(), data.GetSize()))
            return nullptr;
        m_pstrtype = type;
        m_sSkinFile.Empty();
    }
    else
    {
        if (*pstrXml == L'<' ? !m_xml.load_string(pstrXml) : !m_xml.load_file(pstrXml))
            return nullptr;
        // XML text is no file a package could be kept under.
        if (*pstrXml == L'<')
            m_sSkinFile.Empty();
        else
            m_sSkinFile = pstrXml;
    }
    CLangPackageUI* pPackage = nullptr;
    if (pManager != nullptr && !m_sSkinFile.IsEmpty())
        pPackage = FindLanguagePackage(pManager, m_sSkinFile);
    return Create(pCallback, pManager, pParent, pPackage);
}

CControlUI* CDialogBuilder::Create(IDialogBuilderCallback* pCallback, CPaintManagerUI* pManager,
                                   CControlUI* pParent, CLangPackageUI* pPackage)
{
    m_pCallback = pCallback;
    CXmlNodeUI root = m_xml.first_element();
    if (root.empty())
        return nullptr;

    if (pManager != nullptr)
    {
        for (CXmlNodeUI node = root.first_child(); !node.empty(); node = node.next_sibling())
        {
            if (node.type() == node_element_ui)
                ApplyResourceElement(node, pManager);
        }

        if (root.name_is_nocase(L"Window") && pManager->GetPaintWindow() != nullptr &&
            !pManager->IsInitWindowParameter())
        {
            for (CXmlAttributeUI attr = root.first_attribute(); !attr.empty(); attr = attr.next_attribute())
                ApplyWindowAttribute(attr, pManager);
            pManager->SetInitWindowParameter(true);
        }
    }
    return _Parse(root, pParent, pManager, pPackage, m_nBaseDepth);
}

void CDialogBuilder::ApplyResourceElement(const CXmlNodeUI& node, CPaintManagerUI* pManager)
{
    if (node.name_is_nocase(L"Image"))
    {
        CUIString sName = node.attribute(L"name").as_string();
        if (sName.IsEmpty())
            return;
        CUIString sType = node.attribute(L"restype").as_string();
        DWORD dwMask = node.attribute(L"mask").as_uicolor();
        bool bShared = node.attribute(L"shared").as_bool();
        pManager->AddImage(sName, sType.IsEmpty() ? nullptr : sType.GetData(), dwMask, 0, 0, 0, false,
                           bShared);
    }
    else if (node.name_is_nocase(L"Font"))
    {
        int id = node.attribute(L"id").as_int(-1);
        if (id < 0)
            return;
        CUIString sFontName = node.attribute(L"name").as_string();
        int size = node.attribute(L"size").as_int(12);
        bool bBold = node.attribute(L"bold").as_bool();
        bool bUnderline = node.attribute(L"underline").as_bool();
        bool bItalic = node.attribute(L"italic").as_bool();
        bool bDefault = node.attribute(L"default").as_bool();
        bool bShared = node.attribute(L"shared").as_bool();
        pManager->AddFont(id, sFontName, size, bBold, bUnderline, bItalic, bShared);
        // The manager scales the default font itself: it gets the markup size.
        if (bDefault)
            pManager->SetDefaultFont(sFontName, size, bBold, bUnderline, bItalic, bShared);
    }
    else if (node.name_is_nocase(L"Default") || node.name_is_nocase(L"Style"))
    {
        CUIString sName = node.attribute(L"name").as_string();
        if (sName.IsEmpty())
            return;
        CUIString sValue = node.attribute(L"value").as_string();
        bool bShared = node.attribute(L"shared").as_bool();
        if (node.name_is_nocase(L"Style"))
            pManager->AddStyle(sName, sValue, bShared);
        else
            pManager->AddDefaultAttributeList(sName, sValue, bShared);
    }
    else if (node.name_is_nocase(L"Import"))
    {
        CUIString sFontFile = node.attribute(L"fontfile").as_string();
        if (!sFontFile.IsEmpty())
            pManager->AddFontArray(sFontFile);
    }
}

// Every setting of the Window element in one place: the window's go to the manager, the
// shadow's to the manager's shadow.
void CDialogBuilder::ApplyWindowAttribute(const CXmlAttributeUI& attr, CPaintManagerUI* pManager)
{
    CUIString sName = attr.name();
    const wchar_t* pstrName = sName.GetData();
    auto Is = [pstrName](const wchar_t* pstrKey) { return _wcsicmp(pstrName, pstrKey) == 0; };
    auto IsExactly = [pstrName](const wchar_t* pstrKey) { return wcscmp(pstrName, pstrKey) == 0; };
    CUISize none(0, 0);
    CUIRect noRect(0, 0, 0, 0);
    // Bytes and percentages: values outside 0..255 keep their low byte, as a BYTE parameter would.
    auto AsByte = [&attr]() { return static_cast<BYTE>(attr.as_int() & 0xFF); };

    if (Is(L"size"))
    {
        CUISize sz = attr.as_size(none);
        CDPI* pDPI = pManager->GetDPIObj();
        pManager->SetInitSize(pDPI->Scale(static_cast<int>(sz.cx)), pDPI->Scale(static_cast<int>(sz.cy)));
    }
    else if (Is(L"sizebox"))
    {
        RECT rc = attr.as_rect(noRect);
        pManager->SetSizeBox(rc);
    }
    else if (Is(L"caption"))
    {
        RECT rc = attr.as_rect(noRect);
        pManager->SetCaptionRect(rc);
    }
    else if (Is(L"roundcorner"))
    {
        CUISize sz = attr.as_size(none);
        pManager->SetRoundCorner(sz.cx, sz.cy);
    }
    else if (Is(L"mininfo"))
    {
        CUISize sz = attr.as_size(none);
        pManager->SetMinInfo(sz.cx, sz.cy);
    }
    else if (Is(L"maxinfo"))
    {
        CUISize sz = attr.as_size(none);
        pManager->SetMaxInfo(sz.cx, sz.cy);
    }
    else if (Is(L"showdirty"))
        pManager->SetShowUpdateRect(attr.as_bool());
    else if (Is(L"opacity") || Is(L"alpha"))
        pManager->SetOpacity(AsByte());
    else if (IsExactly(L"layeredopacity"))
        pManager->SetLayeredOpacity(AsByte());
    else if (IsExactly(L"layered") || IsExactly(L"bktrans"))
        pManager->SetLayered(attr.as_bool());
    else if (IsExactly(L"layeredimage"))
    {
        pManager->SetLayered(true);
        pManager->SetLayeredImage(attr.as_string());
    }
    else if (IsExactly(L"noactivate"))
        pManager->SetNoActivate(attr.as_bool());
    else if (Is(L"disabledfontcolor"))
        pManager->SetDefaultDisabledColor(attr.as_uicolor());
    else if (Is(L"defaultfontcolor"))
        pManager->SetDefaultFontColor(attr.as_uicolor());
    else if (Is(L"linkfontcolor"))
        pManager->SetDefaultLinkFontColor(attr.as_uicolor());
    else if (Is(L"linkhoverfontcolor"))
        pManager->SetDefaultLinkHoverFontColor(attr.as_uicolor());
    else if (Is(L"selectedcolor"))
        pManager->SetDefaultSelectedBkColor(attr.as_uicolor());
    else if (Is(L"shadowsize"))
        pManager->GetShadow()->SetSize(attr.as_int());
    else if (Is(L"shadowsharpness"))
        pManager->GetShadow()->SetSharpness(static_cast<unsigned int>(attr.as_int()));
    else if (Is(L"shadowdarkness"))
        pManager->GetShadow()->SetDarkness(static_cast<unsigned int>(attr.as_int()));
    else if (Is(L"shadowposition"))
    {
        CUISize sz = attr.as_size(none);
        pManager->GetShadow()->SetPosition(sz.cx, sz.cy);
    }
    else if (Is(L"shadowcolor"))
        pManager->GetShadow()->SetColor(attr.as_uicolor());
    else if (Is(L"shadowcorner"))
        pManager->GetShadow()->SetShadowCorner(attr.as_rect(noRect));
    else if (Is(L"shadowimage"))
        pManager->GetShadow()->SetImage(attr.as_string());
    else if (Is(L"showshadow"))
        pManager->GetShadow()->ShowShadow(attr.as_bool());
    else if (Is(L"gdiplustext"))
        pManager->SetUseGdiplusText(attr.as_bool());
    else if (Is(L"textrenderinghint"))
        pManager->SetGdiplusTextRenderingHint(attr.as_int());
    else if (Is(L"tooltiphovertime"))
        pManager->SetHoverTime(attr.as_int());
}

CControlUI* CDialogBuilder::CreateControlFor(const CUIString& sName)
{
    CUIString sClass;
    sClass.Format(L"C%sUI", sName.GetData());
    CControlUI* pControl = CControlFactory::GetInstance() != nullptr
                               ? CControlFactory::GetInstance()->CreateControl(sClass)
                               : nullptr;
    if (pControl == nullptr && m_pCallback != nullptr)
        pControl = m_pCallback->CreateControl(sName);
    return pControl;
}

void CDialogBuilder::BuildInclude(const CXmlNodeUI& node, CControlUI* pParent, CPaintManagerUI* pManager,
                                  int nDepth)
{
    CXmlAttributeUI source = node.attribute(L"source");
    CUIString sSource = source.as_string();
    if (sSource.IsEmpty())
        return;
    int nCount = node.attribute(L"count").as_int(1);
    // A skin that includes itself, or includes that multiply, must still end.
    if (m_nIncludeDepth + 1 > MAX_INCLUDE_DEPTH)
        return;
    for (int i = 0; i < nCount; ++i)
    {
        if (*m_pIncludes >= MAX_INCLUDES)
            return;
        ++*m_pIncludes;
        CDialogBuilder builder;
        builder.m_nBaseDepth = nDepth;
        builder.m_nIncludeDepth = m_nIncludeDepth + 1;
        builder.m_pIncludes = m_pIncludes;
        CControlUI* pBuilt = nullptr;
        if (m_pstrtype != nullptr)
            pBuilt = builder.Create(STRINGorID(static_cast<unsigned int>(source.as_int() & 0xFFFF)),
                                    m_pstrtype, m_pCallback, pManager, pParent);
        else
            pBuilt = builder.Create(STRINGorID(sSource.GetData()), nullptr, m_pCallback, pManager, pParent);
        // With a parent the included controls joined it; without one nothing would hold them.
        if (pParent == nullptr)
            delete pBuilt;
    }
}

void CDialogBuilder::ApplyControlAttributes(const CXmlNodeUI& node, const CUIString& sName,
                                            CControlUI* pControl, CPaintManagerUI* pManager)
{
    // Attached for the duration, so styles, fonts and the DPI are within reach; the container
    // the control already joined stays its parent.
    CPaintManagerUI* pOwnManager = pControl->GetManager();
    CControlUI* pParent = pControl->GetParent();
    if (pManager != nullptr)
    {
        pControl->SetManager(pManager, pParent, false);
        const wchar_t* pstrDefault = pManager->GetDefaultAttributeList(sName);
        if (pstrDefault != nullptr)
            pControl->ApplyAttributeList(pstrDefault);
    }
    if (node.has_attributes())
    {
        // The style first, so the element's own attributes override what it sets.
        CXmlAttributeUI style = node.attribute(L"style");
        if (!style.empty())
            pControl->SetAttribute(L"style", style.value());
        for (CXmlAttributeUI attr = node.first_attribute(); !attr.empty(); attr = attr.next_attribute())
        {
            CUIString sAttrName = attr.name();
            if (sAttrName.CompareNoCase(L"style") == 0)
                continue;
            pControl->SetAttribute(sAttrName, attr.value());
        }
    }
    if (pManager != nullptr)
        pControl->SetManager(pOwnManager, pParent, false);
}

CControlUI* CDialogBuilder::_Parse(const CXmlNodeUI& parentNode, CControlUI* pParent,
                                   CPaintManagerUI* pManager, CLangPackageUI* pPackage, int nDepth)
{
    if (nDepth >= MAX_NESTING)
        return nullptr;
    IContainerUI* pContainer = nullptr;
    CControlUI* pReturn = nullptr;
    for (CXmlNodeUI node = parentNode.first_child(); !node.empty(); node = node.next_sibling())
    {
        if (node.type() != node_element_ui)
            continue;
        if (node.name_is_nocase(L"Image") || node.name_is_nocase(L"Font") ||
            node.name_is_nocase(L"Default") || node.name_is_nocase(L"Style") ||
            node.name_is_nocase(L"Script") || node.name_is_nocase(L"Import"))
            continue;
        if (node.name_is_nocase(L"Include"))
        {
            BuildInclude(node, pParent, pManager, nDepth + 1);
            continue;
        }

        CUIString sName = node.name();
        CControlUI* pControl = CreateControlFor(sName);
        if (pControl == nullptr)
        {
            // The file is named after the language package, as the package knows it.
            s_pUnknownControlReporter(pPackage != nullptr ? m_sSkinFile.GetData() : L"", sName);
            continue;
        }

        pControl->SetExtraParent(pParent);
        if (pPackage != nullptr)
            pControl->SetSkinFile(m_sSkinFile);

        if (node.has_children())
            _Parse(node, pControl, pManager, pPackage, nDepth + 1);

        if (pParent != nullptr)
        {
            if (pContainer == nullptr)
                pContainer = static_cast<IContainerUI*>(pParent->GetInterface(L"IContainer"));
            if (pContainer == nullptr)
            {
                // Nothing can hold this control or its later siblings.
                delete pControl;
                return nullptr;
            }
            if (!pContainer->Add(pControl))
            {
                delete pControl;
                continue;
            }
        }
        else if (pReturn != nullptr)
        {
            // Without a parent only the first control is handed back; a further one would be
            // unreachable.
            delete pControl;
            continue;
        }

        ApplyControlAttributes(node, sName, pControl, pManager);

        if (pReturn == nullptr)
            pReturn = pControl;
    }
    return pReturn;
}

} // namespace SkinUI
