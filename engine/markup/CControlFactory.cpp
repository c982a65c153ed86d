#include "engine/markup/CControlFactory.h"

#include <new>

#include "engine/controls/CButtonUI.h"
#include "engine/controls/CContainerUI.h"
#include "engine/controls/CControlUI.h"
#include "engine/controls/CHorizontalLayoutUI.h"
#include "engine/controls/CLabelUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/controls/CProgressUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/controls/CVerticalLayoutUI.h"

namespace SkinUI
{

CControlFactory* CControlFactory::s_pInstance = nullptr;

CControlFactory::CControlFactory()
{
    RegisterBuiltInControls();
}

// Every control class the engine builds, in one place. A class joins the markup vocabulary by
// one line here ("C" + element name + "UI" and its static CreateControl).
void CControlFactory::RegisterBuiltInControls()
{
    RegistControl(L"CControlUI", &CControlUI::CreateControl);
    RegistControl(L"CContainerUI", &CContainerUI::CreateControl);
    RegistControl(L"CButtonUI", &CButtonUI::CreateControl);
    RegistControl(L"CLabelUI", &CLabelUI::CreateControl);
    RegistControl(L"COptionUI", &COptionUI::CreateControl);
    RegistControl(L"CProgressUI", &CProgressUI::CreateControl);
    RegistControl(L"CRichEditUI", &CRichEditUI::CreateControl);
    RegistControl(L"CHorizontalLayoutUI", &CHorizontalLayoutUI::CreateControl);
    RegistControl(L"CVerticalLayoutUI", &CVerticalLayoutUI::CreateControl);
}

CControlFactory* CControlFactory::GetInstance()
{
    // The first creation is a thread-safe one-time initialisation; after Release the UI thread
    // may make a new table.
    static bool s_bMade = (s_pInstance = new (std::nothrow) CControlFactory, true);
    (void)s_bMade;
    if (s_pInstance == nullptr)
        s_pInstance = new (std::nothrow) CControlFactory;
    return s_pInstance;
}

void CControlFactory::Release()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
    delete this;
}

CUIString CControlFactory::Key(const wchar_t* pstrClassName)
{
    CUIString sKey(pstrClassName != nullptr ? pstrClassName : L"");
    sKey.MakeLower();
    return sKey;
}

bool CControlFactory::RegistControl(const wchar_t* pstrClassName, CreateClass pFunc)
{
    if (pstrClassName == nullptr || *pstrClassName == L'\0' || pFunc == nullptr)
        return false;
    try
    {
        return m_mapControl.emplace(Key(pstrClassName), pFunc).second;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

CControlUI* CControlFactory::CreateControl(const wchar_t* pstrClassName) const
{
    if (pstrClassName == nullptr || *pstrClassName == L'\0')
        return nullptr;
    auto it = m_mapControl.find(Key(pstrClassName));
    if (it == m_mapControl.end())
        return nullptr;
    try
    {
        return it->second();
    }
    catch (const std::bad_alloc&)
    {
        return nullptr; // the builder runs inside window creation: nothing may escape
    }
}

} // namespace SkinUI
