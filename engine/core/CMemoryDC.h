// CMemoryDC: owns a memory device context made with CreateCompatibleDC and deletes it with
// DeleteDC. Move-only.
//
// Not done: window DCs (GetDC/ReleaseDC) and paint DCs are borrowed and never held here.
// Objects selected into the DC are not restored; use CGdiSelection for that.
#pragma once

#include <windows.h>

namespace SkinUI {

class CMemoryDC
{
public:
    CMemoryDC() : m_hDC(NULL) {}
    // A DC compatible with hdcRef (the screen when hdcRef is NULL); IsNull() on failure.
    explicit CMemoryDC(HDC hdcRef) : m_hDC(::CreateCompatibleDC(hdcRef)) {}
    CMemoryDC(CMemoryDC&& src) noexcept : m_hDC(src.m_hDC) { src.m_hDC = NULL; }
    CMemoryDC& operator=(CMemoryDC&& src) noexcept
    {
        if (this != &src) {
            Reset();
            m_hDC = src.m_hDC;
            src.m_hDC = NULL;
        }
        return *this;
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    ~CMemoryDC() { Reset(); }

    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    bool IsNull() const { return m_hDC == NULL; }

    void Reset()
    {
        if (m_hDC != NULL) ::DeleteDC(m_hDC);
        m_hDC = NULL;
    }

private:
    HDC m_hDC;
};

}  // namespace SkinUI
