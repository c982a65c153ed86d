#include "engine/controls/CHorizontalLayoutUI.h"

#include <wchar.h>

namespace SkinUI
{

CControlUI* CHorizontalLayoutUI::CreateControl()
{
    return new CHorizontalLayoutUI;
}

const wchar_t* CHorizontalLayoutUI::GetClass() const
{
    return L"HorizontalLayoutUI";
}

void* CHorizontalLayoutUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != nullptr && _wcsicmp(pstrName, L"HorizontalLayout") == 0)
        return static_cast<CHorizontalLayoutUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

} // namespace SkinUI
