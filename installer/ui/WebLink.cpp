#include "installer/ui/WebLink.h"

#include "installer/ui/ModalUi.h"

#include <cwchar>

namespace
{

// The length of the scheme prefix address starts with (ignoring case), or 0.
size_t WebSchemeLength(const wchar_t* address)
{
    static const wchar_t* const kSchemes[] = {L"http://", L"https://"};
    for (const wchar_t* scheme : kSchemes)
    {
        const size_t n = wcslen(scheme);
        if (_wcsnicmp(address, scheme, n) == 0)
            return n;
    }
    return 0;
}

} // namespace

bool IsWebAddress(const wchar_t* address)
{
    if (address == nullptr)
        return false;
    const size_t scheme = WebSchemeLength(address);
    if (scheme == 0 || address[scheme] == L'\0')
        return false;
    for (const wchar_t* p = address; *p != L'\0'; ++p)
        if (*p < 0x20 || *p == 0x7F || *p == L'"')
            return false;
    return true;
}

bool OpenWebAddress(const wchar_t* address)
{
    if (!IsWebAddress(address))
        return false;
    ModalUi().pfnShellExecute(nullptr, L"open", address, nullptr, nullptr, SW_SHOW);
    return true;
}
