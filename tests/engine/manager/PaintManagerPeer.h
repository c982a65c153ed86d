// CPaintManagerUIPeer: the manager's friend in tests. Sets the input references the message
// handler owns, tells whether anything still points at a control, and reads the off-screen
// bitmap the paint handler keeps.
#pragma once

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CGdiplusSession.h"

namespace SkinUI
{

class CPaintManagerUIPeer
{
public:
    static void SetInput(CPaintManagerUI& pm, CControlUI* pHover, CControlUI* pClick, CControlUI* pKey)
    {
        pm.m_pEventHover = pHover;
        pm.m_pEventClick = pClick;
        pm.m_pEventKey = pKey;
    }
    static bool RefersTo(const CPaintManagerUI& pm, CControlUI* p)
    {
        const CStdPtrArray* lists[] = {&pm.m_aPostPaintControls, &pm.m_aNeedMouseLeaveNeeded,
                                       &pm.m_aDelayedCleanup};
        for (const CStdPtrArray* list : lists)
            if (list->Find(p) >= 0)
                return true;
        for (int i = 0; i < pm.m_mNameHash.GetSize(); ++i)
            if (pm.m_mNameHash.Find(pm.m_mNameHash.GetAt(i), false) == p)
                return true;
        CControlUI* pTimer = nullptr;
        UINT nId = 0;
        for (UINT id = 0; id < 240; ++id)
            if (pm.FindTimer(id, pTimer, nId) && pTimer == p)
                return true;
        return pm.m_pEventHover == p || pm.m_pEventClick == p || pm.m_pEventKey == p || pm.m_pFocus == p ||
               pm.m_pLastFocus == p || pm.m_pRoot == p;
    }
    static int QueuedCount(const CPaintManagerUI& pm) { return pm.m_aAsyncNotify.GetSize(); }
    // What the paint handler's layout pass leaves behind.
    static void LayoutDone(CPaintManagerUI& pm) { pm.m_bUpdateNeeded = false; }
    // Wine's GDI+ draws without GdiplusStartup, Windows' does not: pixels cannot show a
    // missing session here, so the session itself is checked.
    static bool HoldsGdiplus(const CPaintManagerUI& pm)
    {
        return pm.m_pGdiplus && pm.m_pGdiplus->IsStarted();
    }

    // The off-screen bitmap: its handle, its DC and one pixel (client coordinates; 0 when none).
    static HBITMAP OffscreenBitmap(const CPaintManagerUI& pm) { return pm.m_hbmpOffscreen.Get(); }
    static HDC OffscreenDC(const CPaintManagerUI& pm)
    {
        return pm.m_pDcOffscreen ? pm.m_pDcOffscreen->Get() : nullptr;
    }
    static SIZE OffscreenSize(const CPaintManagerUI& pm) { return pm.m_szOffscreen; }
    static DWORD* OffscreenPixel(const CPaintManagerUI& pm, int x, int y)
    {
        if (pm.m_pOffscreenBits == nullptr || x < 0 || y < 0 || x >= pm.m_szOffscreen.cx ||
            y >= pm.m_szOffscreen.cy)
            return nullptr;
        ::GdiFlush();
        return reinterpret_cast<DWORD*>(pm.m_pOffscreenBits) +
               static_cast<size_t>(pm.m_szOffscreen.cy - 1 - y) * pm.m_szOffscreen.cx + x;
    }
    static bool IsMessageFilter(const CPaintManagerUI& pm, void* p)
    {
        return pm.m_aMessageFilters.Find(p) >= 0;
    }
};

} // namespace SkinUI
