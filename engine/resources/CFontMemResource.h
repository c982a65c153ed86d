// CFontMemResource: owns a font registered for this process from memory with
// AddFontMemResourceEx and removes it again with RemoveFontMemResourceEx.
//
// Contract: the font bytes are copied by the system at registration; the caller may free them.
//
// Not done: no enumeration of the faces the file holds.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CFontMemResource
{
public:
    CFontMemResource(const void* pData, DWORD dwSize) : m_h(nullptr), m_nFonts(0)
    {
        if (pData != nullptr && dwSize > 0)
            m_h = ::AddFontMemResourceEx(const_cast<void*>(pData), dwSize, nullptr, &m_nFonts);
    }
    ~CFontMemResource()
    {
        if (m_h != nullptr)
            ::RemoveFontMemResourceEx(m_h);
    }
    CFontMemResource(const CFontMemResource&) = delete;
    CFontMemResource& operator=(const CFontMemResource&) = delete;

    bool IsValid() const { return m_h != nullptr; }
    DWORD GetFontCount() const { return m_nFonts; }

private:
    HANDLE m_h;
    DWORD m_nFonts;
};

} // namespace SkinUI
