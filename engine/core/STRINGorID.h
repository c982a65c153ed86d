// STRINGorID: a resource reference, either a resource name (wide text, not copied: the caller
// keeps it alive) or a resource number in MAKEINTRESOURCE form.
//
// Contract: only numbers 1..65535 are resource numbers. A larger number names nothing (the
// reference is null, as for a null name) rather than the resource whose number is its low 16
// bits: a skin naming image 65666 must not silently get image 130.
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

    bool IsID() const;  // true for a resource number (never for a null reference)
    WORD GetID() const; // the number, 0 for a name or a null reference

    const wchar_t* m_lpstr; // name pointer, MAKEINTRESOURCEW(number) or null
};

} // namespace SkinUI
