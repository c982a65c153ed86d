// STRINGorID: a resource reference, either a resource name (wide text, not copied: the caller
// keeps it alive) or a resource number in MAKEINTRESOURCE form (cut to 16 bits).
//
// Not done: no ownership, no validation that the resource exists.
#pragma once

#include <windows.h>

namespace SkinUI
{

class STRINGorID
{
public:
    STRINGorID(const wchar_t* lpString);
    STRINGorID(unsigned int nID);

    bool IsID() const;  // true for a resource number
    WORD GetID() const; // the number, 0 for a name

    const wchar_t* m_lpstr; // name pointer or MAKEINTRESOURCEW(number)
};

} // namespace SkinUI
