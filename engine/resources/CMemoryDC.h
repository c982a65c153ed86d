// CMemoryDC: owns a memory device context made with CreateCompatibleDC and deletes it.
//
// Contract: the DC is compatible with the given DC (the screen when none); objects selected
// into it through Select() are selected out again before the DC is deleted.
//
// Not done: one selection slot only; callers needing more keep their own restore order.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CMemoryDC
{
public:
    explicit CMemoryDC(HDC hdcCompatible = nullptr)
        : m_hDC(::CreateCompatibleDC(hdcCompatible)), m_hOld(nullptr)
    {
    }
    ~CMemoryDC()
    {
        if (m_hDC == nullptr)
            return;
        if (m_hOld != nullptr)
            ::SelectObject(m_hDC, m_hOld);
        ::DeleteDC(m_hDC);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Selects a borrowed object; the first replaced object is restored on destruction.
    void Select(HGDIOBJ hObj)
    {
        if (m_hDC == nullptr || hObj == nullptr)
            return;
        HGDIOBJ hPrev = ::SelectObject(m_hDC, hObj);
        if (m_hOld == nullptr)
            m_hOld = hPrev;
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

} // namespace SkinUI
