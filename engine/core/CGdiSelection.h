// CGdiSelection: selects a GDI object into a device context for one scope and selects the
// previous object back when destroyed. Borrows both the DC and the object: it never deletes
// either, so the object's owner must outlive the selection.
//
// Not done: regions (SelectObject of an HRGN copies it and returns no previous object); use
// CRenderClip for clipping.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CGdiSelection
{
public:
    CGdiSelection(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(NULL)
    {
        if (m_hDC != NULL && hObject != NULL)
        {
            m_hOld = ::SelectObject(m_hDC, hObject);
            if (m_hOld == HGDI_ERROR)
                m_hOld = NULL;
        }
    }
    CGdiSelection(const CGdiSelection&) = delete;
    CGdiSelection& operator=(const CGdiSelection&) = delete;
    ~CGdiSelection()
    {
        if (m_hOld != NULL)
            ::SelectObject(m_hDC, m_hOld);
    }

    bool IsSelected() const { return m_hOld != NULL; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

} // namespace SkinUI
