#include "engine/core/STRINGorID.h"

namespace SkinUI
{

STRINGorID::STRINGorID(const wchar_t* lpString) : m_lpstr(lpString) {}

// Resource numbers are 16 bits; cutting a larger number would alias an unrelated resource.
STRINGorID::STRINGorID(unsigned int nID) : m_lpstr(nID <= 0xFFFFu ? MAKEINTRESOURCEW(nID) : nullptr) {}

bool STRINGorID::IsID() const
{
    return m_lpstr != nullptr && IS_INTRESOURCE(m_lpstr);
}

WORD STRINGorID::GetID() const
{
    return IsID() ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(m_lpstr)) : 0;
}

} // namespace SkinUI
