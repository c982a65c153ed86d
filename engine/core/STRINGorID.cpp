#include "engine/core/STRINGorID.h"

namespace SkinUI
{

STRINGorID::STRINGorID(const wchar_t* lpString) : m_lpstr(lpString) {}

// MAKEINTRESOURCEW keeps only the low 16 bits, which is what resource numbers are.
STRINGorID::STRINGorID(unsigned int nID) : m_lpstr(MAKEINTRESOURCEW(nID)) {}

bool STRINGorID::IsID() const
{
    return IS_INTRESOURCE(m_lpstr);
}

WORD STRINGorID::GetID() const
{
    return IsID() ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(m_lpstr)) : 0;
}

} // namespace SkinUI
