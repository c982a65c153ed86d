#include "engine/controls/CVerticalLayoutUI.h"

#include <wchar.h>

namespace SkinUI
{

CControlUI* CVerticalLayoutUI::CreateControl()
{
    return new CVerticalLayoutUI;
}

const wchar_t* CVerticalLayoutUI::GetClass() const
{
    return L"VerticalLayoutUI";
}

void* CVerticalLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && _wcsicmp(pstrName, L"VerticalLayout") == 0)
        return static_cast<CVerticalLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

} // namespace SkinUI
